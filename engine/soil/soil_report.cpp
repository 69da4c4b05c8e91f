#include "engine/soil/soil_report.h"

#include "engine/format/banner.h"
#include "engine/format/fortran_format.h"
#include "engine/soil/soil_constants.h"
#include "engine/soil/surcharge.h"

#include <ostream>

namespace veldra::engine::soil {

std::string pressure_label(const UnitLabels& u) {
  return std::string(u.f4) + std::string(u.slash) + std::string(u.l2) + std::string(u.power) +
         std::string(u.two);
}

std::string unit_weight_label(const UnitLabels& u) {
  return std::string(u.f4) + std::string(u.slash) + std::string(u.l2) + std::string(u.power) +
         "3";
}

void write_wall_information(std::ostream& out, const ProblemState& st, double gw) {
  const UnitLabels& u = st.labels;
  const WallConfiguration& w = st.wall;
  write_banner(out, "*                WALL INFORMATION                *");
  const auto line = [&](const char* caption, double value, std::string_view label) {
    fwrite(out, "(6X,A,E10.3,A)", {caption, value, label});
  };
  line("FREE HEIGHT OF WALL                    = ", w.hfree, u.l3);
  line("WIDTH FOR EARTH PRESSURE, WA           = ", w.wa, u.l3);
  line("WIDTH FOR SOIL RESISTANCE, WP          = ", w.wp, u.l3);
  line("DEPTH TO THE WATER TABLE AT BACKFILL   = ", w.water_backfill, u.l3);
  line("DEPTH TO THE WATER TABLE AT EXCAVATION = ", w.water_excavation, u.l3);
  line("UNIT WEIGHT OF WATER                   = ", gw, unit_weight_label(u));
  line("SLOPE OF THE BACKFILL (deg.)           = ", w.slope_deg, "");
  line("MODIFICATION FOR ACTIVE EARTH PRESSURE = ", w.active_factor, "");
  out << '\n';
}

void write_surcharge_information(std::ostream& out, const ProblemState& st) {
  const UnitLabels& u = st.labels;
  const Surcharges& s = st.surcharges;
  const std::string pressure = pressure_label(u);
  const std::string per_length = std::string(u.f4) + std::string(u.slash) + std::string(u.l2);
  write_banner(out, "*              SURCHARGE INFORMATION             *");
  fwrite(out, "(6X,'UNIFORM SURFACE PRESSURE     =',E10.3,A)", {s.uniform, pressure});
  for (int r = 1; r <= s.count && r <= kMaxSurcharges; ++r) {
    const SurchargeRow& row = s.rows[r];
    switch (row.type) {
      case 1:
      case 2:
        fwrite(out,
               "(/,6X,'SURCHARGE LOADING NO.        = ',I10,/,6X,A,E10.3,A,/,"
               "6X,'HORIZONTAL DISTANCE BETWEEN  = ',E10.3,A,/,"
               "6X,'THE WALL AND SURCHARGE         ',/)",
               {r, row.type == 1 ? "POINT LOAD                   = "
                                 : "LINE LOAD                    = ",
                row.magnitude, row.type == 1 ? std::string_view(u.f4) : per_length, row.x, u.l3});
        break;
      case 3:
        fwrite(out,
               "(/,6X,'SURCHARGE LOADING NO.        = ',I10,/,"
               "6X,'STRIP LOAD                   = ',E10.3,A,/,"
               "6X,'WIDTH OF THE STRIP LOAD      = ',E10.3,A,/,"
               "6X,'HORIZONTAL DISTANCE BETWEEN  = ',E10.3,A,/,"
               "6X,'WALL AND MIDDLE OF STRIP WIDTH          ',/)",
               {r, row.magnitude, pressure, row.width, u.l3, row.x, u.l3});
        break;
      default: break;  // computed as a point load, not listed
    }
  }
  if (s.count > 0 && surcharges_skipped(st.wall.hfree)) write_surcharges_skipped(out);
}

void write_soil_information(std::ostream& out, const SoilProfile& profile, int units) {
  write_banner(out, "*                SOIL INFORMATION                *");
  if (units != 1 && units != 2) return;
  const bool english = units == 1;
  fwrite(out, "(7X,A)", {"         TOTAL   COHESION/       TOTAL UNIT"});
  fwrite(out, "(7X,A)", {"LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP"});
  if (english) {
    fwrite(out, "(7X,'NO.',6X,'FT',8X,'PSI',7X,'DEG',5X,'PCI',5X,'T OR F',3X,'FT')");
  } else {
    fwrite(out, "(7X,'NO.',6X,' M',8X,'kPa',7X,'DEG',3X,'kN/M^3',4X,'T OR F',3X,' M')");
  }
  // English lengths are stored in inches and shown in feet.
  const double length = english ? 12.0 : 1.0;
  int number = 0;
  for (const ProfileLayer& l : profile.layers) {
    fwrite(out, "(7X,I3,F10.2,F11.1,F8.1,F9.3,5X,A1,F10.2)",
           {++number, l.thickness / length, l.c, l.phi, l.gamma, l.drained ? "T" : "F",
            l.z_top / length});
  }
}

void write_stress_table(std::ostream& out, const SoilProfile& profile, const UnitLabels& u) {
  write_banner(out, "*            EFFECTIVE OVERBURDEN STRESS         *");
  fwrite(out, "(/,6X,A)", {"          DEPTH                     STRESS       "});
  fwrite(out, "(16X,A,22X,A,/)", {u.l3, pressure_label(u)});
  for (const ProfileLayer& l : profile.layers) {
    fwrite(out, "(12X,E10.3,17X,E10.3)", {l.z_top, l.sigma_v});
  }
}

void write_coefficients(std::ostream& out, std::ostream& notes, const std::vector<Coefficients>& k,
                        const SoilProfile& profile) {
  write_banner(out, "* ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
  fwrite(out, "(/,6X,A,A,/,6X,A,A)",
         {"  LAYER         ACTIVE EARTH     PASSIVE EARTH   ", "  OPTIONAL EARTH",
          "   NO.          COEFFICIENT      COEFFICIENT     ", "  COEFFICIENT   "});
  for (std::size_t l = 0; l < k.size(); ++l) {
    if (k[l].slope_warning) {
      static constexpr const char* kSlopeWarning =
          "(/,/,'**** WARNING ******',/,"
          "'THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE ''INTERNAL FRICTION ANGLE OF SAND.')";
      fwrite(notes, kSlopeWarning);
      fwrite(out, kSlopeWarning);
    }
    fwrite(out, "(10X,I2,9X,E10.3,8X,E10.3,8X,E10.3)",
           {static_cast<long long>(l + 1), k[l].ka_printed, k[l].kp, profile.layers[l].k_opt});
  }
}

void write_layer_forces(std::ostream& out, std::ostream& console, const ForceSummary& f, int exc,
                        const UnitLabels& u) {
  const std::string p = pressure_label(u);
  write_banner(out, "*      ACTIVE EARTH PRESSURE OF EACH LAYER       *");
  fwrite(out, "(/,6X,A,A)", {" LAYER    PA1     Z1       PA2     Z2         PA3     Z3", "        PA4"});
  fwrite(out, "(6X,'  NO',1X,A,2X,A,2X,A,2X,A,4X,A,2X,A,4X,A,/)", {p, u.l3, p, u.l3, p, u.l3, p});
  for (int l = 0; l < exc; ++l) {
    const LayerForces& r = f.layers[static_cast<std::size_t>(l)];
    fwrite(out, "(6X,I2,3(1X,F10.2,1X,F6.2),1X,F10.2)",
           {l + 1, r.pa1, r.z1, r.pa2, r.z2, r.pa3, r.z3, r.pa4});
  }
  for (int l = 0; l < exc; ++l) {
    if (!f.layers[static_cast<std::size_t>(l)].no_compression_zone) continue;
    fwrite(out,
           "(/,6X,'**** WARNING ******',/,6X,'LAYER',I3,"
           "' IS IN TENSION THROUGHOUT (ITS STRESS DOES NOT GROW WITH DEPTH): PA4 = 0.')",
           {l + 1});
  }
  if (f.water_section) {
    write_banner(out, "*      ACTIVE WATER PRESSURE OF EACH LAYER       *");
    fwrite(out, "(/,6X,A,/,6X,A,/)",
           {" LAYER    PW1     Z1       PW2     Z2                ", "  NO             "});
    for (int l = 0; l < exc; ++l) {
      const LayerForces& r = f.layers[static_cast<std::size_t>(l)];
      if (!r.water_row) continue;
      fwrite(out, "(6X,I2,2(1X,F10.2,1X,F6.2))", {l + 1, -r.pw1, r.z1, -r.pw2, r.z2});
    }
  }
  if (f.net < kNetForceMin) {
    static constexpr const char* kNegative = "(/,/,5X,'Net active pressure is negative.',/)";
    fwrite(console, kNegative);
    fwrite(out, kNegative);
  }
}

}  // namespace veldra::engine::soil

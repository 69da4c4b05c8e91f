#include "engine/report/input_echo.h"

#include "engine/format/banner.h"
#include "engine/format/fortran_format.h"

#include <ostream>

namespace veldra::engine {

void write_control_parameters(std::ostream& out, const ProblemState& st) {
  const Controls& c = st.ctl;
  write_banner(out, "*        PROGRAM CONTROL PARAMETERS              *");
  out << '\n';
  fwrite(out, "(6X,'NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = ',I2)", {c.nbc});
  fwrite(out, "(6X,'NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = ',I2)", {c.nstif});
  fwrite(out, "(6X,'GENERATE EARTH PRESSURE INTERNALLY                 = ',I2)",
         {c.kep > 1 ? 1 : 0});
  fwrite(out, "(6X,'GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = ',I2)",
         {c.kpy == 2 ? 1 : 0});
  fwrite(out, "(6X,'NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = ',I2)", {c.npymod});
  fwrite(out, "(6X,'NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = ',I2)", {c.npyu});
}

void write_wall_properties(std::ostream& out, const ProblemState& st) {
  const std::string_view l3 = st.labels.l3;
  fwrite(out, "(6X,'NUMBER OF INCREMENTS                               = ',I3)", {st.n});
  fwrite(out, "(6X,'INCREMENT LENGTH                                   = ',F9.3,A3)",
         {st.h, l3});
  fwrite(out, "(6X,'FREE HEIGHT OF WALL                                = ',F9.3,A3)",
         {st.hfree, l3});
  fwrite(out, "(6X,'MAXIMUM ALLOWABLE DEFLECTION                       = ',F9.3,A3)",
         {st.dmax, l3});
  fwrite(out, "(6X,'DEFLECTION CLOSURE TOLERANCE                       = ',1P,E9.3,A3)",
         {st.tol, l3});
}

void write_restraints(std::ostream& out, const ProblemState& st) {
  if (st.ctl.nbc <= 0) {
    write_empty_section(out);
    return;
  }
  write_banner(out, "*        SPECIFIED DEFLECTIONS AND SLOPES        *");
  fwrite(out, "(/,5X,'     STA      CASE       DEFLECTION        SLOPE',/)");
  for (int r = 1; r <= st.ctl.nbc; ++r) {
    const Restraint& row = st.restraints[r];
    switch (row.code) {
      case 1:
        fwrite(out, "(10X,I3,7X,I2,8X,E10.3,9X,'NONE')", {row.station, row.code, row.deflection});
        break;
      case 2:
        fwrite(out, "(10X,I3,7X,I2,11X,'NONE',8X,E10.3)", {row.station, row.code, row.slope});
        break;
      default:
        fwrite(out, "(10X,I3,7X,I2,3X,2(5X,E10.3))",
               {row.station, row.code, row.deflection, row.slope});
        break;
    }
  }
}

void write_stiffness_heading(std::ostream& out, const UnitLabels& u) {
  write_banner(out, "*        STIFFNESS AND LOAD DATA                 *");
  fwrite(out,
         "(6X,'EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,',/,"
         "6X,'S - STIFFNESS OF TRANSVERSE RESISTANCE,',/,"
         "6X,'T - TORQUE,              P - AXIAL LOAD,',/,"
         "6X,'R - STIFFNESS OF TORSIONAL RESISTANCE.',/,/,"
         "'     FROM TO CONTD     EI         Q        S''        T         R         P',/)");
  fwrite(out, "(18X,A4,A1,A2,A2,A1,4X,A4,4X,A4,A1,A2,3X,A3,A1,A3,2X,A3,A1,A3,4X,A4)",
         {u.f4, u.dash, u.l2, u.power, u.two, u.f4, u.f4, u.slash, u.l2, u.l3, u.dash, u.f3,
          u.l3, u.dash, u.f3, u.f4});
}

void write_stiffness_row(std::ostream& out, int k, int first, int last, int continuation,
                         const RowValues& v) {
  const int c = continuation - 1;
  if (k == 2) {
    fwrite(out, "(5X,I4,4X,I3,1X,6E10.3)", {first, c, v[0], v[1], v[2], v[3], v[4], v[5]});
  } else if (k == 3 || k == 4) {
    fwrite(out, "(9X,I4,I3,1X,6E10.3)", {last, c, v[0], v[1], v[2], v[3], v[4], v[5]});
  } else {
    fwrite(out, "(5X,2I4,I3,1X,6E10.3)",
           {first, last, c, v[0], v[1], v[2], v[3], v[4], v[5]});
  }
}

void write_specified_pressure_banner(std::ostream& out) {
  write_banner(out, "*        SPECIFIED ACTIVE EARTH PRESSURE         *");
  out << '\n';
}

void write_pressure_heading(std::ostream& out, const UnitLabels& u) {
  fwrite(out,
         "(/,/,8X,' DEPTH         ACTIVE EARTH PRESSURE',/,8X,1X,A3,17X,A4,A1,A2,/,"
         "8X,'--------       ------------------------')",
         {u.l3, u.f4, u.slash, u.l2});
}

void write_pressure_point(std::ostream& out, double depth, double load) {
  fwrite(out, "(6X,E10.3,10X,E10.3)", {depth, load});
}

void write_user_curves_banner(std::ostream& out) {
  write_banner(out, "*     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *");
  out << '\n';
}

void write_user_curve(std::ostream& out, const UnitLabels& u, int k, int station, int flag,
                      double pm, double ym, int n, const double* y, const double* p) {
  fwrite(out,
         "(/,'     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER''      POINTS     ',/)");
  if (k == 2) {
    fwrite(out, "(/,5X,I4,4X,I3,5X,2E14.3,1(10X,I3))", {station, flag, pm, ym, n});
  } else if (k == 3 || k == 4) {
    fwrite(out, "(/,9X,I4,I3,5X,2E14.3,1(10X,I3))", {station, flag, pm, ym, n});
  } else {
    fwrite(out, "(/,5X,2I4,I3,5X,2E14.3,1(8X,I4))", {station, station, flag, pm, ym, n});
  }
  fwrite(out,
         "(/,/,18X,'    Y    ',12X,'   P    ',/,18X,2X,A3,16X,A4,A1,A2,/,"
         "18X,'---------',12X,'--------')",
         {u.l3, u.f4, u.slash, u.l2});
  for (int j = 0; j < n; ++j) fwrite(out, "(17X,E10.3,10X,E10.3)", {ym * y[j], pm * p[j]});
}

void write_empty_section(std::ostream& out) { fwrite(out, "(/,20X)"); }

}  // namespace veldra::engine

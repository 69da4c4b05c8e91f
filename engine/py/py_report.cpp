#include "engine/py/py_report.h"

#include "engine/format/fortran_format.h"
#include "engine/py/py_constants.h"
#include "engine/state/single_precision.h"

namespace veldra::engine::py {
namespace {

const char* type_text(int type) {
  switch (type) {
    case 2: return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
    case 3: return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
    case 4: return "THE SOIL IS A SAND";
    case 5: return "THE SOIL IS A SILT";
    case 6: return "THE LAYER IS ROCK";
    case 7: return "THE LAYER IS WEAK ROCK";
    default: return "THE SOIL IS A SOFT CLAY";  // generated as soft clay
  }
}

}  // namespace

void write_soil_layers(std::ostream& out, const UnitLabels& u, const PyModel& m) {
  fwrite(out,
         "(//6X,'**************************************************'/"
         "6X,'*        SOIL LAYERS AND STRENGTH DATA           *'/"
         "6X,'**************************************************'/)");
  fwrite(out, "(/9X,'X AT THE SURFACE OF EXCAVATION SIDE     = ',F10.2,A3)", {m.h_exc, u.l3});
  fwrite(out, "(/9X,I1,' LAYER(S) OF SOIL')", {m.npyl()});
  for (int j = 1; j <= m.npyl(); ++j) {
    fwrite(out, "(/9X,'LAYER',I3/9X,A)", {j, type_text(m.layers[j].type)});
  }

  fwrite(out,
         "(//9X,'DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH'/27X,I2,' POINTS'//"
         "21X,'X,',A2,3X,'WEIGHT,',A3,A1,A2,A2,A1)",
         {m.nw(), u.l2, u.f3, u.slash, u.l2, u.power, u.three});
  for (int i = 1; i <= m.nw(); ++i) {
    fwrite(out, "(10X,F15.4,G15.4)", {m.h_exc + m.w[i].x, m.w[i].gamma});
  }

  fwrite(out,
         "(//9X,'DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH'/27X,I2,' POINTS'//"
         "21X,'X,',A2,5X,'S,',A3,A1,A2,A2,A1,6X,'PHI,DEGREES',6X,'E50')",
         {m.ns(), u.l2, u.f3, u.slash, u.l2, u.power, u.two});
  for (int i = 1; i <= m.ns(); ++i) {
    const StrengthPoint& p = m.s[i];
    const double phi = p.phi * 180.0 / kPi;
    if (p.e50 <= kNoStrain) {
      fwrite(out, "(10X,F15.2,2X,G13.4,2X,F13.3,7X,'-----')", {m.h_exc + p.x, p.c, phi});
    } else {
      fwrite(out, "(10X,F15.2,2X,G13.4,2X,F13.3,G15.4)", {m.h_exc + p.x, p.c, phi, p.e50});
    }
  }
}

void write_reduction_factors(std::ostream& out, const PyModel& m) {
  if (m.nmods() == 0) return;
  fwrite(out,
         "(/9X,'REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS'/40X/"
         "7X,'      DEPTH     P-FACTOR     Y-FACTOR        '/)");
  for (int r = 1; r <= m.nmods(); ++r) {
    const PyModification& row = m.mods[r];
    fwrite(out, "(12X,F7.2,4X,F6.2,6X,F6.2)", {row.depth, row.p_factor, row.y_factor});
  }
}

void write_curves_heading(std::ostream& out) { fwrite(out, "(//8X,'P-Y CURVES DATA'/)"); }

}  // namespace veldra::engine::py

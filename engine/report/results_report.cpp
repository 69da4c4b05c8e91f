#include "engine/report/results_report.h"

#include "engine/format/fortran_format.h"
#include "engine/state/single_precision.h"

#include <cmath>
#include <ostream>

namespace veldra::engine {

void write_results(std::ostream& out, const ProblemState& st, const IterationOutcome& outcome,
                   const StationResults& derived) {
  const UnitLabels& u = st.labels;
  fwrite(out, "(/,/,5X,'RESULTS -- ITERATION',I3,/,5X,'--------------------')",
         {outcome.iterations});
  if (outcome.off_curve) fwrite(out, "(/,5X,'***** DEFLECTION OFF Q - W CURVES *****')");
  if (outcome.beyond_maximum > 0) {
    fwrite(out, "(/,5X,'***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***',I4,'  *** STATIONS *****')",
           {outcome.beyond_maximum});
  }
  if (outcome.not_closed > 0) {
    fwrite(out, "(/,5X,'***** SOLUTION NOT CLOSED WITHIN SPECIFIED''TOLERANCE *****')");
  }
  fwrite(out,
         "(/,'   STA I      X         DEFL.       SLOPE',"
         "'      MOMENT      SHEAR    NET REACT/STA    EI ')");
  fwrite(out, "(12X,A3,9X,A3,19X,A3,A1,A2,7X,A4,8X,A4,7X,A3,A1,A2,A2,A1)",
         {u.l3, u.l3, u.f3, u.dash, u.l2, u.f4, u.f4, u.f3, u.dash, u.l2, u.power, u.two});
  fwrite(out,
         "('   ------    ----        ----       -----',"
         "'      ------      ------    ---------    ----------')");
  for (int j = 0; j <= st.n; ++j) {
    const int i = station_index(j);
    const ResultRow& row = st.results[j + 1];
    fwrite(out, "(2X,I4,2X,E10.3,6E12.3)",
           {j, row.depth, row.deflection, derived[i].slope, row.moment, row.shear,
            row.reaction, st.F[i]});
  }
}

TiebackForce tieback_force(const ProblemState& st, const Tieback& t) {
  const double theta = t.angle_deg * kPi / 180.0;
  const double w = st.W[station_index(t.station)];
  TiebackForce f;
  f.hf = t.qt - w * t.st;
  f.af = f.hf / std::cos(theta);
  f.ft = st.ctl.units == 1 ? f.af * 12.0 * t.spacing / st.wt : f.af * t.spacing / st.wt;
  return f;
}

void write_tieback_results(std::ostream& out, const ProblemState& st) {
  const UnitLabels& u = st.labels;
  fwrite(out, "(/,/,5X,'TIE BACK RESULTS',/,5X,'----------------',/)");
  fwrite(out,
         "('     N     STA         X       ',"
         "' HOR.FORCE/STA.     FORCE/STA.     FORCE/TIE BACK')");
  fwrite(out, "(21X,A3,12X,A3,15X,A3,15X,A3)", {u.l3, u.f3, u.f3, u.f3});
  fwrite(out,
         "('   -----  -----    --------    ',"
         "' --------------   --------------   --------------')");
  for (int t = 1; t <= st.ctl.ntie; ++t) {
    const Tieback& tb = st.tiebacks[t];
    const TiebackForce f = tieback_force(st, tb);
    const double depth = st.ctl.units == 1 ? 12.0 * tb.depth : tb.depth;
    fwrite(out, "(1X,I5,2X,I5,2X,E12.3,3(2X,E15.4))", {t, tb.station, depth, f.hf, f.af, f.ft});
  }
}

}  // namespace veldra::engine

#include "app/program_data.h"

#include "app/main_model.h"
#include "app/main_tables.h"
#include "framework/units.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

// English to SI: exact inch and pound-force factors. SI to English: the inverse
// factors rounded to four decimals, so that a switch there and back does not return
// exactly the starting value (100 in becomes 100.000054 in).
constexpr EntryNumber kMetresPerInch = 0.0254L;
constexpr EntryNumber kKilonewtonsPerPound = 0.004448222468060650624L;
constexpr EntryNumber kInchesPerMetre = 39.3701L;
constexpr EntryNumber kPoundsPerKilonewton = 224.8089L;

const char* GatedTable(ApplyOption option) {
  switch (option) {
    case ApplyOption::kRestraints: return Restraints::kName;
    case ApplyOption::kConcentratedLoads: return ConcentratedLoads::kName;
    case ApplyOption::kSprings: return Springs::kName;
    case ApplyOption::kExternalPY: return PYCurveSets::kName;
    case ApplyOption::kEICurves: return MomentEICurveSets::kName;
    case ApplyOption::kPYModification: return PYModification::kName;
    case ApplyOption::kSurcharge: return Surcharges::kName;
    case ApplyOption::kTiebacks: return Tiebacks::kName;
  }
  return WallStiffness::kName;
}

void ResetTable(fw::TGridTable& table) {
  table.SetRowCount(0);
  table.SetRowCount(table.MinRows());
}

}  // namespace

UnitSwitchFactors ScalarUnitFactors(int from, int to) {
  if (from == fw::kEnglishUnits && to == fw::kSIUnits) return {kMetresPerInch, kKilonewtonsPerPound};
  if (from == fw::kSIUnits && to == fw::kEnglishUnits) return {kInchesPerMetre, kPoundsPerKilonewton};
  return {};
}

TProgramData::TProgramData(TMainModel& main) : main_(&main) {
  main.CloseChildWindows();
  SetUnits(fw::kEnglishUnits);
  main.ResetTables();
  main.SetModified(false);
  Has2013Records = true;
  Has2015Records = true;
}

fw::TGridTable& TProgramData::Table(std::string_view name) const { return main_->Table(name); }

void TProgramData::SetUnits(int code) {
  code = fw::ClampUnitSystem(code);
  const int from = UnitSystem;
  const UnitSwitchFactors f = ScalarUnitFactors(from, code);
  const EntryNumber L = f.length;
  const EntryNumber F = f.force;

  for (EntryNumber* length : {&IncrementLength, &MaxDeflection, &ClosureTolerance, &WallHeight,
                              &WaterDepthBackfill, &WaterDepthExcavation, &ActiveWidth, &PYWidth,
                              &LegacySurcharge.distance, &LegacySurcharge.strip_width}) {
    *length *= L;
  }
  UniformSurcharge *= F / (L * L);
  LegacySurcharge.strip_load *= F / (L * L);
  LegacySurcharge.point_load *= F;
  LegacySurcharge.line_load *= F / L;
  UnitSystem = code;

  for (const auto& [name, table] : main_->Tables().All()) table->SetUnits(code);
  if (main_->OnUnitsChanged) main_->OnUnitsChanged(code);

  // The magnitude column carries no units string: its unit depends on the row's
  // load type (lbs, lbs/in, lbs/in^2 or kN, kN/m, kN/m^2). It converts by the same
  // F and L as the scalars above, so that a strip load and the uniform surcharge of
  // the same pressure stay equal (1 lb/in^2 becomes 6.8947586 kN/m^2).
  fw::TGridTable& surcharges = Table(Surcharges::kName);
  for (int r = 0; r < surcharges.RowCount(); ++r) {
    EntryNumber factor = 1;
    switch (surcharges.Cell(Surcharges::kLoadType, r).AsInteger()) {
      case Surcharges::kPointLoad: factor = F; break;
      case Surcharges::kLineLoad: factor = F / L; break;
      case Surcharges::kStripLoad: factor = F / (L * L); break;
      default: break;
    }
    fw::TData magnitude = surcharges.Cell(Surcharges::kMagnitude, r);
    if (factor != 1) magnitude.SetFloat(magnitude.AsFloat() * factor);
  }
}

void TProgramData::SetEarthPressureOption(int option) {
  EarthPressureOption = option;
  UserPressure = option == 1;
}

bool TProgramData::ApplyOptionValue(ApplyOption option) const {
  switch (option) {
    case ApplyOption::kRestraints: return ApplyRestraints;
    case ApplyOption::kConcentratedLoads: return ApplyConcentratedLoads;
    case ApplyOption::kSprings: return ApplySprings;
    case ApplyOption::kExternalPY: return ApplyExternalPY;
    case ApplyOption::kEICurves: return ApplyEICurves;
    case ApplyOption::kPYModification: return ApplyPYModification;
    case ApplyOption::kSurcharge: return ApplySurcharge;
    case ApplyOption::kTiebacks: return ApplyTiebacks;
  }
  return false;
}

void TProgramData::SetApplyOption(ApplyOption option, bool on) {
  const bool was_on = ApplyOptionValue(option);
  switch (option) {
    case ApplyOption::kRestraints: ApplyRestraints = on; break;
    case ApplyOption::kConcentratedLoads: ApplyConcentratedLoads = on; break;
    case ApplyOption::kSprings: ApplySprings = on; break;
    case ApplyOption::kExternalPY: ApplyExternalPY = on; break;
    case ApplyOption::kEICurves: ApplyEICurves = on; break;
    case ApplyOption::kPYModification: ApplyPYModification = on; break;
    case ApplyOption::kSurcharge: ApplySurcharge = on; break;
    case ApplyOption::kTiebacks: ApplyTiebacks = on; break;
  }
  // The tieback rows survive the option, so that switching it on again restores them.
  if (was_on && !on && option != ApplyOption::kTiebacks) ResetTable(Table(GatedTable(option)));
}

void TProgramData::SetGeneratePY(bool on) {
  GeneratePY = on;
  if (on) return;
  // Without generated curves the engine has no earth pressure to generate and needs
  // the user's p-y curves.
  SetEarthPressureOption(1);
  SetApplyOption(ApplyOption::kSurcharge, false);
  SetApplyOption(ApplyOption::kTiebacks, false);
  SetApplyOption(ApplyOption::kExternalPY, true);
}

void TProgramData::DeriveControlValues() {
  // A table whose option is off is written with no rows; these four lose their rows
  // for good, also in an open table window.
  if (!ApplyConcentratedLoads) Table(ConcentratedLoads::kName).SetRowCount(0);
  if (!ApplyRestraints) Table(Restraints::kName).SetRowCount(0);
  if (!ApplyExternalPY) Table(PYCurveSets::kName).SetRowCount(0);
  if (!ApplyPYModification) Table(PYModification::kName).SetRowCount(0);

  if (UserPressure) {
    PressureCode = 1;
    PressureGenerated = false;
  } else {
    // Generated pressure (2, 3) only together with generated p-y curves.
    PressureCode = GeneratePY ? EarthPressureOption : 0;
  }
  PYCode = GeneratePY ? 2 : (ApplyExternalPY ? 1 : 0);
  EICurveSetCount = ApplyEICurves ? Table(MomentEICurveSets::kName).RowCount() : 0;
  TiebackCount = ApplyTiebacks ? Table(Tiebacks::kName).RowCount() : 0;

  // Interpolation needs a following row.
  fw::TGridTable& stiffness = Table(WallStiffness::kName);
  if (stiffness.RowCount() > 0) stiffness.Cell(WallStiffness::kContinuation, stiffness.RowCount() - 1).SetInteger(1);
}

}  // namespace veldra::app

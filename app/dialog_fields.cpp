#include "app/dialog_fields.h"

#include "framework/units.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

// Feet shown for inches, and square feet for square inches, in English units only.
struct Display {
  EntryNumber length = 1;
  EntryNumber area = 1;
};

Display DisplayOf(const TProgramData& problem) {
  if (problem.UnitSystem == fw::kEnglishUnits) return {12, 144};
  return {};
}

// The model's value becomes the edited field's value times `multiply`, divided by
// `divide`.
bool Assign(EntryNumber& target, const std::optional<EntryNumber>& field, EntryNumber multiply = 1,
            EntryNumber divide = 1) {
  if (!field) return false;
  const EntryNumber value = *field * multiply / divide;
  if (target == value) return false;
  target = value;
  return true;
}

}  // namespace

WallPropertiesFields ShownWallProperties(const TProgramData& p) {
  const Display d = DisplayOf(p);
  return {static_cast<EntryNumber>(p.Increments), p.IncrementLength, p.MaxDeflection, p.ClosureTolerance,
          p.WallHeight / d.length};
}

bool CommitWallProperties(TProgramData& p, const Edited<WallPropertiesFields>& f) {
  const Display d = DisplayOf(p);
  bool changed = false;
  if (f.increments) {
    const auto increments = static_cast<std::int32_t>(fw::RoundHalfEven(*f.increments));
    changed = p.Increments != increments;
    p.Increments = increments;
  }
  changed |= Assign(p.IncrementLength, f.increment_length);
  changed |= Assign(p.MaxDeflection, f.max_deflection);
  changed |= Assign(p.ClosureTolerance, f.closure_tolerance);
  changed |= Assign(p.WallHeight, f.free_height, d.length);
  return changed;
}

WallConfigurationFields ShownWallConfiguration(const TProgramData& p) {
  const Display d = DisplayOf(p);
  return {p.WallHeight / d.length,
          p.ActiveWidth,
          p.PYWidth,
          p.WaterDepthBackfill / d.length,
          p.WaterDepthExcavation / d.length,
          p.UniformSurcharge * d.area,
          p.BackfillSlope,
          p.ActiveFactor};
}

bool CommitWallConfiguration(TProgramData& p, const Edited<WallConfigurationFields>& f) {
  const Display d = DisplayOf(p);
  bool changed = false;
  changed |= Assign(p.WallHeight, f.free_height, d.length);
  changed |= Assign(p.ActiveWidth, f.active_width);
  changed |= Assign(p.PYWidth, f.py_width);
  changed |= Assign(p.WaterDepthBackfill, f.water_depth_backfill, d.length);
  changed |= Assign(p.WaterDepthExcavation, f.water_depth_excavation, d.length);
  changed |= Assign(p.ActiveFactor, f.active_factor);
  changed |= Assign(p.BackfillSlope, f.backfill_slope);
  changed |= Assign(p.UniformSurcharge, f.uniform_surcharge, 1, d.area);
  return changed;
}

bool PressureFieldsEnabled(const TProgramData& problem) { return problem.EarthPressureOption > 1; }

}  // namespace veldra::app

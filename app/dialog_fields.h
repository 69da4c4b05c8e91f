// The values the wall-properties and wall-configuration dialogs show, and how they
// go back into the problem. In English units the problem stores inches and pounds
// per square inch while the dialogs show feet and pounds per square foot; in the
// other unit systems the values are shown as stored.
//
// A field shows at most 18 significant digits, and a length shown in feet is a
// twelfth of the stored value: writing back what a field shows would change stored
// values the user never touched. So a commit takes only the fields the user edited.
#ifndef VELDRA_APP_DIALOG_FIELDS_H
#define VELDRA_APP_DIALOG_FIELDS_H

#include <optional>

#include "app/program_data.h"

namespace veldra::app {

struct WallPropertiesFields {
  EntryNumber increments = 0;        // whole number, 1 to 300
  EntryNumber increment_length = 0;  // in / m
  EntryNumber max_deflection = 0;    // in / m
  EntryNumber closure_tolerance = 0; // in / m
  EntryNumber free_height = 0;       // ft / m
};

struct WallConfigurationFields {
  EntryNumber free_height = 0;           // ft / m
  EntryNumber active_width = 0;          // in / m
  EntryNumber py_width = 0;              // in / m
  EntryNumber water_depth_backfill = 0;  // ft / m
  EntryNumber water_depth_excavation = 0;  // ft / m
  EntryNumber uniform_surcharge = 0;     // lbs/ft^2 / kN/m^2
  EntryNumber backfill_slope = 0;        // degrees
  EntryNumber active_factor = 0;         // pure number
};

// The fields the user edited: nullopt leaves the model's value as it is.
template <class Fields>
struct Edited;
template <>
struct Edited<WallPropertiesFields> {
  std::optional<EntryNumber> increments, increment_length, max_deflection, closure_tolerance, free_height;
};
template <>
struct Edited<WallConfigurationFields> {
  std::optional<EntryNumber> free_height, active_width, py_width, water_depth_backfill, water_depth_excavation,
      uniform_surcharge, backfill_slope, active_factor;
};

WallPropertiesFields ShownWallProperties(const TProgramData& problem);
// Increments is rounded to a whole number. Returns true when a value changed.
bool CommitWallProperties(TProgramData& problem, const Edited<WallPropertiesFields>& fields);

WallConfigurationFields ShownWallConfiguration(const TProgramData& problem);
bool CommitWallConfiguration(TProgramData& problem, const Edited<WallConfigurationFields>& fields);

// Whether the surcharge, backfill-slope and factor fields of the wall-configuration
// dialog take entries: only with a generated earth pressure.
bool PressureFieldsEnabled(const TProgramData& problem);

}  // namespace veldra::app

#endif  // VELDRA_APP_DIALOG_FIELDS_H

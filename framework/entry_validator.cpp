#include "framework/entry_validator.h"

#include <string_view>

#include "framework/entry_evaluator.h"
#include "framework/exceptions.h"
#include "framework/units.h"

namespace veldra::framework {

EntryValidator::EntryValidator() = default;

void EntryValidator::SetText(std::string text) { text_ = std::move(text); }

EntryNumber EntryValidator::Number() const { return EvaluateEntry(text_); }

void EntryValidator::ShowNumber(EntryNumber value) {
  text_ = FormatEntry(value, hex_);
  if (OnTextChanged) OnTextChanged();
}

void EntryValidator::SetNumber(EntryNumber value) {
  if (!loading_) {
    if (value < min_) value = min_;
    if (value > max_) value = max_;
  }
  ShowNumber(value);
}

EntryNumber EntryValidator::ClampInteger(EntryNumber value) const {
  if (!integer_only_) return value;
  if (value < kInt32Min) return kInt32Min;
  if (value > kInt32Max) return kInt32Max;
  return value;
}

// The limit setters adjust the number only when the current text has a value: a
// field whose text is not (yet) a valid entry keeps it for the next validation.
bool EntryValidator::CurrentNumber(EntryNumber& value) const {
  try {
    value = Number();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

void EntryValidator::SetMaxVal(EntryNumber value) {
  if (loading_) {
    max_ = value;
    return;
  }
  if (value < min_) value = min_;
  max_ = ClampInteger(value);
  EntryNumber current;
  if (CurrentNumber(current) && current > max_) SetNumber(max_);
}

void EntryValidator::SetMinVal(EntryNumber value) {
  if (loading_) {
    min_ = value;
    return;
  }
  if (value > max_) value = max_;
  min_ = ClampInteger(value);
  EntryNumber current;
  if (CurrentNumber(current) && min_ > current) SetNumber(min_);
}

void EntryValidator::SetIntegerOnly(bool on) {
  integer_only_ = on;
  if (on && !loading_) {
    SetMaxVal(max_);
    SetMinVal(min_);
  }
}

void EntryValidator::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  LabelChanged();
}

void EntryValidator::SetUnitsString(std::string units) {
  units_string_ = std::move(units);
  LabelChanged();
}

void EntryValidator::SetUnits(int system) {
  units_ = ClampUnitSystem(system);
  LabelChanged();
}

void EntryValidator::SetEnabled(bool enabled) {
  enabled_ = enabled;
  LabelChanged();
}

void EntryValidator::LabelChanged() {
  if (OnLabelChanged) OnLabelChanged();
}

std::string EntryValidator::LabelText() const {
  if (units_string_.empty()) return caption_;
  return caption_ + " (" + DataEditUnitsLabel(units_string_, units_) + ")";
}

EntryValidator::Result EntryValidator::Validate() {
  valid_ = false;
  try {
    const EntryNumber value = EvaluateEntry(text_);
    if (integer_only_ && !IsWhole(value)) throw EIntError(kMustBeInteger);
    if (value < min_) throw EMinError(kMustBeAtLeast + FormatEntry(min_, false));
    if (!(value <= max_)) throw EMaxError(kMustBeAtMost + FormatEntry(max_, false));
    ShowNumber(value);
    valid_ = true;
    return {true, {}};
  } catch (const EAssignError& error) {
    return {false, integer_only_ ? kMustBeValidInteger : error.what()};
  } catch (const EIntError& error) {
    return {false, error.what()};
  } catch (const EMinError& error) {
    SetNumber(min_);
    return {false, error.what()};
  } catch (const EMaxError& error) {
    SetNumber(max_);
    return {false, error.what()};
  }
}

bool EntryValidator::KeyAppendsToSelection(char key) {
  return std::string_view("+-/*^=%!").find(key) != std::string_view::npos;
}

}  // namespace veldra::framework

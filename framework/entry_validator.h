// The non-visual state and validation of a numeric entry field (TDataEdit).
//
// The field widget owns one EntryValidator, forwards its property setters here, sets
// the text the user typed with SetText, calls Validate when the field loses the focus
// or Enter is pressed, and shows the returned message in an information box (keeping
// the focus) when it is not empty. The hooks tell the widget when the text or the
// label must be redrawn.
#ifndef VELDRA_FRAMEWORK_ENTRY_VALIDATOR_H
#define VELDRA_FRAMEWORK_ENTRY_VALIDATOR_H

#include <functional>
#include <string>

#include "framework/entry_number.h"

namespace veldra::framework {

inline constexpr const char* kMustBeValidInteger = "Entry must be a valid integer.";
inline constexpr const char* kMustBeInteger = "Entry must be an integer.";
inline constexpr const char* kMustBeAtLeast = "Entry must be greater than or equal to ";
inline constexpr const char* kMustBeAtMost = "Entry must be less than or equal to ";

class EntryValidator {
 public:
  // Outcome of a validation: valid, or the message to show.
  struct Result {
    bool valid = false;
    std::string message;
  };

  EntryValidator();

  // The text of the field, as typed. Setting it does not validate.
  const std::string& Text() const { return text_; }
  void SetText(std::string text);

  // The value of the current text (evaluates it: throws EAssignError or an EMathError
  // for a text that is not a valid entry).
  EntryNumber Number() const;
  // Clamps to MinVal..MaxVal (unless loading) and shows the value formatted with Hex.
  void SetNumber(EntryNumber value);

  bool IntegerOnly() const { return integer_only_; }
  void SetIntegerOnly(bool on);  // switching on re-applies the limits' integer clamping
  bool Hex() const { return hex_; }
  void SetHex(bool on) { hex_ = on; }
  EntryNumber MinVal() const { return min_; }
  void SetMinVal(EntryNumber value);  // lowered to MaxVal; may raise Number to it
  EntryNumber MaxVal() const { return max_; }
  void SetMaxVal(EntryNumber value);  // raised to MinVal; may lower Number to it

  // While loading from a stored description, limits and number are kept as read.
  void SetLoading(bool loading) { loading_ = loading; }

  // Label: Caption, plus " (units label)" when UnitsString is not empty; in system 3
  // the units string itself is shown.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const std::string& UnitsString() const { return units_string_; }
  void SetUnitsString(std::string units);
  int Units() const { return units_; }
  void SetUnits(int system);  // clamped to 1..3; relabels only, never converts
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);  // the label is enabled exactly when the field is
  std::string LabelText() const;

  // Valid flag: true after the last validation succeeded.
  bool Valid() const { return valid_; }

  // Evaluates and checks the text. On success the text becomes the formatted value
  // (2*3 shows 6) and Valid is set. On an entry failure Valid stays false, the result
  // carries the message and, for a limit failure, Number is first set to that limit.
  // Arithmetic faults (EMathError) and other failures propagate unchanged.
  Result Validate();
  // ValidateEntry of the widget: validates and returns the Valid flag.
  bool ValidateEntry() { return Validate().valid; }

  // Typing one of + - / * ^ = % ! over a wholly selected text moves the caret to the
  // end first, so that *2 over a selected 6 gives 6*2.
  static bool KeyAppendsToSelection(char key);

  std::function<void()> OnTextChanged;   // Text changed from here (format, clamp)
  std::function<void()> OnLabelChanged;  // LabelText or the label's enabled state changed

 private:
  void ShowNumber(EntryNumber value);
  void LabelChanged();
  EntryNumber ClampInteger(EntryNumber value) const;
  bool CurrentNumber(EntryNumber& value) const;

  std::string text_ = "0";
  bool integer_only_ = false;
  bool hex_ = false;
  EntryNumber min_ = -kEntryMax;
  EntryNumber max_ = kEntryMax;
  bool loading_ = false;
  std::string caption_;
  std::string units_string_;
  int units_ = 1;
  bool enabled_ = true;
  bool valid_ = false;
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_ENTRY_VALIDATOR_H

// Validation of a numeric entry field and its label.
#include "framework/entry_validator.h"

#include <gtest/gtest.h>

#include "framework/exceptions.h"

namespace veldra::framework {
namespace {

// An integer field with limits 1 to 300, as the dialogs use for counts.
class IntegerField : public ::testing::Test {
 protected:
  void SetUp() override {
    field.SetIntegerOnly(true);
    field.SetMinVal(1);
    field.SetMaxVal(300);
  }
  EntryValidator field;
};

struct FieldCase {
  const char* entry;
  bool valid;
  const char* message;
  const char* text_after;
};

TEST_F(IntegerField, EntriesAndMessages) {
  const FieldCase cases[] = {
      {"80.5", false, "Entry must be an integer.", "80.5"},
      {"400", false, "Entry must be less than or equal to 300", "300"},
      {"0", false, "Entry must be greater than or equal to 1", "1"},
      {"abc", false, "Entry must be a valid integer.", "abc"},
      {"2*3", true, "", "6"},
      {"300", true, "", "300"},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.entry);
    field.SetText(c.entry);
    const EntryValidator::Result result = field.Validate();
    EXPECT_EQ(result.valid, c.valid);
    EXPECT_EQ(field.Valid(), c.valid);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(field.Text(), c.text_after);
  }
}

TEST(EntryValidator, NonIntegerFieldShowsTheEvaluatorMessage) {
  EntryValidator field;
  field.SetText("abc");
  EXPECT_EQ(field.Validate().message, "Entry could not be evaluated:\rinvalid character(s) in expression");
  EXPECT_FALSE(field.ValidateEntry());
  field.SetText("1/4");
  EXPECT_TRUE(field.ValidateEntry());
  EXPECT_EQ(field.Text(), "0.25");
}

TEST(EntryValidator, ArithmeticFaultPassesThrough) {
  EntryValidator field;
  field.SetText("1/0");
  EXPECT_THROW(field.Validate(), EZeroDivide);
  EXPECT_FALSE(field.Valid());
}

TEST(EntryValidator, HexFieldShowsHexadecimal) {
  EntryValidator field;
  field.SetHex(true);
  field.SetText("255");
  EXPECT_TRUE(field.ValidateEntry());
  EXPECT_EQ(field.Text(), "$00FF");
  EXPECT_EQ(field.Number(), 255);
}

TEST(EntryValidator, LimitSettersClampAndMoveTheNumber) {
  EntryValidator field;
  field.SetNumber(50);
  field.SetMaxVal(10);
  EXPECT_EQ(field.Text(), "10");
  field.SetMinVal(20);  // above MaxVal: lowered to it
  EXPECT_EQ(field.MinVal(), 10);
  field.SetMaxVal(5);  // below MinVal: raised to it
  EXPECT_EQ(field.MaxVal(), 10);
  field.SetNumber(-3);
  EXPECT_EQ(field.Text(), "10");

  EntryValidator integer;
  integer.SetIntegerOnly(true);
  EXPECT_EQ(integer.MaxVal(), 2147483647);
  EXPECT_EQ(integer.MinVal(), -2147483648.0L);
}

TEST(EntryValidator, LoadingKeepsValuesAsRead) {
  EntryValidator field;
  field.SetMaxVal(10);
  field.SetLoading(true);
  field.SetNumber(50);
  field.SetMinVal(20);
  field.SetLoading(false);
  EXPECT_EQ(field.Text(), "50");
  EXPECT_EQ(field.MinVal(), 20);
}

TEST(EntryValidator, LabelFollowsCaptionUnitsAndSystem) {
  EntryValidator field;
  int label_changes = 0;
  field.OnLabelChanged = [&] { ++label_changes; };
  field.SetCaption("Increment Length");
  EXPECT_EQ(field.LabelText(), "Increment Length");
  field.SetUnitsString("L");
  EXPECT_EQ(field.LabelText(), "Increment Length (in)");
  field.SetUnits(2);
  EXPECT_EQ(field.LabelText(), "Increment Length (m)");
  field.SetUnitsString("L2");
  field.SetUnits(7);
  EXPECT_EQ(field.Units(), 3);
  EXPECT_EQ(field.LabelText(), "Increment Length (L2)");
  field.SetUnits(0);
  EXPECT_EQ(field.Units(), 1);
  EXPECT_EQ(label_changes, 6);
}

TEST(EntryValidator, OperatorKeysAppendToASelectedValue) {
  for (char key : std::string("+-/*^=%!")) EXPECT_TRUE(EntryValidator::KeyAppendsToSelection(key));
  for (char key : std::string("0a.(e")) EXPECT_FALSE(EntryValidator::KeyAppendsToSelection(key));
}

}  // namespace
}  // namespace veldra::framework

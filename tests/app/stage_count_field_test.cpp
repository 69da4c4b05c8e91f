// The stage-count field of the staged-construction dialog: its check box and arrows.
#include "app/run/stage_count_field.h"

#include <gtest/gtest.h>

namespace veldra::app::test {
namespace {

TEST(StageCountField, CheckBoxAndArrowsKeepTheCountWithinItsRange) {
  StageCountField field;
  field.Show(1);
  EXPECT_FALSE(field.Ticked());
  EXPECT_FALSE(field.CanStepUp());
  field.SetTicked(true);
  EXPECT_EQ(field.Value(), 2);
  EXPECT_TRUE(field.Enabled());
  // The down arrow stops at 2: one stage is chosen with the check box.
  EXPECT_FALSE(field.CanStepDown());
  field.StepDown();
  EXPECT_EQ(field.Value(), 2);
  for (int i = 0; i < 5; ++i) field.StepUp();
  EXPECT_EQ(field.Value(), 5);
  field.StepDown();
  EXPECT_EQ(field.Value(), 4);
  // Ticking again keeps a count above 1.
  field.SetTicked(true);
  EXPECT_EQ(field.Value(), 4);
  field.SetTicked(false);
  EXPECT_EQ(field.Value(), 1);
  EXPECT_FALSE(field.Enabled());

  field.Show(3);
  EXPECT_TRUE(field.Ticked());
  EXPECT_EQ(field.Value(), 3);
  field.SetValue(9);
  EXPECT_EQ(field.Value(), 5);
}

}  // namespace
}  // namespace veldra::app::test

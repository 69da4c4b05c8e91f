// What the Stage menu, the stage buttons, the status bar and the staged-construction
// dialog's field show.
#include "app/run/stage_controls.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/main_model.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

using Flags = std::array<bool, 5>;

TEST(StageControls, FollowTheStageCountAndTheCurrentStage) {
  struct Case {
    int count, current;
    bool long_term;
    Flags available;
    bool copy;
    std::string status;
  };
  const Case cases[] = {
      {1, 1, false, {false, false, false, false, false}, false, ""},
      {1, 1, true, {false, false, false, false, false}, false, ""},
      {2, 1, false, {true, true, false, false, false}, false, "Construction Stage Number: 1"},
      {3, 3, false, {true, true, true, false, false}, true, "Construction Stage Number: 3"},
      {5, 2, false, {true, true, true, true, true}, true, "Construction Stage Number: 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " stages, stage " + std::to_string(c.current));
    TMainModel model;
    TProgramData& p = model.Problem();
    p.StageCount = c.count;
    p.CurrentStage = c.current;
    p.LongTermMode = c.long_term;
    const StageControls s = StageControlsOf(p);
    const bool staged = c.count > 1;
    EXPECT_EQ(s.menu_visible, staged);
    EXPECT_EQ(s.buttons_visible, staged);
    EXPECT_EQ(s.item_enabled, c.available);
    EXPECT_EQ(s.button_enabled, c.available);
    EXPECT_EQ(s.update_enabled, staged);
    EXPECT_EQ(s.copy_enabled, c.copy);
    EXPECT_EQ(s.current, staged ? c.current : 0);
    EXPECT_EQ(s.status_text, c.status);
    // Staged problems and short-term/long-term pairs exclude each other.
    EXPECT_EQ(s.staged_command_enabled, !c.long_term);
    EXPECT_EQ(s.staged_command_ticked, staged);
    EXPECT_EQ(s.long_term_command_enabled, !staged);
  }
}

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

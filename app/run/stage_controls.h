// What the stage commands of the main window show for the current problem: the
// Stage menu, the five stage buttons, the status-bar text, and the two commands that
// exclude each other (staged construction, and short-term with long-term analyses).
// The window applies these states; the rules live here so that they are tested
// without widgets.
#ifndef VELDRA_APP_RUN_STAGE_CONTROLS_H
#define VELDRA_APP_RUN_STAGE_CONTROLS_H

#include <array>
#include <string>

#include "app/program_data.h"
#include "app/stage_files.h"

namespace veldra::app {

struct StageControls {
  bool menu_visible = false;                   // the "&Stage Construction" menu
  std::array<bool, kMaxStages> item_enabled{};  // "Stage &1" to "Stage &5"
  bool update_enabled = false;                 // "Update &Current Stage" (hidden item)
  bool copy_enabled = false;                   // "Copy &Previous Stage"
  bool buttons_visible = false;                // "Stage Const. 1" to "Stage Const. 5"
  std::array<bool, kMaxStages> button_enabled{};
  int current = 0;                             // ticked item and button down, 1-based; 0 none
  std::string status_text;                     // the status bar
  bool staged_command_enabled = false;         // "Conduct &Staged-Construction Analysis..." and its button
  bool staged_command_ticked = false;
  bool long_term_command_enabled = false;      // "Conduct Short-Term and Long-Term &Analyses"
};

StageControls StageControlsOf(const TProgramData& problem);

// The field of the staged-construction dialog that holds the number of stages, with
// its check box and arrows. Values are whole numbers from 1 to 5; a problem is
// staged from 2 stages on.
class StageCountField {
 public:
  // When the dialog activates: the problem's stage count; ticked and enabled when
  // it is above 1.
  void Show(int stage_count);
  // Ticking turns 1 into 2 and enables the field; clearing sets 1 and disables it.
  void SetTicked(bool ticked);
  // A typed value, brought within 1 to 5.
  void SetValue(int value);
  // The arrows: up while below 5, down while above 2.
  void StepUp();
  void StepDown();
  bool CanStepUp() const { return enabled_ && value_ < kMaxStages; }
  bool CanStepDown() const { return enabled_ && value_ > 2; }

  int Value() const { return value_; }
  bool Ticked() const { return enabled_; }
  bool Enabled() const { return enabled_; }

 private:
  int value_ = 2;
  bool enabled_ = true;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_RUN_STAGE_CONTROLS_H

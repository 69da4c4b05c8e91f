#include "app/run/stage_controls.h"

#include <algorithm>

#include "app/staged_construction.h"

namespace veldra::app {

StageControls StageControlsOf(const TProgramData& problem) {
  StageControls controls;
  const bool staged = problem.StageCount > 1;
  controls.menu_visible = staged;
  controls.buttons_visible = staged;
  for (int k = 1; k <= kMaxStages; ++k) {
    const bool available = staged && k <= problem.StageCount;
    controls.item_enabled[static_cast<std::size_t>(k - 1)] = available;
    controls.button_enabled[static_cast<std::size_t>(k - 1)] = available;
  }
  controls.update_enabled = staged;
  controls.copy_enabled = staged && problem.CurrentStage > 1;
  controls.current = staged ? problem.CurrentStage : 0;
  controls.status_text = StageStatusText(problem);
  controls.staged_command_enabled = !problem.LongTermMode;
  controls.staged_command_ticked = staged;
  controls.long_term_command_enabled = problem.StageCount == 1;
  return controls;
}

void StageCountField::Show(int stage_count) {
  value_ = std::clamp(stage_count, 1, kMaxStages);
  enabled_ = value_ > 1;
}

void StageCountField::SetTicked(bool ticked) {
  if (ticked) {
    if (value_ == 1) value_ = 2;
    enabled_ = true;
  } else {
    value_ = 1;
    enabled_ = false;
  }
}

void StageCountField::SetValue(int value) { value_ = std::clamp(value, 1, kMaxStages); }

void StageCountField::StepUp() {
  if (CanStepUp()) ++value_;
}

void StageCountField::StepDown() {
  if (CanStepDown()) --value_;
}

}  // namespace veldra::app

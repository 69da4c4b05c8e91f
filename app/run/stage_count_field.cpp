#include "app/run/stage_count_field.h"

#include <algorithm>

namespace veldra::app {

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

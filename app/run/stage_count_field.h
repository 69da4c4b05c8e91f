// The field of the "Staged Construction Options" dialog that holds the number of
// stages, with its check box and arrows, without widgets.
#ifndef VELDRA_APP_RUN_STAGE_COUNT_FIELD_H
#define VELDRA_APP_RUN_STAGE_COUNT_FIELD_H

#include "app/stage_files.h"

namespace veldra::app {

// Values are whole numbers from 1 to 5; a problem is staged from 2 stages on.
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

#endif  // VELDRA_APP_RUN_STAGE_COUNT_FIELD_H

// Staged construction: editing one stage at a time in the ordinary problem and
// tables, with every stage kept in its stage file (see stage_files.h). These are the
// operations behind the Stage menu, the stage buttons and the "Staged Construction
// Options" dialog; the windows show the messages and texts.
//
// File-system failures throw framework::EFileError. A stage file that is missing when its stage
// is loaded leaves the model unchanged (the stage takes over the data shown before);
// a stage file that stops on a format error is reported in the returned result.
#ifndef VELDRA_APP_STAGED_CONSTRUCTION_H
#define VELDRA_APP_STAGED_CONSTRUCTION_H

#include <string>
#include <vector>

#include "app/data_file_loader.h"
#include "app/main_model.h"

namespace veldra::app {

// A stage whose reading stopped on a format error, or whose records the problem
// could not keep as they stand.
struct StageReadIssue {
  int stage = 0;  // 1 to 5; 0: the staged file as a whole
  // The format error's message; empty when the stage was read whole.
  std::string message;
  // What the stage could not keep (see LoadResult).
  std::vector<UnrepresentedRecord> unrepresented;
};

// "Construction Stage Number: " and CurrentStage, or empty for an unstaged problem.
std::string StageStatusText(const TProgramData& problem);

// Writes the current data as the stage file of CurrentStage (StageFileName set to
// it), deriving the control values as a save does; clears the modified state.
void WriteCurrentStage(TProgramData& problem);

// Reads the stage file of CurrentStage (StageFileName set to it) when it exists;
// `first_line` numbers its first line (see ReadStageFile).
LoadResult LoadCurrentStage(TProgramData& problem, int first_line = 1);

// Shows stage k: writes the current stage, loads stage k, and keeps the modified
// state as it was. Nothing happens when k is the current stage or not a stage.
LoadResult SwitchToStage(TMainModel& model, int stage);

// "Update Current Stage": writes the current stage, keeping the modified state.
void UpdateCurrentStage(TMainModel& model);

// "Copy Previous Stage" (after the user confirmed): the stage before the current one
// is loaded and written as the current stage. The modified state is then clear.
LoadResult CopyPreviousStage(TMainModel& model);

// "OK" of the staged-construction dialog with the new number of stages (1 to 5).
// Going to or from one stage, or to fewer stages, shows stage 1. One stage deletes
// the stage files; a changed count rewrites every stage file (a new stage starts as
// a copy of the one before it), deletes those above the count, reloads the current
// stage and sets the modified state.
std::vector<StageReadIssue> ApplyStageCount(TMainModel& model, int stage_count);

// After the split of a file opened in an older format: every stage file is read by
// that format's records and written in the current format; then stage 1 is shown.
// Nothing happens for the current format. `first_lines` holds the line in the
// opened file on which each stage starts (SplitCombinedFile), for the messages.
std::vector<StageReadIssue> ConvertOlderStages(TMainModel& model, int format_code,
                                               const std::vector<int>& first_lines = {});

}  // namespace veldra::app

#endif  // VELDRA_APP_STAGED_CONSTRUCTION_H

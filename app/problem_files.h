// Opening and saving the current problem, without the dialogs: what File Open, Save
// and Save As do to the files once the user has chosen a name.
//
// File-system failures throw framework::EFileError; a save never leaves a half-written file.
#ifndef VELDRA_APP_PROBLEM_FILES_H
#define VELDRA_APP_PROBLEM_FILES_H

#include <filesystem>
#include <vector>

#include "app/data_file_loader.h"
#include "app/main_model.h"
#include "app/staged_construction.h"

namespace veldra::app {

struct OpenResult {
  LoadResult load;  // the data file's first (or only) problem
  // The stages after the first that stopped on a format error or that the problem
  // cannot keep as they stand (lines are those of the opened file), and a staged
  // file that holds fewer stages than it declares (stage 0).
  std::vector<StageReadIssue> stage_issues;

  // Every record of the file that the problem cannot keep, stage by stage.
  std::vector<UnrepresentedRecord> Unrepresented() const;
};

// The message of a staged file that holds fewer stages than its control record
// declares.
std::string MissingStagesMessage(int declared, int found);

// Loads the file with the format code (the open dialog's filter, or
// FormatFromExtension). A staged file is then split into its stage files, every
// stage is read to check it, and a file of an older format has every stage
// converted to the current format; stage 1 is shown.
OpenResult OpenProblem(TMainModel& model, const std::filesystem::path& file, int format_code);

// True when Save must ask for a name: the problem was never saved, or its file is
// not of the current format (".vd5d"), which Save never overwrites. (A file whose
// records the problem could not keep is the window's to guard: it has shown the
// warning of OpenResult::Unrepresented and asks before the first Save over it.)
bool NeedsSaveAs(const TProgramData& problem);

// Save under FileName (the caller has checked NeedsSaveAs): a single-stage problem
// is written by WriteDataFile; a staged one writes its current stage and then the
// combined file from the stage files.
void SaveProblem(TMainModel& model);

// Save As: FileName becomes `file`. A staged problem writes its current stage, joins
// the stage files of the previous name into the new file and renames them to the new
// name.
void SaveProblemAs(TMainModel& model, const std::filesystem::path& file);

}  // namespace veldra::app

#endif  // VELDRA_APP_PROBLEM_FILES_H

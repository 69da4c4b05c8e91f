#include "app/problem_files.h"

#include <algorithm>
#include <cctype>

#include "app/data_file_writer.h"
#include "app/stage_files.h"

namespace veldra::app {

namespace fs = std::filesystem;

OpenResult OpenProblem(TMainModel& model, const fs::path& file, int format_code) {
  OpenResult result;
  result.load = LoadDataFile(model, file, format_code);
  TProgramData& problem = model.Problem();
  if (problem.StageCount > 1) {
    SplitCombinedFile(problem.FileName, problem.StageCount);
    result.stage_issues = ConvertOlderStages(model, format_code);
  }
  return result;
}

bool NeedsSaveAs(const TProgramData& problem) {
  if (problem.FileName == kNewFileName) return true;
  std::string extension = fs::path(problem.FileName).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension != ".vd5d";
}

void SaveProblem(TMainModel& model) {
  TProgramData& problem = model.Problem();
  if (problem.StageCount > 1) WriteCurrentStage(problem);
  problem.SaveFileName = problem.FileName;
  if (problem.StageCount < 2) {
    WriteDataFile(problem);
  } else {
    CombineStageFiles(problem.FileName, problem.FileName, problem.StageCount);
  }
}

void SaveProblemAs(TMainModel& model, const fs::path& file) {
  TProgramData& problem = model.Problem();
  const std::string previous = problem.FileName;
  if (problem.StageCount < 2) {
    problem.FileName = file.string();
    try {
      WriteDataFile(problem);
    } catch (...) {
      problem.FileName = previous;  // the problem still lives where it was
      throw;
    }
    return;
  }
  // The shown stage's edits belong in the new file too.
  WriteCurrentStage(problem);
  CombineStageFiles(file, previous, problem.StageCount);
  RenameStageFiles(previous, file, problem.StageCount);
  problem.PreviousFileName = previous;
  problem.FileName = file.string();
  problem.SaveFileName = problem.FileName;
}

}  // namespace veldra::app

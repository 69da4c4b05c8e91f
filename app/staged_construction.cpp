#include "app/staged_construction.h"

#include <algorithm>
#include <system_error>

#include "app/data_file_writer.h"
#include "app/stage_files.h"

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

void Collect(std::vector<StageReadIssue>& issues, int stage, const LoadResult& result) {
  if (!result.complete || !result.Representable())
    issues.push_back({stage, result.complete ? std::string() : result.message, result.unrepresented});
}

int FirstLine(const std::vector<int>& first_lines, int stage) {
  return stage >= 1 && stage <= static_cast<int>(first_lines.size()) ? first_lines[static_cast<std::size_t>(stage - 1)]
                                                                     : 1;
}

}  // namespace

std::string StageStatusText(const TProgramData& problem) {
  if (problem.StageCount <= 1) return {};
  return "Construction Stage Number: " + std::to_string(problem.CurrentStage);
}

void WriteCurrentStage(TProgramData& problem) {
  problem.StageFileName = StageFilePath(problem.FileName, problem.CurrentStage).string();
  WriteStageFile(problem);
}

LoadResult LoadCurrentStage(TProgramData& problem, int first_line) {
  problem.StageFileName = StageFilePath(problem.FileName, problem.CurrentStage).string();
  std::error_code ec;
  if (!fs::exists(problem.StageFileName, ec)) return {};
  return ReadStageFile(problem, problem.StageFileName, first_line);
}

LoadResult SwitchToStage(TMainModel& model, int stage) {
  TProgramData& problem = model.Problem();
  if (stage == problem.CurrentStage || stage < 1 || stage > problem.StageCount) return {};
  const bool modified = model.IsModified();
  WriteCurrentStage(problem);
  problem.CurrentStage = stage;
  const LoadResult result = LoadCurrentStage(problem);
  model.SetModified(modified);
  return result;
}

void UpdateCurrentStage(TMainModel& model) {
  const bool modified = model.IsModified();
  WriteCurrentStage(model.Problem());
  model.SetModified(modified);
}

LoadResult CopyPreviousStage(TMainModel& model) {
  TProgramData& problem = model.Problem();
  const int stage = problem.CurrentStage;
  if (stage <= 1) return {};
  problem.CurrentStage = stage - 1;
  const LoadResult result = LoadCurrentStage(problem);
  problem.CurrentStage = stage;
  WriteCurrentStage(problem);
  return result;
}

std::vector<StageReadIssue> ApplyStageCount(TMainModel& model, int stage_count) {
  TProgramData& problem = model.Problem();
  const int old_count = problem.StageCount;
  const int new_count = std::clamp(stage_count, 1, kMaxStages);
  problem.StageCount = new_count;
  if (new_count == 1 || old_count == 1 || new_count < old_count) problem.CurrentStage = 1;

  std::vector<StageReadIssue> issues;
  if (new_count == 1) {
    DeleteStageFiles(problem.FileName);
    return issues;
  }
  if (new_count == old_count) return issues;

  const int current = problem.CurrentStage;
  for (int n = 1; n <= new_count; ++n) {
    problem.CurrentStage = n;
    Collect(issues, n, LoadCurrentStage(problem));
    problem.StageCount = new_count;  // a stage file brings its own count
    WriteCurrentStage(problem);
  }
  problem.CurrentStage = current;
  Collect(issues, current, LoadCurrentStage(problem));
  model.SetModified(true);
  DeleteStageFiles(problem.FileName, new_count + 1);
  return issues;
}

std::vector<StageReadIssue> ConvertOlderStages(TMainModel& model, int format_code,
                                               const std::vector<int>& first_lines) {
  std::vector<StageReadIssue> issues;
  if (format_code == kFormatCurrent) return issues;
  TProgramData& problem = model.Problem();
  const int stages = problem.StageCount;
  for (int n = 1; n <= stages; ++n) {
    problem.CurrentStage = n;
    // The split stage files hold the records of the format the file was opened in.
    problem.Has2013Records = format_code == kFormat2013;
    problem.Has2015Records = false;
    Collect(issues, n, LoadCurrentStage(problem, FirstLine(first_lines, n)));
    WriteCurrentStage(problem);
  }
  problem.Has2013Records = true;
  problem.Has2015Records = true;
  problem.CurrentStage = 1;
  // Stage 1 is now in the current format, written here: its lines are its own.
  const LoadResult shown = LoadCurrentStage(problem);
  if (!shown.complete) issues.push_back({1, shown.message, {}});
  return issues;
}

}  // namespace veldra::app

#include "app/problem_files.h"

#include <algorithm>
#include <cctype>

#include "app/data_file_writer.h"
#include "app/stage_files.h"
#include "app/word_reader.h"

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

// Reads every stage after the first of a split file of the current format for what
// it holds, then shows stage 1 again as it was loaded.
std::vector<StageReadIssue> CheckStages(TMainModel& model, const fs::path& file, const std::vector<int>& first_lines,
                                        LoadResult& stage_one) {
  std::vector<StageReadIssue> issues;
  TProgramData& problem = model.Problem();
  const int stages = static_cast<int>(first_lines.size());
  for (int n = 2; n <= stages; ++n) {
    problem.CurrentStage = n;
    const LoadResult read = LoadCurrentStage(problem, first_lines[static_cast<std::size_t>(n - 1)]);
    if (!read.complete || !read.Representable())
      issues.push_back({n, read.complete ? std::string() : read.message, read.unrepresented});
  }
  if (stages > 1) stage_one = LoadDataFile(model, file, kFormatCurrent);
  return issues;
}

}  // namespace

std::vector<UnrepresentedRecord> OpenResult::Unrepresented() const {
  std::vector<UnrepresentedRecord> records = load.unrepresented;
  for (const StageReadIssue& issue : stage_issues)
    records.insert(records.end(), issue.unrepresented.begin(), issue.unrepresented.end());
  return records;
}

std::string MissingStagesMessage(int declared, int found) {
  return "The file declares " + std::to_string(declared) + " construction stages but holds " + std::to_string(found) +
         ".";
}

OpenResult OpenProblem(TMainModel& model, const fs::path& file, int format_code) {
  OpenResult result;
  result.load = LoadDataFile(model, file, format_code);
  if (model.Problem().StageCount > 1) {
    const int declared = result.load.declared_stages;
    const std::vector<int> first_lines = SplitCombinedFile(model.Problem().FileName, model.Problem().StageCount);
    if (format_code == kFormatCurrent) {
      result.stage_issues = CheckStages(model, file, first_lines, result.load);
    } else {
      result.stage_issues = ConvertOlderStages(model, format_code, first_lines);
    }
    const int found = static_cast<int>(StageBlocks(TextLines(ReadWholeFile(file))).size());
    if (found < declared) result.stage_issues.push_back({0, MissingStagesMessage(declared, found), {}});
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

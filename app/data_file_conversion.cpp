#include "app/data_file_conversion.h"

#include <random>
#include <system_error>

#include "app/data_file_writer.h"
#include "app/problem_files.h"
#include "app/stage_files.h"
#include "framework/file_errors.h"

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

// A folder of its own, removed with everything in it.
class WorkFolder {
 public:
  WorkFolder() {
    std::mt19937_64 random{std::random_device{}()};
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    for (int attempt = 0; attempt < 100 && !ec; ++attempt) {
      const fs::path candidate = base / ("veldra-convert-" + std::to_string(random() % 1000000000ULL));
      if (fs::create_directory(candidate, ec)) {
        path_ = candidate;
        return;
      }
    }
    throw framework::EFileError("create a working folder for", base.string(), ec ? ec.message() : "no name is free");
  }
  ~WorkFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

ConversionResult ConvertDataFile(TMainModel& model, const fs::path& source, const fs::path& target,
                                 int format_code) {
  WorkFolder work;
  // The copy keeps the source's name: its stage files are named after it.
  const fs::path copy = work.path() / source.filename();
  std::error_code ec;
  fs::copy_file(source, copy, ec);
  if (ec) throw framework::EFileError("open", source.string(), ec.message());

  const OpenResult opened = OpenProblem(model, copy, format_code);
  ConversionResult result;
  // Every reason not to convert, the format errors first.
  std::vector<std::string> reasons;
  if (!opened.load.complete) reasons.push_back(opened.load.message);
  for (const StageReadIssue& issue : opened.stage_issues) {
    if (issue.message.empty()) continue;
    reasons.push_back(issue.stage > 0 ? "Stage " + std::to_string(issue.stage) + ": " + issue.message : issue.message);
  }
  const std::vector<UnrepresentedRecord> unrepresented = opened.Unrepresented();
  if (!unrepresented.empty()) reasons.push_back(UnrepresentedWarning(unrepresented));
  if (!reasons.empty()) {
    for (const std::string& reason : reasons) result.message += (result.message.empty() ? "" : "\n") + reason;
    return result;
  }

  TProgramData& problem = model.Problem();
  if (problem.StageCount > 1) {
    CombineStageFiles(target, copy, problem.StageCount);
  } else {
    problem.FileName = target.string();
    WriteDataFile(problem);
  }
  result.converted = true;
  return result;
}

}  // namespace veldra::app

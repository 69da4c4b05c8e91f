#include "app/data_file_loader.h"

#include <algorithm>
#include <cctype>

#include "app/problem_record_reader.h"
#include "app/word_reader.h"
#include "framework/file_errors.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

constexpr int kLongTermMarker = 9;

// Step after every load, whatever stopped it.
void FinishReading(TMainModel& model) {
  model.PadTablesToMinimum();
  model.SetModified(false);
}

}  // namespace

int FormatFromExtension(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".vd4d") return kFormat2013;
  if (extension == ".vdd") return kFormat30;
  return kFormatCurrent;
}

LoadResult LoadDataFile(TMainModel& model, const std::filesystem::path& file, int format_code) {
  // Read first: a file that cannot be read leaves the current problem as it is.
  TWordReader words(file);
  if (format_code == kFormatAllFiles) format_code = kFormat20;
  if (format_code < kFormatCurrent || format_code > kFormat20) format_code = kFormatCurrent;
  const RecordLayout layout = LayoutOfFormat(format_code);

  model.NewProblem();
  TProgramData& problem = model.Problem();
  problem.FileName = file.string();
  model.ClearTables();

  LoadResult result;
  try {
    problem.Title = words.ReadLine();
    ProblemRecordReader(problem, words, layout, false).ReadBlock();
    if (format_code <= kFormat30 && words.ReadInteger() == kLongTermMarker) {
      words.ReadLine();  // the rest of the marker's line
      problem.LongTermMode = true;
      problem.Title = words.ReadLine();
      ProblemRecordReader(problem, words, layout, true).ReadBlock();
      words.ReadInteger();  // the long-term block's own marker
    }
  } catch (const fw::EInOutError& error) {
    result = {false, error.what()};
  }
  FinishReading(model);
  problem.Has2013Records = true;
  problem.Has2015Records = format_code == kFormatCurrent;
  return result;
}

LoadResult ReadStageFile(TProgramData& problem, const std::filesystem::path& file) {
  TWordReader words(file);
  RecordLayout layout;
  layout.records_2013 = problem.Has2013Records;
  layout.records_2015 = problem.Has2015Records;

  LoadResult result;
  try {
    problem.Title = words.ReadLine();
    ProblemRecordReader(problem, words, layout, false).ReadBlock();
    problem.LongTermMode = words.ReadInteger() == kLongTermMarker;
  } catch (const fw::EInOutError& error) {
    result = {false, error.what()};
  }
  FinishReading(problem.Main());
  return result;
}

}  // namespace veldra::app

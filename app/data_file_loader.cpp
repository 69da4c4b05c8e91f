#include "app/data_file_loader.h"

#include <algorithm>
#include <cctype>

#include "app/problem_record_reader.h"
#include "app/shared_records.h"
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

void Append(std::vector<UnrepresentedRecord>& to, const std::vector<UnrepresentedRecord>& records) {
  to.insert(to.end(), records.begin(), records.end());
}

// The notes of every block in line order.
void Conclude(LoadResult& result) {
  std::stable_sort(result.unrepresented.begin(), result.unrepresented.end(),
                   [](const UnrepresentedRecord& a, const UnrepresentedRecord& b) { return a.line < b.line; });
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
  ProblemRecordReader short_term(problem, words, layout, false);
  ProblemRecordReader long_term(problem, words, layout, true);
  try {
    problem.Title = words.ReadLine();
    short_term.ReadBlock();
    if (format_code <= kFormat30) {
      int marker = words.ReadInteger();
      const ProblemRecordReader* last_block = &short_term;
      if (marker == kLongTermMarker) {
        words.ReadLine();  // the rest of the marker's line
        problem.LongTermMode = true;
        const std::string short_term_title = problem.Title;
        const int title_line = words.LineNumber();
        const std::vector<SharedItem> shared = SharedItems(problem);
        problem.Title = words.ReadLine();
        long_term.ReadBlock();
        marker = words.ReadInteger();  // the long-term block's own code
        last_block = &long_term;
        if (problem.Title != short_term_title) {
          result.unrepresented.push_back(
              {title_line,
               "the long-term title differs from the short-term title. This program keeps one title: "
               "saving would write the long-term title for both problems."});
        }
        Append(result.unrepresented, LongTermDifferences(shared, SharedItems(problem), long_term));
      }
      // A code other than 0 (or the stage count, which the engine takes as 0) makes
      // the engine go on with what follows as a further problem.
      const bool engine_goes_on = marker != 0 && marker != last_block->DeclaredStages();
      if (problem.StageCount == 1 && engine_goes_on && words.WordsLeft() > 0) {
        result.unrepresented.push_back({words.NextWordLine(), "the problem ends with the code " +
                                                                  std::to_string(marker) +
                                                                  ", and the engine goes on with what follows as "
                                                                  "a further problem. Saving would write 0 and leave "
                                                                  "out everything from here on."});
      }
    }
  } catch (const fw::EInOutError& error) {
    result.complete = false;
    result.message = error.what();
  }
  result.declared_stages = short_term.DeclaredStages();
  Append(result.unrepresented, short_term.Unrepresented());
  Append(result.unrepresented, long_term.Unrepresented());
  FinishReading(model);
  problem.Has2013Records = true;
  problem.Has2015Records = format_code == kFormatCurrent;
  Conclude(result);
  return result;
}

LoadResult ReadStageFile(TProgramData& problem, const std::filesystem::path& file, int first_line) {
  TWordReader words(file);
  words.SetFirstLineNumber(first_line);
  RecordLayout layout;
  layout.records_2013 = problem.Has2013Records;
  layout.records_2015 = problem.Has2015Records;

  LoadResult result;
  ProblemRecordReader block(problem, words, layout, false);
  try {
    problem.Title = words.ReadLine();
    block.ReadBlock();
    problem.LongTermMode = words.ReadInteger() == kLongTermMarker;
  } catch (const fw::EInOutError& error) {
    result.complete = false;
    result.message = error.what();
  }
  result.unrepresented = block.Unrepresented();
  FinishReading(problem.Main());
  Conclude(result);
  return result;
}

}  // namespace veldra::app

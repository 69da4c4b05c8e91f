// Loading data files into the model: the loader of the current and the three older
// formats, and the stage-file reader.
//
// A format error stops reading with its message (line and item, or "This file
// either invalid or incomplete."); what was read before stays in the problem. After
// success or failure every empty table is filled up to its minimum row count (a
// table holding rows of the file keeps exactly those) and the modified state is
// cleared.
#ifndef VELDRA_APP_DATA_FILE_LOADER_H
#define VELDRA_APP_DATA_FILE_LOADER_H

#include <filesystem>
#include <string>
#include <vector>

#include "app/main_model.h"
#include "app/unrepresented.h"

namespace veldra::app {

// Format codes of the loader (the open dialog's filters).
inline constexpr int kFormatCurrent = 1;   // ".vd5d"
inline constexpr int kFormat2013 = 2;      // ".vd4d"
inline constexpr int kFormat30 = 3;        // ".vdd" of version 3.0
inline constexpr int kFormat20 = 4;        // ".vdd" of version 2.0
inline constexpr int kFormatAllFiles = 5;  // "All Files": read as the 2.0 format

// The format of a file opened without the dialog: ".vd4d" 2, ".vdd" 3, anything
// else 1 (extensions compared without regard to case).
int FormatFromExtension(const std::filesystem::path& file);

struct LoadResult {
  bool complete = true;  // false: a format error stopped the reading
  std::string message;   // that error's message, to be shown in an information box
  // The records the problem could not keep as they stand in the file, in line
  // order: saving would change the analysis. The window shows them after the file
  // has been read and asks before a Save overwrites the file.
  std::vector<UnrepresentedRecord> unrepresented;
  // The stage count of the control record as the file gives it, before the problem
  // limits it to 1..5 (1 when the format has none or the reading stopped before it).
  int declared_stages = 1;

  bool Representable() const { return unrepresented.empty(); }
};

// Replaces the model's problem by the problem of the file: a new problem, FileName
// set, every table emptied, then the records read in the order of the format;
// a long-term marker 9 is followed by the long-term block. Sets Has2013Records, and
// Has2015Records for the current format only.
//
// A file that cannot be read throws framework::EFileError before the model changes.
// A format code outside 1..5 is read as the current format.
//
// Besides the records of each block (see ProblemRecordReader), the result names a
// long-term block whose title or shared records differ from the short-term block's
// (the model keeps one copy: the long-term one), and a file of one problem that goes
// on after the problem's last record.
LoadResult LoadDataFile(TMainModel& model, const std::filesystem::path& file, int format_code);

// Reads a stage file into the current problem: its first line into Title, then one
// block whose optional records follow the problem's reader flags (Has2013Records,
// Has2015Records), then the marker (LongTermMode = marker 9). Tables the block does
// not size keep their rows; the reader flags are left as they are.
//
// framework::EFileError when the file cannot be read. `first_line` numbers the
// file's first line in the messages and notes: a stage cut from a combined file
// names the lines of that file.
LoadResult ReadStageFile(TProgramData& problem, const std::filesystem::path& file, int first_line = 1);

}  // namespace veldra::app

#endif  // VELDRA_APP_DATA_FILE_LOADER_H

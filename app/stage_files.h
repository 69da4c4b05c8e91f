// The stage files of a staged problem, as files.
//
// Stage n (1 to 5) of a problem lives in the file named like the data file with the
// extension ".st" followed by n, in the data file's folder ("wall.vd5d" ->
// "wall.st2"). The data file of a staged problem is its stage files 1 to StageCount
// joined line by line; the line " Stage No : n" that starts every stage file after
// the first marks where a stage begins.
//
// File-system failures throw framework::EFileError; every file is written safely (a failed
// write leaves the previous file).
#ifndef VELDRA_APP_STAGE_FILES_H
#define VELDRA_APP_STAGE_FILES_H

#include <filesystem>
#include <string>
#include <vector>

namespace veldra::app {

inline constexpr int kMaxStages = 5;
// What starts every stage block after the first in a combined file.
inline constexpr const char* kStageMark = " Stage No :";

std::filesystem::path StageFilePath(const std::filesystem::path& data_file, int stage);

// Removes the stage files `first` to 5 of a data file that exist.
void DeleteStageFiles(const std::filesystem::path& data_file, int first = 1);

// The stage blocks of a combined file's lines, in file order: line 1 starts the
// first block, and every later line but the last that contains " Stage No :" starts
// the next one. The numbers in those lines play no part.
std::vector<std::vector<std::string>> StageBlocks(const std::vector<std::string>& lines);

// Splits the combined file into its stage files: deletes the stage files 1 to 5,
// then writes blocks 1 to stage_count (fewer when the file holds fewer blocks).
// Returns the combined file's line number (1-based) of the first line of every
// block written: fewer than stage_count when the file holds fewer blocks.
std::vector<int> SplitCombinedFile(const std::filesystem::path& data_file, int stage_count);

// Writes `target` as the stage files 1 to stage_count of `source` joined line by
// line. A missing stage file throws framework::EFileError before the target is touched.
void CombineStageFiles(const std::filesystem::path& target, const std::filesystem::path& source,
                       int stage_count);

// Renames the stage files 1 to stage_count of `source` to those of `target`; nothing
// when both name the same file.
void RenameStageFiles(const std::filesystem::path& source, const std::filesystem::path& target,
                      int stage_count);

}  // namespace veldra::app

#endif  // VELDRA_APP_STAGE_FILES_H

#include "app/stage_files.h"

#include <system_error>

#include "app/safe_file_write.h"
#include "app/word_reader.h"
#include "framework/file_errors.h"

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec_a, ec_b;
  const fs::path ca = fs::weakly_canonical(a, ec_a);
  const fs::path cb = fs::weakly_canonical(b, ec_b);
  if (ec_a || ec_b) return a.lexically_normal() == b.lexically_normal();
  return ca == cb;
}

}  // namespace

fs::path StageFilePath(const fs::path& data_file, int stage) {
  fs::path path = data_file;
  path.replace_extension(".st" + std::to_string(stage));
  return path;
}

void DeleteStageFiles(const fs::path& data_file, int first) {
  for (int n = first < 1 ? 1 : first; n <= kMaxStages; ++n) {
    std::error_code ec;
    fs::remove(StageFilePath(data_file, n), ec);
    if (ec) throw framework::EFileError("delete", StageFilePath(data_file, n).string(), ec.message());
  }
}

std::vector<std::vector<std::string>> StageBlocks(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> blocks;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool starts_block =
        i == 0 || (i + 1 < lines.size() && lines[i].find(kStageMark) != std::string::npos);
    if (starts_block) blocks.emplace_back();
    blocks.back().push_back(lines[i]);
  }
  return blocks;
}

std::vector<int> SplitCombinedFile(const fs::path& data_file, int stage_count) {
  const std::vector<std::vector<std::string>> blocks = StageBlocks(TextLines(ReadWholeFile(data_file)));
  DeleteStageFiles(data_file);
  std::vector<int> first_lines;
  int line = 1;
  for (int n = 1; n <= stage_count && n <= static_cast<int>(blocks.size()); ++n) {
    const std::vector<std::string>& block = blocks[static_cast<std::size_t>(n - 1)];
    ReplaceFileContents(StageFilePath(data_file, n), JoinedLines(block));
    first_lines.push_back(line);
    line += static_cast<int>(block.size());
  }
  return first_lines;
}

void CombineStageFiles(const fs::path& target, const fs::path& source, int stage_count) {
  std::string text;
  for (int n = 1; n <= stage_count; ++n) text += JoinedLines(TextLines(ReadWholeFile(StageFilePath(source, n))));
  ReplaceFileContents(target, text);
}

void RenameStageFiles(const fs::path& source, const fs::path& target, int stage_count) {
  if (SameFile(source, target)) return;
  for (int n = 1; n <= stage_count; ++n) {
    const fs::path from = StageFilePath(source, n);
    std::error_code ec;
    if (!fs::exists(from, ec)) continue;
    const fs::path to = StageFilePath(target, n);
    fs::rename(from, to, ec);
    if (ec) {
      // Another file system: copy, then remove the source.
      ec.clear();
      fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
      if (!ec) fs::remove(from, ec);
    }
    if (ec) throw framework::EFileError("rename", from.string(), ec.message());
  }
}

}  // namespace veldra::app

#include "framework/row_import.h"

#include <cerrno>
#include <fstream>
#include <sstream>

#include "framework/decimal_text.h"
#include "framework/file_errors.h"
#include "framework/grid_table.h"
#include "framework/split_numbers.h"

namespace veldra::framework {

namespace {

// Splits at CR LF, CR or LF; `keep_last` keeps a final piece without a line end.
std::vector<std::string> SplitLines(std::string_view text, bool keep_last) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (keep_last && start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace

std::vector<std::string> FileLines(std::string_view text) { return SplitLines(text, true); }

std::vector<std::string> ClipboardLines(std::string_view text) { return SplitLines(text, false); }

int ImportRows(TGridTable& table, const std::vector<std::string>& lines, int shown_columns, int* refused_line) {
  const int columns = shown_columns < 0 ? table.VisibleColumnCount() : shown_columns;
  const int rows_before = table.RowCount();
  int filled = 0;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (table.MaxRows() > 0 && filled >= table.MaxRows()) break;
    const std::vector<EntryNumber> numbers = SplitNumbers(lines[index]);
    if (static_cast<int>(numbers.size()) != columns) continue;
    table.SetChanged(true);
    if (filled >= rows_before) table.AddRowGroup();
    try {
      for (int j = 0; j < columns; ++j)
        table.SetCellText(j, filled, FormatGeneral(numbers[static_cast<std::size_t>(j)], 15));
    } catch (const EAssignError&) {
      if (refused_line) *refused_line = static_cast<int>(index) + 1;
      throw;
    }
    ++filled;
  }
  if (filled >= 1) {
    // Only whole blocks of RowGroup rows below the filled rows go, so that a filled
    // row is never deleted with its block.
    const int group = table.RowGroup();
    const int first_surplus = (filled + group - 1) / group * group;
    while (table.RowCount() > first_surplus) table.DeleteRowGroup(first_surplus);
  }
  return filled;
}

int ImportRowsFromFile(TGridTable& table, const std::string& file_name, int shown_columns) {
  errno = 0;
  std::ifstream file(file_name, std::ios::binary);
  if (!file) throw EFileError("open", file_name, SystemReason(errno));
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) throw EFileError("read", file_name, SystemReason(errno));
  return ImportRows(table, FileLines(content.str()), shown_columns);
}

int ImportRowsFromClipboard(TGridTable& table, std::string_view text, int shown_columns) {
  return ImportRows(table, ClipboardLines(text), shown_columns);
}

}  // namespace veldra::framework

// Filling a table's rows from lines of numbers: the "Read values from File" and
// "Paste values from  Clipboard (text)" commands of a curve table's window.
//
// A line that splits into exactly as many numbers as the window shows data columns
// fills the next row (row i gets number j in column j, entered as its text with up to
// 15 significant digits, in the table's unit system); other lines are skipped. Rows
// are added when the table runs out of rows; filling stops at MaxRows. When at least
// one row was filled, the rows below the filled ones are deleted (this may leave
// fewer than MinRows rows; showing the window again restores them).
//
// A column refusing an entry (EAssignError) stops the import with that error: rows
// already filled keep their values and no row is deleted.
#ifndef VELDRA_FRAMEWORK_ROW_IMPORT_H
#define VELDRA_FRAMEWORK_ROW_IMPORT_H

#include <string>
#include <string_view>
#include <vector>

namespace veldra::framework {

class TGridTable;

inline constexpr const char* kNoClipboardText = "There is no text on the Clipboard";

// Lines of a text file; a line ends at CR LF, LF or CR, and a last line without an
// end is a line too.
std::vector<std::string> FileLines(std::string_view text);

// Lines of clipboard text: every line that ends in a line break (CR LF, CR or LF);
// text after the last line break is ignored, so a text without one gives no line.
std::vector<std::string> ClipboardLines(std::string_view text);

// Fills rows from `lines`; `shown_columns` is the number of data columns the window
// shows (-1: all visible columns). Returns the number of rows filled. When a column
// refuses an entry, `refused_line` (if given) receives the 1-based number of the line
// that held it, so that the message can name it.
int ImportRows(TGridTable& table, const std::vector<std::string>& lines, int shown_columns = -1,
               int* refused_line = nullptr);

// Reads the file and imports its lines. A file that cannot be read throws
// EFileError (file_errors.h) before anything changes.
int ImportRowsFromFile(TGridTable& table, const std::string& file_name, int shown_columns = -1);

// Imports the lines of clipboard text. A text without any line break fills nothing
// and leaves the table unchanged.
int ImportRowsFromClipboard(TGridTable& table, std::string_view text, int shown_columns = -1);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_ROW_IMPORT_H

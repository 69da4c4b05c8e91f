// Record-by-record reading of the data file, with list-directed semantics.
//
// Every record starts on a new line. A record's values are separated by blanks, tabs
// or commas; a record takes as many values as it needs, continuing on the following
// lines when a line holds fewer (so empty lines inside or before a record are
// passed over), and whatever remains on the last line it used is ignored. A title
// record is the first 70 characters of its line. A trailing "\r" (CR LF line ends)
// is not part of a line, nor is a UTF-8 byte-order mark at the start of the file.
//
// Values. An integer is a plain decimal with an optional sign ("+7", "-12") within
// the 32-bit range. A real has an optional sign, digits with an optional point
// ("5", "5.", ".5", "1.25") and an optional exponent introduced by E, e, D or d
// ("1E-6", "1.2345679E8", "1.5D3"); it is read as the nearest double. A real too
// small for a double reads as zero of its sign.
//
// Malformed input never crashes the reader and never reads past the end of the
// file; it throws RecordError, whose message names the line and the item:
//   "ERROR STOP -- INVALID NUMBER ON LINE 12, ITEM 3"
//       a text where a number is expected, a real (or an integer beyond 32 bits)
//       where an integer is expected;
//   "ERROR STOP -- MISSING VALUE ON LINE 12, ITEM 3"
//       an empty value: a comma after another comma with only blanks between them
//       (also across a line end), or a comma before the record's first value. A
//       single comma at the end of a line is just a separator;
//   "ERROR STOP -- VALUE NOT FINITE ON LINE 12, ITEM 3"
//       "nan", "inf", "infinity" (any case) or a real beyond the double range
//       such as 1e999;
//   "ERROR STOP -- END OF DATA FILE ON LINE 12, ITEM 3"
//       the file ends before the record has all its values; the item is the value
//       awaited (1 when the file ends before the record starts);
//   "ERROR STOP -- END OF DATA FILE ON LINE 12"
//       the file ends where a title (or a record of no values) should start; the
//       error's item is 0.
// Items are counted within the record, from 1. The line is that of the offending
// value; at the end of the file, the line where the missing value was expected:
// the line after the last one, or the last one itself when the file ends inside
// it, without a line break (line 1 of an empty file).
#ifndef VELDRA_ENGINE_DRIVER_RECORD_READER_H
#define VELDRA_ENGINE_DRIVER_RECORD_READER_H

#include <cstddef>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace veldra::engine {

class RecordError : public std::runtime_error {
 public:
  RecordError(std::string message, int line, int item)
      : std::runtime_error(std::move(message)), line_(line), item_(item) {}
  int line() const { return line_; }  // 1-based line of the file (0: empty file)
  int item() const { return item_; }  // 1-based value within the record; 0 for a title

 private:
  int line_;
  int item_;
};

// Reads records from a stream it does not own; the stream must outlive the reader.
// Not copyable (it holds a reference to the stream and the current line).
class RecordReader {
 public:
  explicit RecordReader(std::istream& in);
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // Record kinds. Each call starts at the beginning of the next unread line.
  std::string read_title(int width = 70);            // padded with blanks / cut to width
  int read_int();                                    // a record of one integer
  std::vector<int> read_ints(int count);             // a record of `count` integers
  std::vector<double> read_reals(int count);         // a record of `count` reals
  // A mixed record: `kinds` holds 'i' for an integer and 'r' for a real, in order;
  // the values come back as doubles (integers exactly). Any other letter is a
  // programming error (std::invalid_argument). A record of no values passes over
  // one line.
  std::vector<double> read_record(std::string_view kinds);

  bool at_end();         // true when no further line can be read
  int line() const;      // number of the last line consumed (0 before the first)
  // The line that held value `item` (from 1) of the last record read; the last line
  // consumed for an item the record did not have.
  int line_of_item(int item) const;

 private:
  bool next_line();
  void start_record(int values);
  std::string_view next_value(int item);
  int parse_int(std::string_view text, int item) const;
  double parse_real(std::string_view text, int item) const;
  [[noreturn]] void fail(const char* what, int item) const;
  [[noreturn]] void fail_at_end(int item) const;

  std::istream& in_;
  std::string current_;
  std::size_t pos_ = 0;
  int line_ = 0;
  bool line_open_ = false;    // the last line read ended the file without a line break
  bool after_comma_ = false;  // a comma was seen and no value after it yet
  std::vector<int> item_lines_;  // line of each value of the last record
};

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_DRIVER_RECORD_READER_H

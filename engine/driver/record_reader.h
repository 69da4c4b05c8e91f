// Record-by-record reading of the data file, with list-directed semantics.
//
// Every record starts on a new line. A record's values are separated by blanks, tabs
// or commas; a record takes as many values as it needs, continuing on the following
// lines when a line holds fewer, and whatever remains on the last line it used is
// ignored. A title record is the first 70 characters of its line.
//
// Malformed input never crashes the reader: a text where a number is expected, an
// empty value between two commas, a value that is not finite or the end of the file
// inside a record throws RecordError, whose message names the line and the item, for
// example "ERROR STOP -- INVALID NUMBER ON LINE 12, ITEM 3".
#ifndef VELDRA_ENGINE_DRIVER_RECORD_READER_H
#define VELDRA_ENGINE_DRIVER_RECORD_READER_H

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
  int line() const { return line_; }  // 1-based line of the file
  int item() const { return item_; }  // 1-based value within the record; 0 for a title

 private:
  int line_;
  int item_;
};

// One value of a record, as read.
class RecordReader {
 public:
  explicit RecordReader(std::istream& in);

  // Record kinds. Each call starts at the beginning of the next unread line.
  std::string read_title(int width = 70);            // padded with blanks / cut to width
  int read_int();                                    // a record of one integer
  std::vector<double> read_reals(int count);         // a record of `count` reals
  // A mixed record: `kinds` holds 'i' for an integer and 'r' for a real, in order;
  // the values come back as doubles (integers exactly).
  std::vector<double> read_record(std::string_view kinds);

  bool at_end();         // true when no further line can be read
  int line() const;      // number of the last line consumed (0 before the first)

 private:
  bool next_line();
  std::string next_value(int item, bool& ok);

  std::istream& in_;
  std::string current_;
  std::size_t pos_ = 0;
  int line_ = 0;
  bool have_line_ = false;
};

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_DRIVER_RECORD_READER_H

// TWordReader: a text file as a stream of words with line and item positions, for
// the data, stage and plot-data files.
//
// The whole file is held in memory as lines; each keeps its text (without the line
// break) and its words. A line is trimmed of every leading and trailing character
// whose code is at most 32; a word then ends at the first blank or tab, and the rest
// is trimmed on the left again. Commas and other characters belong to words.
//
// A cursor stands on a line and on the next word of it. Words flow from line to
// line; only ReadLine and WordCount look at line boundaries. Numbers are read with
// "." as the decimal separator whatever the locale.
//
// Format errors throw framework::EInOutError (framework/file_errors.h) with the
// message the user sees:
//   "Error on Line L Item I\rA floating point number was expected but not found."
//   "Error on Line L Item I\rAn integer was expected but not found."
//   "This file either invalid or incomplete."  (a word or line beyond the last line)
// with L the 1-based line and I the 1-based position of the word on its line.
#ifndef VELDRA_APP_WORD_READER_H
#define VELDRA_APP_WORD_READER_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "framework/entry_number.h"

namespace veldra::app {

inline constexpr const char* kFloatExpected = "A floating point number was expected but not found.";
inline constexpr const char* kIntegerExpected = "An integer was expected but not found.";
inline constexpr const char* kInvalidOrIncomplete = "This file either invalid or incomplete.";

// The lines of a text: a line ends at LF or CR LF; a last line without a line break
// is a line too, and an empty text is one empty line. A UTF-8 byte-order mark in
// front of the first line is dropped.
std::vector<std::string> TextLines(std::string_view text);

// The whole contents of a file; framework::EFileError when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& file);

class TWordReader {
 public:
  // Reads every line of the file; framework::EFileError when it cannot be read.
  // The cursor starts at line 0, word 0.
  explicit TWordReader(const std::filesystem::path& file);
  // The same over a text already in memory.
  static TWordReader FromText(std::string_view text);

  // The text of the line at the cursor; the cursor moves to the start of the next
  // line. After a read took the last word of a line the cursor still stands on that
  // line, so ReadLine returns it.
  std::string ReadLine();
  // The next word as a decimal number ("+" and "-" signs, exponent allowed).
  framework::EntryNumber ReadFloat();
  // The same, also in the form a Fortran E edit descriptor gives an exponent of
  // three digits, without its letter ("0.2000-204", "-0.100+121"): the plot-data
  // file holds such values.
  framework::EntryNumber ReadFortranFloat();
  // The next word as a whole number within -2147483648..2147483647 (3.0 and 3E2 are
  // whole numbers).
  std::int32_t ReadInteger();
  // Number of words of the line at the cursor (0 past the last line).
  int WordCount() const;
  // True when the cursor has passed the last line.
  bool AtEnd() const { return line_ >= lines_.size(); }
  // 1-based number of the line at the cursor.
  int LineNumber() const { return static_cast<int>(line_) + first_line_; }
  // 1-based number of the line that holds the next word (the line after the last
  // when no word is left).
  int NextWordLine() const;
  // Numbers the lines from `number` instead of 1, in LineNumber and in the messages:
  // a text cut from a larger file names the lines of that file.
  void SetFirstLineNumber(int number) { first_line_ = number; }
  // Words not yet taken, from the cursor to the end of the file.
  std::size_t WordsLeft() const;
  // Those words themselves, in order.
  std::vector<std::string> RemainingWords() const;

 private:
  struct Line {
    std::string text;
    std::vector<std::string> words;
  };
  TWordReader() = default;
  void Load(std::string_view text);
  // The next word, moving past lines whose words are all taken (also past lines with
  // no words at all).
  const std::string& NextWord();
  [[noreturn]] void FailAtWord(const char* message) const;

  std::vector<Line> lines_;
  std::vector<std::size_t> words_from_;  // words_from_[i]: words on lines i and after
  int first_line_ = 1;                   // number of line 0
  std::size_t line_ = 0;  // cursor line
  std::size_t word_ = 0;  // next word on it
  // Position of the word last taken, for the error message.
  std::size_t last_line_ = 0;
  std::size_t last_word_ = 0;
};

// The words of one line, by the rules above.
std::vector<std::string> SplitWords(std::string_view line);

// A word as ReadFortranFloat reads it; false when it is no number of either form.
bool ParseFortranFloat(std::string_view word, framework::EntryNumber& value);

}  // namespace veldra::app

#endif  // VELDRA_APP_WORD_READER_H

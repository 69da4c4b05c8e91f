#include "app/word_reader.h"

#include <cerrno>
#include <fstream>
#include <sstream>

#include "framework/decimal_text.h"
#include "framework/file_errors.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view TrimLeft(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsTrimmed(text[i])) ++i;
  return text.substr(i);
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  std::size_t end = text.size();
  while (end > 0 && IsTrimmed(text[end - 1])) --end;
  return text.substr(0, end);
}

}  // namespace

std::vector<std::string> TextLines(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = last ? text.size() : end + 1;
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

std::string ReadWholeFile(const std::filesystem::path& file) {
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) throw fw::EFileError("open", file.string(), fw::SystemReason(errno));
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw fw::EFileError("read", file.string(), fw::SystemReason(errno));
  return text.str();
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  std::string_view rest = Trim(line);
  while (!rest.empty()) {
    const std::size_t end = rest.find_first_of(" \t");
    if (end == std::string_view::npos) {
      words.emplace_back(rest);
      break;
    }
    words.emplace_back(rest.substr(0, end));
    rest = TrimLeft(rest.substr(end));
  }
  return words;
}

TWordReader::TWordReader(const std::filesystem::path& file) { Load(ReadWholeFile(file)); }

TWordReader TWordReader::FromText(std::string_view text) {
  TWordReader reader;
  reader.Load(text);
  return reader;
}

void TWordReader::Load(std::string_view text) {
  for (std::string& line : TextLines(text)) {
    Line entry;
    entry.words = SplitWords(line);
    entry.text = std::move(line);
    lines_.push_back(std::move(entry));
  }
  words_from_.assign(lines_.size() + 1, 0);
  for (std::size_t i = lines_.size(); i-- > 0;) words_from_[i] = words_from_[i + 1] + lines_[i].words.size();
}

std::size_t TWordReader::WordsLeft() const {
  if (AtEnd()) return 0;
  const std::size_t on_line = lines_[line_].words.size();
  return words_from_[line_ + 1] + (word_ < on_line ? on_line - word_ : 0);
}

std::string TWordReader::ReadLine() {
  if (AtEnd()) throw fw::EInOutError(kInvalidOrIncomplete);
  std::string text = lines_[line_].text;
  ++line_;
  word_ = 0;
  return text;
}

int TWordReader::WordCount() const { return AtEnd() ? 0 : static_cast<int>(lines_[line_].words.size()); }

const std::string& TWordReader::NextWord() {
  // Blank lines inside a record are skipped like any other line whose words are
  // all taken.
  while (!AtEnd() && word_ >= lines_[line_].words.size()) {
    ++line_;
    word_ = 0;
  }
  if (AtEnd()) throw fw::EInOutError(kInvalidOrIncomplete);
  last_line_ = line_;
  last_word_ = word_;
  return lines_[line_].words[word_++];
}

int TWordReader::NextWordLine() const {
  std::size_t line = line_;
  std::size_t word = word_;
  while (line < lines_.size() && word >= lines_[line].words.size()) {
    ++line;
    word = 0;
  }
  return static_cast<int>(line) + first_line_;
}

void TWordReader::FailAtWord(const char* message) const {
  throw fw::EInOutError(static_cast<int>(last_line_) + first_line_, static_cast<int>(last_word_) + 1, message);
}

bool ParseFortranFloat(std::string_view word, fw::EntryNumber& value) {
  if (fw::ParseDecimal(word, value, /*allow_plus=*/true) == fw::DecimalStatus::kOk) return true;
  // A mantissa, then the exponent's sign and digits with no letter before them.
  const std::size_t sign = word.find_last_of("+-");
  if (sign == std::string_view::npos || sign == 0) return false;
  const char before = word[sign - 1];
  if (before < '0' || before > '9') return false;
  const std::string spelled = std::string(word.substr(0, sign)) + "E" + std::string(word.substr(sign));
  return fw::ParseDecimal(spelled, value, /*allow_plus=*/true) == fw::DecimalStatus::kOk;
}

fw::EntryNumber TWordReader::ReadFortranFloat() {
  const std::string& word = NextWord();
  fw::EntryNumber value = 0;
  if (!ParseFortranFloat(word, value)) FailAtWord(kFloatExpected);
  return value;
}

std::vector<std::string> TWordReader::RemainingWords() const {
  std::vector<std::string> words;
  words.reserve(WordsLeft());
  for (std::size_t line = line_, word = word_; line < lines_.size(); ++line, word = 0)
    for (; word < lines_[line].words.size(); ++word) words.push_back(lines_[line].words[word]);
  return words;
}

fw::EntryNumber TWordReader::ReadFloat() {
  const std::string& word = NextWord();
  fw::EntryNumber value = 0;
  if (fw::ParseDecimal(word, value, /*allow_plus=*/true) != fw::DecimalStatus::kOk) FailAtWord(kFloatExpected);
  return value;
}

std::int32_t TWordReader::ReadInteger() {
  const std::string& word = NextWord();
  fw::EntryNumber value = 0;
  if (fw::ParseDecimal(word, value, /*allow_plus=*/true) != fw::DecimalStatus::kOk || !fw::IsInt32(value))
    FailAtWord(kIntegerExpected);
  return static_cast<std::int32_t>(value);
}

}  // namespace veldra::app

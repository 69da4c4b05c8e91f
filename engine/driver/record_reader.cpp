#include "engine/driver/record_reader.h"

#include <charconv>
#include <string>
#include <system_error>

namespace veldra::engine {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_separator(char c) { return is_blank(c) || c == ','; }

bool equals_ignoring_case(std::string_view text, std::string_view lower_word) {
  if (text.size() != lower_word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != lower_word[i]) return false;
  }
  return true;
}

// The exponent digits of a real, saturated: only their order of magnitude matters.
long saturated_exponent(std::string_view digits, bool negative) {
  long value = 0;
  for (const char c : digits) {
    if (value < 1000000) value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

}  // namespace

RecordReader::RecordReader(std::istream& in) : in_(in) {}

int RecordReader::line() const { return line_; }

int RecordReader::line_of_item(int item) const {
  if (item < 1 || item > static_cast<int>(item_lines_.size())) return line_;
  return item_lines_[static_cast<std::size_t>(item - 1)];
}

bool RecordReader::at_end() { return in_.peek() == std::char_traits<char>::eof(); }

bool RecordReader::next_line() {
  if (!std::getline(in_, current_)) return false;
  line_open_ = in_.eof();
  if (!current_.empty() && current_.back() == '\r') current_.pop_back();
  // A text editor may put a byte-order mark in front of a file it saves; it is not
  // part of the title.
  if (line_ == 0 && current_.compare(0, 3, "\xEF\xBB\xBF") == 0) current_.erase(0, 3);
  ++line_;
  pos_ = 0;
  return true;
}

namespace {

[[noreturn]] void throw_record_error(const char* what, int line, int item) {
  std::string message = "ERROR STOP -- ";
  message += what;
  message += " ON LINE ";
  message += std::to_string(line);
  if (item > 0) {
    message += ", ITEM ";
    message += std::to_string(item);
  }
  throw RecordError(std::move(message), line, item);
}

}  // namespace

void RecordReader::fail(const char* what, int item) const { throw_record_error(what, line_, item); }

void RecordReader::fail_at_end(int item) const {
  // The value would have come on the next line, unless the file stops inside the
  // last one.
  throw_record_error("END OF DATA FILE", line_open_ ? line_ : line_ + 1, item);
}

void RecordReader::start_record(int values) {
  item_lines_.clear();
  if (!next_line()) fail_at_end(values > 0 ? 1 : 0);
  // A comma before the first value stands for an empty first value.
  after_comma_ = true;
}

std::string_view RecordReader::next_value(int item) {
  for (;;) {
    const std::size_t size = current_.size();
    while (pos_ < size && is_blank(current_[pos_])) ++pos_;
    if (pos_ == size) {
      if (!next_line()) fail_at_end(item);
      continue;
    }
    if (current_[pos_] == ',') {
      // An empty value would leave the item unset; refuse it rather than guess.
      if (after_comma_) fail("MISSING VALUE", item);
      after_comma_ = true;
      ++pos_;
      continue;
    }
    const std::size_t begin = pos_;
    while (pos_ < size && !is_separator(current_[pos_])) ++pos_;
    after_comma_ = false;
    item_lines_.push_back(line_);
    return std::string_view(current_).substr(begin, pos_ - begin);
  }
}

int RecordReader::parse_int(std::string_view text, int item) const {
  // from_chars takes a leading '-' but not a '+'.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || !is_digit(text.front())) fail("INVALID NUMBER", item);
  }
  int value = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  if (r.ec != std::errc{} || r.ptr != text.data() + text.size()) fail("INVALID NUMBER", item);
  return value;
}

double RecordReader::parse_real(std::string_view text, int item) const {
  // Check the form first: from_chars alone would also take "inf", "nan" and hex
  // digits, and it knows neither a leading '+' nor a 'D' exponent.
  std::size_t i = 0;
  const std::size_t n = text.size();
  const bool negative = n > 0 && text[0] == '-';
  if (n > 0 && (text[0] == '+' || text[0] == '-')) ++i;
  const std::size_t int_begin = i;
  while (i < n && is_digit(text[i])) ++i;
  const std::size_t int_end = i;
  std::size_t frac_begin = i;
  std::size_t frac_end = i;
  if (i < n && text[i] == '.') {
    frac_begin = ++i;
    while (i < n && is_digit(text[i])) ++i;
    frac_end = i;
  }
  const bool has_digits = int_end > int_begin || frac_end > frac_begin;
  std::size_t exponent_begin = n;  // the exponent's sign or first digit
  bool form_ok = has_digits;
  if (form_ok && i < n) {
    const char letter = text[i];
    if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
      exponent_begin = ++i;
      if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
      const std::size_t digits_begin = i;
      while (i < n && is_digit(text[i])) ++i;
      form_ok = i > digits_begin && i == n;
    } else {
      form_ok = false;
    }
  }
  if (!form_ok) {
    const std::string_view word = text.substr(int_begin);
    if (equals_ignoring_case(word, "nan") || equals_ignoring_case(word, "inf") ||
        equals_ignoring_case(word, "infinity")) {
      fail("VALUE NOT FINITE", item);
    }
    fail("INVALID NUMBER", item);
  }

  // from_chars reads the text itself unless it has a leading '+' or a 'D' exponent;
  // those few are spelled again with an 'e' and without the '+'.
  const bool d_exponent = exponent_begin < n && (text[exponent_begin - 1] | 0x20) == 'd';
  std::string spelled;
  std::string_view readable = text;
  if (text.front() == '+' || d_exponent) {
    spelled.reserve(n);
    if (negative) spelled.push_back('-');
    spelled.append(text.substr(int_begin, (frac_end > int_end ? frac_end : int_end) - int_begin));
    if (exponent_begin < n) {
      spelled.push_back('e');
      spelled.append(text.substr(exponent_begin));
    }
    readable = spelled;
  }
  double value = 0;
  const auto r = std::from_chars(readable.data(), readable.data() + readable.size(), value);
  if (r.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: tell which from the decimal magnitude of
    // the first nonzero digit.
    long magnitude = 0;
    std::size_t first = int_begin;
    while (first < int_end && text[first] == '0') ++first;
    if (first < int_end) {
      magnitude = static_cast<long>(int_end - first) - 1;
    } else {
      std::size_t f = frac_begin;
      while (f < frac_end && text[f] == '0') ++f;
      magnitude = -static_cast<long>(f - frac_begin) - 1;
    }
    if (exponent_begin < n) {
      const bool exponent_negative = text[exponent_begin] == '-';
      const std::size_t digits =
          exponent_begin + ((text[exponent_begin] == '+' || exponent_negative) ? 1 : 0);
      magnitude += saturated_exponent(text.substr(digits), exponent_negative);
    }
    if (magnitude > 0) fail("VALUE NOT FINITE", item);
    return negative ? -0.0 : 0.0;
  }
  if (r.ec != std::errc{} || r.ptr != readable.data() + readable.size()) {
    fail("INVALID NUMBER", item);
  }
  return value;
}

std::string RecordReader::read_title(int width) {
  if (!next_line()) fail_at_end(0);
  if (width <= 0) return {};
  const auto w = static_cast<std::size_t>(width);
  std::string title = current_.substr(0, w);
  title.resize(w, ' ');
  return title;
}

int RecordReader::read_int() {
  start_record(1);
  return parse_int(next_value(1), 1);
}

std::vector<int> RecordReader::read_ints(int count) {
  if (count < 0) throw std::invalid_argument("negative value count");
  start_record(count);
  std::vector<int> values;
  values.reserve(static_cast<std::size_t>(count));
  for (int item = 1; item <= count; ++item) values.push_back(parse_int(next_value(item), item));
  return values;
}

std::vector<double> RecordReader::read_reals(int count) {
  if (count < 0) throw std::invalid_argument("negative value count");
  start_record(count);
  std::vector<double> values;
  values.reserve(static_cast<std::size_t>(count));
  for (int item = 1; item <= count; ++item) values.push_back(parse_real(next_value(item), item));
  return values;
}

std::vector<double> RecordReader::read_record(std::string_view kinds) {
  for (const char kind : kinds) {
    if (kind != 'i' && kind != 'r') throw std::invalid_argument("record kinds are 'i' and 'r'");
  }
  const int count = static_cast<int>(kinds.size());
  start_record(count);
  std::vector<double> values;
  values.reserve(kinds.size());
  for (int item = 1; item <= count; ++item) {
    const std::string_view text = next_value(item);
    values.push_back(kinds[static_cast<std::size_t>(item - 1)] == 'i' ? parse_int(text, item)
                                                                     : parse_real(text, item));
  }
  return values;
}

}  // namespace veldra::engine

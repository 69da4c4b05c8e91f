#include "engine/format/format_program.h"

#include "engine/format/edit_fields.h"

#include <stdexcept>

namespace veldra::engine {
namespace {

constexpr long kMaxRepeat = 10000;
constexpr std::size_t kMaxItems = 100000;  // after unrolling the repeats
constexpr int kMaxDepth = 16;

// An item before neighbouring texts are joined.
struct RawItem {
  explicit RawItem(FormatItem::Kind k, int width = 0, int digits = 0, std::string t = {})
      : kind(k), w(width), d(digits), text(std::move(t)) {}
  FormatItem::Kind kind;
  int w;
  int d;
  std::string text;
};

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_separator(char c) { return c == ',' || is_blank(c); }
char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

class Parser {
 public:
  explicit Parser(std::string_view format) : format_(format) {}

  FormatProgram parse() {
    std::size_t begin = 0;
    std::size_t end = format_.size();
    while (begin < end && is_blank(format_[begin])) ++begin;
    while (end > begin && is_blank(format_[end - 1])) --end;
    // The outer parentheses are optional: strip them when they enclose everything.
    if (begin < end && format_[begin] == '(' && matching_paren(begin) == end - 1) {
      ++begin;
      --end;
    }
    pos_ = begin;
    end_ = end;
    std::vector<RawItem> raw;
    std::size_t last_group = 0;
    bool has_group = false;
    parse_list(raw, 0, &last_group, &has_group);
    return assemble(raw, has_group ? last_group : 0);
  }

 private:
  [[noreturn]] void fail(const char* reason) const {
    throw std::invalid_argument("malformed format \"" + std::string(format_) + "\": " + reason +
                                " at column " + std::to_string(pos_ + 1));
  }

  // Index of the ')' that closes the '(' at `open`, skipping quoted literals;
  // npos when it is not closed.
  std::size_t matching_paren(std::size_t open) const {
    int depth = 0;
    for (std::size_t i = open; i < format_.size(); ++i) {
      const char c = format_[i];
      if (c == '\'' || c == '"') {
        // Skip to the closing quote; a doubled quote is two adjacent literals here,
        // which skips the same characters.
        const std::size_t close = format_.find(c, i + 1);
        if (close == std::string_view::npos) return std::string_view::npos;
        i = close;
      } else if (c == '(') {
        ++depth;
      } else if (c == ')' && --depth == 0) {
        return i;
      }
    }
    return std::string_view::npos;
  }

  bool at_end() const { return pos_ >= end_; }
  char peek() const { return at_end() ? '\0' : format_[pos_]; }

  long read_number() {
    if (!is_digit(peek())) fail("a number is expected");
    long n = 0;
    while (is_digit(peek())) {
      n = n * 10 + (format_[pos_++] - '0');
      if (n > kMaxRepeat) fail("number too large");
    }
    return n;
  }

  int read_bounded(int low, int high, const char* what) {
    const long n = read_number();
    if (n < low || n > high) fail(what);
    return static_cast<int>(n);
  }

  void push(std::vector<RawItem>& out, RawItem item, long count) {
    if (out.size() + static_cast<std::size_t>(count) > kMaxItems) fail("too many items");
    for (long i = 0; i < count; ++i) out.push_back(item);
  }

  std::string read_literal() {
    const char quote = format_[pos_++];
    std::string text;
    for (;;) {
      if (at_end()) fail("unterminated literal");
      const char c = format_[pos_++];
      if (c == quote) {
        if (peek() != quote) return text;
        ++pos_;  // a doubled quote stands for one
      }
      text.push_back(c);
    }
  }

  RawItem read_descriptor(char letter) {
    using Kind = FormatItem::Kind;
    constexpr int kMaxW = fields::kMaxWidth;
    constexpr int kMaxD = fields::kMaxDigits;
    RawItem item(Kind::kText);
    switch (letter) {
      case 'I':
        item.kind = Kind::kI;
        item.w = read_bounded(1, kMaxW, "width out of range");
        item.d = -1;
        if (peek() == '.') {
          ++pos_;
          item.d = read_bounded(0, kMaxD, "digit count out of range");
        }
        return item;
      case 'F':
      case 'E':
      case 'G':
        item.kind = letter == 'F' ? Kind::kF : (letter == 'E' ? Kind::kE : Kind::kG);
        item.w = read_bounded(1, kMaxW, "width out of range");
        if (peek() != '.') fail("\".d\" expected");
        ++pos_;
        item.d = read_bounded(0, kMaxD, "digit count out of range");
        return item;
      default:  // 'A'
        item.kind = Kind::kA;
        item.w = is_digit(peek()) ? read_bounded(1, kMaxW, "width out of range") : -1;
        return item;
    }
  }

  // Parses items up to the end (depth 0) or the closing ')' (inside a group).
  void parse_list(std::vector<RawItem>& out, int depth, std::size_t* last_group,
                  bool* has_group) {
    using Kind = FormatItem::Kind;
    for (;;) {
      while (!at_end() && is_separator(peek())) ++pos_;
      if (at_end()) {
        if (depth > 0) fail("missing \")\"");
        return;
      }
      const char c = peek();
      if (c == ')') {
        if (depth == 0) fail("unbalanced \")\"");
        ++pos_;
        return;
      }
      if (c == '\'' || c == '"') {
        push(out, RawItem(Kind::kText, 0, 0, read_literal()), 1);
        continue;
      }
      if (c == ':') {
        ++pos_;
        push(out, RawItem(Kind::kColon), 1);
        continue;
      }

      long count = 1;
      bool counted = false;
      bool signed_count = false;
      if (c == '+' || c == '-' || is_digit(c)) {
        const bool minus = c == '-';
        if (!is_digit(c)) {
          ++pos_;
          signed_count = true;
        }
        count = read_number();
        if (minus) count = -count;
        counted = true;
      }
      if (at_end()) fail("an edit descriptor is expected");
      const char letter = upper(format_[pos_]);
      if (letter == 'P') {
        if (!counted) fail("a scale factor needs its number");
        if (count < -fields::kMaxScale || count > fields::kMaxScale) fail("scale factor out of range");
        ++pos_;
        push(out, RawItem(Kind::kScale, 0, static_cast<int>(count)), 1);
        continue;
      }
      if (signed_count) fail("a sign is only allowed before P");
      if (count < 1) fail("a count must be positive");
      ++pos_;
      switch (letter) {
        case '(': {
          if (depth + 1 > kMaxDepth) fail("groups nested too deep");
          std::vector<RawItem> group;
          parse_list(group, depth + 1, nullptr, nullptr);
          if (depth == 0) {
            *last_group = out.size();
            *has_group = true;
          }
          if (out.size() + group.size() * static_cast<std::size_t>(count) > kMaxItems) {
            fail("too many items");
          }
          for (long i = 0; i < count; ++i) out.insert(out.end(), group.begin(), group.end());
          break;
        }
        case 'X':
          push(out, RawItem(Kind::kText, 0, 0, std::string(static_cast<std::size_t>(count), ' ')),
               1);
          break;
        case '/':
          push(out, RawItem(Kind::kText, 0, 0, std::string(static_cast<std::size_t>(count), '\n')),
               1);
          break;
        case 'I':
        case 'F':
        case 'E':
        case 'G':
        case 'A':
          push(out, read_descriptor(letter), count);
          break;
        default:
          --pos_;
          fail("unknown edit descriptor");
      }
    }
  }

  // Joins neighbouring texts, except across the reversion point, which must stay the
  // start of an item.
  static FormatProgram assemble(const std::vector<RawItem>& raw, std::size_t reversion) {
    using Kind = FormatItem::Kind;
    FormatProgram program;
    program.items.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
      const RawItem& r = raw[i];
      if (i == reversion) program.reversion = program.items.size();
      if (r.kind == Kind::kText) {
        if (r.text.empty()) continue;
        const bool at_reversion = i >= reversion && program.items.size() == program.reversion;
        const bool join = !at_reversion && !program.items.empty() &&
                          program.items.back().kind == Kind::kText;
        if (!join) {
          FormatItem item;
          item.kind = Kind::kText;
          item.text_begin = static_cast<std::uint32_t>(program.text.size());
          program.items.push_back(item);
        }
        program.text += r.text;
        program.items.back().text_size += static_cast<std::uint32_t>(r.text.size());
        continue;
      }
      FormatItem item;
      item.kind = r.kind;
      item.w = r.w;
      item.d = r.d;
      program.items.push_back(item);
      if (i >= reversion && item.is_data()) program.reversion_has_data = true;
    }
    if (reversion >= raw.size()) program.reversion = program.items.size();
    return program;
  }

  std::string_view format_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

}  // namespace

FormatProgram parse_format(std::string_view format) { return Parser(format).parse(); }

}  // namespace veldra::engine

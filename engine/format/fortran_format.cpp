#include "engine/format/fortran_format.h"

#include "engine/format/edit_fields.h"
#include "engine/format/format_program.h"

#include <functional>
#include <ostream>
#include <stdexcept>
#include <unordered_map>

namespace veldra::engine {

struct FortranFormat::Impl {
  FormatProgram program;
};

namespace {

using Kind = FormatItem::Kind;

void write_value(std::string& out, const FormatItem& item, const FormatValue& value, int scale) {
  const auto* integer = std::get_if<long long>(&value);
  const auto* real = std::get_if<double>(&value);
  const auto* text = std::get_if<std::string_view>(&value);
  switch (item.kind) {
    case Kind::kI:
      if (integer) {
        fields::append_i(out, *integer, item.w, item.d);
      } else {
        fields::append_stars(out, item.w);
      }
      return;
    case Kind::kF:
    case Kind::kE:
      if (text) {
        fields::append_stars(out, item.w);
        return;
      }
      {
        const double x = real ? *real : static_cast<double>(*integer);
        if (item.kind == Kind::kF) {
          fields::append_f(out, x, item.w, item.d, scale);
        } else {
          fields::append_e(out, x, item.w, item.d, scale);
        }
      }
      return;
    case Kind::kG:
      // Fortran's G edits any kind: an integer as Iw, a text as Aw.
      if (real) {
        fields::append_g(out, *real, item.w, item.d, scale);
      } else if (integer) {
        fields::append_i(out, *integer, item.w, -1);
      } else {
        fields::append_a(out, *text, item.w);
      }
      return;
    case Kind::kA:
      if (text) {
        fields::append_a(out, *text, item.w);
      } else {
        fields::append_stars(out, item.w < 0 ? 1 : item.w);
      }
      return;
    default:
      return;
  }
}

void check_width(int w, int d) {
  if (w < 1 || w > fields::kMaxWidth || d < 0 || d > fields::kMaxDigits) {
    throw std::invalid_argument("field width or digit count out of range");
  }
}

void check_scale(int scale) {
  if (scale < -fields::kMaxScale || scale > fields::kMaxScale) {
    throw std::invalid_argument("scale factor out of range");
  }
}

// Parsed formats by their text. One cache per thread: engines running on several
// threads never share or lock it.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept {
    return std::hash<std::string_view>{}(text);
  }
};

const FortranFormat& cached_format(std::string_view text) {
  // A program uses a fixed set of layouts; the bound only matters for a caller that
  // builds format texts at run time, whose cache would otherwise grow without end.
  constexpr std::size_t kCacheLimit = 4096;
  thread_local std::unordered_map<std::string, FortranFormat, TextHash, std::equal_to<>> cache;
  if (const auto it = cache.find(text); it != cache.end()) return it->second;
  FortranFormat parsed(text);  // throws before anything is stored
  if (cache.size() >= kCacheLimit) cache.clear();
  return cache.emplace(std::string(text), std::move(parsed)).first->second;
}

}  // namespace

FortranFormat::FortranFormat(std::string_view format)
    : impl_(std::make_unique<Impl>(Impl{parse_format(format)})) {}
FortranFormat::~FortranFormat() = default;
FortranFormat::FortranFormat(const FortranFormat& other)
    : impl_(std::make_unique<Impl>(*other.impl_)) {}
FortranFormat& FortranFormat::operator=(const FortranFormat& other) {
  if (this != &other) impl_ = std::make_unique<Impl>(*other.impl_);
  return *this;
}
FortranFormat::FortranFormat(FortranFormat&&) noexcept = default;
FortranFormat& FortranFormat::operator=(FortranFormat&&) noexcept = default;

std::string FortranFormat::format(const std::vector<FormatValue>& values) const {
  std::string out;
  format_to(out, values);
  return out;
}

void FortranFormat::format_to(std::string& out, std::span<const FormatValue> values) const {
  const FormatProgram& program = impl_->program;
  const std::vector<FormatItem>& items = program.items;
  std::size_t next = 0;  // next value
  std::size_t i = 0;     // next item
  int scale = 0;         // kP stays in effect through reversion, as in Fortran
  for (;;) {
    if (i == items.size()) {
      if (next >= values.size() || !program.reversion_has_data) return;
      out.push_back('\n');
      i = program.reversion;
      continue;
    }
    const FormatItem& item = items[i++];
    switch (item.kind) {
      case Kind::kText:
        out.append(program.text, item.text_begin, item.text_size);
        break;
      case Kind::kColon:
        if (next >= values.size()) return;
        break;
      case Kind::kScale:
        scale = item.d;
        break;
      default:
        if (next >= values.size()) return;
        write_value(out, item, values[next++], scale);
        break;
    }
  }
}

void fwrite(std::ostream& out, std::string_view format, std::initializer_list<FormatValue> values) {
  // One reused line buffer per thread keeps the report writer free of allocations
  // once the longest line has been seen.
  thread_local std::string line;
  line.clear();
  cached_format(format).format_to(line, std::span<const FormatValue>(values.begin(), values.size()));
  line.push_back('\n');
  out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

std::string fformat(std::string_view format, std::initializer_list<FormatValue> values) {
  std::string out;
  cached_format(format).format_to(out, std::span<const FormatValue>(values.begin(), values.size()));
  return out;
}

std::string format_i(long long value, int w, int m) {
  check_width(w, m < 0 ? 0 : m);
  std::string out;
  fields::append_i(out, value, w, m < 0 ? -1 : m);
  return out;
}

std::string format_f(double value, int w, int d, int scale) {
  check_width(w, d);
  check_scale(scale);
  std::string out;
  fields::append_f(out, value, w, d, scale);
  return out;
}

std::string format_e(double value, int w, int d, int scale) {
  check_width(w, d);
  check_scale(scale);
  std::string out;
  fields::append_e(out, value, w, d, scale);
  return out;
}

std::string format_g(double value, int w, int d, int scale) {
  check_width(w, d);
  check_scale(scale);
  std::string out;
  fields::append_g(out, value, w, d, scale);
  return out;
}

std::string format_a(std::string_view text, int w) {
  check_width(w, 0);
  std::string out;
  fields::append_a(out, text, w);
  return out;
}

double round_trip_e(double value, int w, int d) {
  check_width(w, d);
  if (d < 1) throw std::invalid_argument("Ew.0 carries no digit");
  return fields::round_to_significant(value, d);
}

}  // namespace veldra::engine

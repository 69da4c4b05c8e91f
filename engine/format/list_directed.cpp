#include "engine/format/edit_fields.h"
#include "engine/format/fortran_format.h"

#include <charconv>
#include <ostream>

namespace veldra::engine {
namespace {

void append_list(std::string& out, std::initializer_list<FormatValue> values) {
  for (const FormatValue& value : values) {
    out.push_back(' ');
    if (const auto* integer = std::get_if<long long>(&value)) {
      char buf[24];
      out.append(buf, static_cast<std::size_t>(
                          std::to_chars(buf, buf + sizeof buf, *integer).ptr - buf));
    } else if (const auto* real = std::get_if<double>(&value)) {
      fields::append_list_real(out, *real);
    } else {
      out.append(std::get<std::string_view>(value));
    }
  }
  out.push_back('\n');
}

}  // namespace

void write_list(std::ostream& out, std::initializer_list<FormatValue> values) {
  thread_local std::string line;
  line.clear();
  append_list(line, values);
  out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

std::string list_line(std::initializer_list<FormatValue> values) {
  std::string out;
  append_list(out, values);
  return out;
}

}  // namespace veldra::engine

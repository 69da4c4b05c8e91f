#include "app/about_info.h"

#include <charconv>

namespace veldra::app {

CalendarDate ParseReleaseDate(std::string_view text) {
  if (text.size() != 8 || text[2] != '/' || text[5] != '/') return {};
  auto number = [&text](std::size_t at) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + 2, value);
    return error == std::errc{} && end == text.data() + at + 2 ? value : -1;
  };
  const int month = number(0);
  const int day = number(3);
  const int year = number(6);
  if (month < 1 || month > 12 || day < 1 || day > 31 || year < 0) return {};
  return {2000 + year, month, day};
}

}  // namespace veldra::app

// The texts of the about box.
#ifndef VELDRA_APP_ABOUT_INFO_H
#define VELDRA_APP_ABOUT_INFO_H

#include <string_view>

namespace veldra::app {

inline constexpr const char* kProductName = "Veldra";
inline constexpr const char* kProductDescription = "A program for the analysis of flexible retaining structures";
// The release date as the build records it: month, day and two-digit year.
inline constexpr const char* kReleaseDateText = "01/05/18";

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const CalendarDate&) const = default;
};

// "MM/DD/YY" read as month, day and year after 2000; {0, 0, 0} for any other text.
CalendarDate ParseReleaseDate(std::string_view text);

}  // namespace veldra::app

#endif  // VELDRA_APP_ABOUT_INFO_H

// The release date of the about box.
#include "app/about_info.h"

#include <gtest/gtest.h>

namespace veldra::app {
namespace {

TEST(AboutInfo, ReleaseDateIsMonthDayAndYearAfter2000) {
  EXPECT_EQ(ParseReleaseDate(kReleaseDateText), (CalendarDate{2018, 1, 5}));
  EXPECT_EQ(ParseReleaseDate("12/31/99"), (CalendarDate{2099, 12, 31}));
  for (const char* bad : {"", "1/5/18", "13/05/18", "01/00/18", "01-05-18", "0a/05/18"})
    EXPECT_EQ(ParseReleaseDate(bad), CalendarDate{}) << bad;
}

}  // namespace
}  // namespace veldra::app

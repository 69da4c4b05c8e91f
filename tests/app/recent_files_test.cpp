// The recent-file list of the File menu.
#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace veldra::app {
namespace {

std::vector<std::string> Entries(const RecentFiles& recent) {
  std::vector<std::string> entries;
  for (int k = 1; k <= kRecentFileCount; ++k) entries.push_back(recent.Entry(k));
  return entries;
}

RecentFiles Filled(int count) {
  RecentFiles recent;
  for (int k = count; k >= 1; --k) recent.Update("/w/f" + std::to_string(k));
  return recent;
}

TEST(RecentFiles, ANewFileGoesFirst) {
  RecentFiles recent = Filled(3);
  recent.Update("/w/new");
  EXPECT_EQ(recent.Count(), 4);
  EXPECT_EQ(Entries(recent), (std::vector<std::string>{"/w/new", "/w/f1", "/w/f2", "/w/f3", "", "", "", "", "", ""}));
}

TEST(RecentFiles, ReopeningKeepsOneEntry) {
  RecentFiles recent = Filled(4);
  recent.Update("/w/f1");  // already first: nothing moves
  EXPECT_EQ(Entries(recent)[0], "/w/f1");
  recent.Update("/w/f3");  // moves to the front, those before it move down
  EXPECT_EQ(recent.Count(), 4);
  EXPECT_EQ(Entries(recent), (std::vector<std::string>{"/w/f3", "/w/f1", "/w/f2", "/w/f4", "", "", "", "", "", ""}));
}

TEST(RecentFiles, TheEleventhDropsTheOldest) {
  RecentFiles recent = Filled(10);
  EXPECT_EQ(recent.Entry(10), "/w/f10");
  recent.Update("/w/f11");
  EXPECT_EQ(recent.Count(), 10);
  EXPECT_EQ(recent.Entry(1), "/w/f11");
  EXPECT_EQ(recent.Entry(10), "/w/f9");
  // The last entry reopened moves to the front without losing another.
  recent.Update("/w/f9");
  EXPECT_EQ(Entries(recent),
            (std::vector<std::string>{"/w/f9", "/w/f11", "/w/f1", "/w/f2", "/w/f3", "/w/f4", "/w/f5", "/w/f6",
                                      "/w/f7", "/w/f8"}));
}

TEST(RecentFiles, MenuTextIsRelativeInsideTheCurrentFolder) {
  const struct {
    const char* path;
    const char* current;
    const char* text;
  } cases[] = {{"/work/walls/a.vd5d", "/work/walls", "3 a.vd5d"},
               {"/work/walls/sub/a.vd5d", "/work/walls", "3 sub/a.vd5d"},
               {"/work/walls/sub/../a.vd5d", "/work/walls/", "3 a.vd5d"},
               {"/work/other/a.vd5d", "/work/walls", "3 /work/other/a.vd5d"},
               {"/work/wallsx/a.vd5d", "/work/walls", "3 /work/wallsx/a.vd5d"},
               {"/a.vd5d", "/", "3 a.vd5d"}};
  for (const auto& c : cases) EXPECT_EQ(RecentFileText(3, c.path, c.current), c.text) << c.path;
}

}  // namespace
}  // namespace veldra::app

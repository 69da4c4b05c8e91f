// Captions, names and the confirm-discard decision of the file commands.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <vector>

namespace veldra::app {
namespace {

TEST(FileNames, DisplayName) {
  const struct {
    const char* path;
    const char* shown;
  } cases[] = {{"/work/walls/wall.vd5d", "Wall.vd5d"},
               {"NewWall.vd5d", "NewWall.vd5d"},
               {"/w/old.wall.VDD", "Old"},  // a ".vdd" name is cut at its first "."
               {"/w/old.vd4d", "Old.vd4d"},
               {"/w/x", "x"},  // one character stays as it is
               {"/w/xy", "Xy"}};
  for (const auto& c : cases) EXPECT_EQ(DisplayName(c.path), c.shown) << c.path;
}

TEST(FileNames, CaptionsAndMessagesNameTheFile) {
  EXPECT_EQ(MainCaption("/w/wall.vd5d"), "VELDRA 2015.5.18 - Wall.vd5d");
  EXPECT_EQ(HasBeenReadMessage("/w/wall.vd5d"), "Data file: Wall.vd5d, has been read by VELDRA 2015");
  EXPECT_EQ(SaveAsTitle("/w/wall.vd4d"), "Save Wall.vd4d As");
}

TEST(FileNames, SaveAsProposesTheCurrentFormat) {
  EXPECT_EQ(SaveAsProposal("/w/wall.vd4d"), "/w/wall.vd5d");
  EXPECT_EQ(SaveAsProposal("/w/wall.vdd"), "/w/wall.vd5d");
  EXPECT_EQ(SaveAsProposal("/w/wall.vd5d"), "/w/wall.vd5d");
  EXPECT_EQ(SaveAsProposal("NewWall.vd5d"), "NewWall.vd5d");
}

TEST(FileNames, CommandLineNameWithoutExtensionIsA2013File) {
  EXPECT_EQ(CommandLineDataFile("wall"), "wall.vd4d");
  EXPECT_EQ(CommandLineDataFile("/my.projects/wall"), "/my.projects/wall.vd4d");
  EXPECT_EQ(CommandLineDataFile("wall.vd5d"), "wall.vd5d");
}

TEST(FileNames, FormatOfTheOpenDialogsFilter) {
  EXPECT_EQ(FormatOfFilter("Veldra 2015 (*.vd5d)"), 1);
  EXPECT_EQ(FormatOfFilter("Veldra 2013 (*.vd4d)"), 2);
  EXPECT_EQ(FormatOfFilter("Veldra 3.0 (*.vdd)"), 3);
  EXPECT_EQ(FormatOfFilter("Veldra 2.0 (*.vdd)"), 4);
  EXPECT_EQ(FormatOfFilter("All Files (*)"), 5);
  EXPECT_EQ(FormatOfFilter("something else"), 1);
}

TEST(ConfirmDiscard, Outcomes) {
  const struct {
    const char* name;
    bool modified;
    DiscardAnswer answer;
    bool saved;
    bool goes_on;
    bool asks;
    bool saves;
  } cases[] = {
      {"unmodified", false, DiscardAnswer::kCancel, false, true, false, false},
      {"no", true, DiscardAnswer::kNo, false, true, true, false},
      {"cancel", true, DiscardAnswer::kCancel, true, false, true, false},
      {"yes, saved", true, DiscardAnswer::kYes, true, true, true, true},
      // Save turned into Save As and the user cancelled it: nothing was written.
      {"yes, save cancelled", true, DiscardAnswer::kYes, false, false, true, true},
  };
  for (const auto& c : cases) {
    int asked = 0, saves = 0;
    const bool goes_on = ConfirmDiscard(
        c.modified,
        [&] {
          ++asked;
          return c.answer;
        },
        [&] {
          ++saves;
          return c.saved;
        });
    EXPECT_EQ(goes_on, c.goes_on) << c.name;
    EXPECT_EQ(asked, c.asks ? 1 : 0) << c.name;
    EXPECT_EQ(saves, c.saves ? 1 : 0) << c.name;
  }
}

}  // namespace
}  // namespace veldra::app

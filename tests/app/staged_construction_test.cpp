// Staged problems: stage files split from and joined into the data file, switching
// and copying stages, the stage count, and staged files of older formats.
#include "app/staged_construction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/data_file_writer.h"
#include "framework/file_errors.h"
#include "app/problem_files.h"
#include "app/stage_files.h"
#include "app/word_reader.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;

std::string FirstLine(const fs::path& file) { return TextLines(read_file(file)).front(); }

// Text of a stage file without its first line and its stage number.
std::string StageBody(const fs::path& file) {
  std::vector<std::string> lines = TextLines(read_file(file));
  std::string body;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) body += lines[i] + "\n";
  return body;
}

// A new problem named in `dir`, with a recognisable wall height.
TProgramData& NamedProblem(TMainModel& model, const TempDir& dir, long double wall_height = 120) {
  TProgramData& p = model.Problem();
  p.FileName = (dir / "wall.vd5d").string();
  p.Title = "STAGED WALL";
  p.WallHeight = wall_height;
  return p;
}

TEST(StageFiles, NamesFollowTheDataFile) {
  EXPECT_EQ(StageFilePath("dir/wall.vd5d", 3), fs::path("dir/wall.st3"));
  EXPECT_EQ(StageFilePath("wall", 1), fs::path("wall.st1"));
}

TEST(StageFiles, BlocksAreSplitByTheirMarkLinesNotByTheirNumbers) {
  const std::vector<std::string> lines = {"TITLE WITH Stage No : IN IT", "1", " Stage No : 3", "3",
                                          " Stage No : 2", "2", " Stage No : 9"};
  const std::vector<std::vector<std::string>> blocks = StageBlocks(lines);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0], (std::vector<std::string>{"TITLE WITH Stage No : IN IT", "1"}));
  EXPECT_EQ(blocks[1], (std::vector<std::string>{" Stage No : 3", "3"}));
  // The last line never starts a stage.
  EXPECT_EQ(blocks[2], (std::vector<std::string>{" Stage No : 2", "2", " Stage No : 9"}));
}

TEST(StageFiles, SplittingAReorderedFileWritesTheBlocksInFileOrder) {
  TempDir dir;
  write_file(dir / "wall.vd5d", "FIRST\nA\n Stage No : 3\nC\n Stage No : 2\nB\n");
  write_file(dir / "wall.st5", "left from before");
  SplitCombinedFile(dir / "wall.vd5d", 3);
  EXPECT_EQ(read_file(dir / "wall.st1"), "FIRST\nA\n");
  EXPECT_EQ(read_file(dir / "wall.st2"), " Stage No : 3\nC\n");
  EXPECT_EQ(read_file(dir / "wall.st3"), " Stage No : 2\nB\n");
  EXPECT_FALSE(fs::exists(dir / "wall.st5"));
  // Joined again, the stage files give the file back.
  CombineStageFiles(dir / "joined.vd5d", dir / "wall.vd5d", 3);
  EXPECT_EQ(read_file(dir / "joined.vd5d"), read_file(dir / "wall.vd5d"));
}

TEST(StageFiles, LongStagesAreCopiedWhole) {
  TempDir dir;
  std::string text = "FIRST\n";
  for (int i = 0; i < 700; ++i) text += std::to_string(i) + "\t" + std::to_string(-i) + "\n";
  text += " Stage No : 2\n";
  for (int i = 0; i < 700; ++i) text += std::to_string(i) + "\n";
  write_file(dir / "wall.vd5d", text);
  SplitCombinedFile(dir / "wall.vd5d", 2);
  EXPECT_EQ(TextLines(read_file(dir / "wall.st1")).size(), 701u);
  CombineStageFiles(dir / "joined.vd5d", dir / "wall.vd5d", 2);
  EXPECT_EQ(read_file(dir / "joined.vd5d"), text);
}

TEST(StageFiles, CombiningWithAMissingStageFileLeavesTheTarget) {
  TempDir dir;
  write_file(dir / "wall.st1", "ONE\n");
  write_file(dir / "wall.vd5d", "previous\n");
  EXPECT_THROW(CombineStageFiles(dir / "wall.vd5d", dir / "wall.vd5d", 2), fw::EFileError);
  EXPECT_EQ(read_file(dir / "wall.vd5d"), "previous\n");
}

TEST(StageCount, RaisingFromOneToThreeWritesThreeEqualStages) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = NamedProblem(model, dir);
  EXPECT_TRUE(ApplyStageCount(model, 3).empty());
  EXPECT_EQ(p.StageCount, 3);
  EXPECT_EQ(p.CurrentStage, 1);
  EXPECT_EQ(p.Title, "STAGED WALL");
  EXPECT_TRUE(model.IsModified());
  EXPECT_EQ(FirstLine(dir / "wall.st1"), "STAGED WALL");
  EXPECT_EQ(FirstLine(dir / "wall.st2"), " Stage No : 2");
  EXPECT_EQ(FirstLine(dir / "wall.st3"), " Stage No : 3");
  EXPECT_EQ(StageBody(dir / "wall.st2"), StageBody(dir / "wall.st1"));
  EXPECT_EQ(StageBody(dir / "wall.st3"), StageBody(dir / "wall.st1"));
  EXPECT_EQ(TextLines(read_file(dir / "wall.st3")).back(), "3");
  EXPECT_NE(StageBody(dir / "wall.st1").find("1 0\t1\t0\t2\t2 0 3 0 0\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "wall.st4"));
}

TEST(StageCount, LoweringFromFourToTwoDeletesStagesThreeAndFour) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = NamedProblem(model, dir);
  ApplyStageCount(model, 4);
  SwitchToStage(model, 3);
  ApplyStageCount(model, 2);
  EXPECT_EQ(p.StageCount, 2);
  EXPECT_EQ(p.CurrentStage, 1);
  EXPECT_TRUE(fs::exists(dir / "wall.st2"));
  EXPECT_FALSE(fs::exists(dir / "wall.st3"));
  EXPECT_FALSE(fs::exists(dir / "wall.st4"));
  EXPECT_NE(read_file(dir / "wall.st2").find("\n1 0\t1\t0\t2\t2 0 2 0 0\n"), std::string::npos);
  // One stage: no stage files at all.
  ApplyStageCount(model, 1);
  EXPECT_FALSE(fs::exists(dir / "wall.st1"));
  EXPECT_FALSE(fs::exists(dir / "wall.st2"));
}

TEST(StageSwitch, ShowsTheOtherStageAndKeepsTheModifiedState) {
  for (bool modified : {false, true}) {
    SCOPED_TRACE(modified);
    TempDir dir;
    TMainModel model;
    TProgramData& p = NamedProblem(model, dir);
    ApplyStageCount(model, 2);
    p.WallHeight = 144;  // stage 1 is edited ...
    model.SetModified(modified);
    SwitchToStage(model, 2);  // ... and written when stage 2 is shown
    EXPECT_EQ(model.IsModified(), modified);
    EXPECT_EQ(p.CurrentStage, 2);
    EXPECT_EQ(p.Title, " Stage No : 2");
    EXPECT_EQ(p.WallHeight, 120);
    EXPECT_EQ(StageStatusText(p), "Construction Stage Number: 2");
    p.WallHeight = 240;
    SwitchToStage(model, 1);
    EXPECT_EQ(p.Title, "STAGED WALL");
    EXPECT_EQ(p.WallHeight, 144);
    SwitchToStage(model, 2);
    EXPECT_EQ(p.WallHeight, 240);
    // The combined file keeps stage 1's title on its first line.
    SaveProblem(model);
    const std::vector<std::string> lines = TextLines(read_file(dir / "wall.vd5d"));
    EXPECT_EQ(lines.front(), "STAGED WALL");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " Stage No : 2"), 1);
  }
}

TEST(StageSwitch, TheStageShownIsNotWrittenAgain) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = NamedProblem(model, dir);
  p.StageCount = 2;  // staged, but no stage file written yet
  SwitchToStage(model, 1);
  SwitchToStage(model, 7);
  EXPECT_FALSE(fs::exists(dir / "wall.st1"));
  EXPECT_EQ(p.CurrentStage, 1);
}

TEST(StageCopy, CopiesThePreviousStageAndLeavesTheStateClear) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = NamedProblem(model, dir);
  ApplyStageCount(model, 2);
  p.WallHeight = 150;
  SwitchToStage(model, 2);
  p.WallHeight = 300;
  model.SetModified(true);
  CopyPreviousStage(model);
  EXPECT_FALSE(model.IsModified());
  EXPECT_EQ(p.CurrentStage, 2);
  EXPECT_EQ(p.WallHeight, 150);
  EXPECT_EQ(FirstLine(dir / "wall.st2"), " Stage No : 2");
  EXPECT_EQ(StageBody(dir / "wall.st2"), StageBody(dir / "wall.st1"));
}

TEST(StagedFiles, OpeningTheThreeStageExampleSplitsItAndSavingJoinsItAgain) {
  TempDir dir;
  fs::copy_file(ExampleFile("three-stage-excavation.vd5d"), dir / "wall.vd5d");
  TMainModel model;
  const OpenResult opened = OpenProblem(model, dir / "wall.vd5d", kFormatCurrent);
  ASSERT_TRUE(opened.load.complete) << opened.load.message;
  EXPECT_EQ(model.Problem().StageCount, 3);
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(fs::exists(dir / ("wall.st" + std::to_string(n))));
  EXPECT_EQ(FirstLine(dir / "wall.st3"), " Stage No : 3");
  // Stage 3 as the model reads it.
  SwitchToStage(model, 3);
  EXPECT_EQ(model.Problem().Title, " Stage No : 3");
  EXPECT_EQ(model.Problem().WallHeight, 240);
  SwitchToStage(model, 1);
  SaveProblem(model);
  const std::string original = read_file(ExampleFile("three-stage-excavation.vd5d"));
  // Stages 3 and 1 went through the loader and the writer on the way.
  EXPECT_EQ(read_file(dir / "wall.vd5d"), original);
}

TEST(StagedFiles, AnOlderStagedFileIsConvertedStageByStage) {
  TempDir dir;
  fs::copy_file(DataFile("staged-2013.vd4d"), dir / "staged.vd4d");
  TMainModel model;
  const OpenResult opened = OpenProblem(model, dir / "staged.vd4d", kFormat2013);
  ASSERT_TRUE(opened.load.complete) << opened.load.message;
  EXPECT_TRUE(opened.stage_issues.empty());
  const TProgramData& p = model.Problem();
  EXPECT_EQ(p.CurrentStage, 1);
  EXPECT_TRUE(p.Has2013Records);
  EXPECT_TRUE(p.Has2015Records);
  // Each stage file is now in the current format: ten control values, six wall
  // values (written in the file's layout).
  const std::vector<std::string> stage2 = TextLines(read_file(dir / "staged.st2"));
  EXPECT_EQ(stage2[0], " Stage No : 2");
  EXPECT_EQ(stage2[1], "2 0\t1\t0\t1\t1 1 2 0 0");
  EXPECT_EQ(stage2[2], "20 0.25\t0.5\t0.00001\t3\t0");
  EXPECT_EQ(stage2.back(), "2");
}

TEST(StagedFiles, SaveAsMovesTheStageFilesAndKeepsTheStageShown) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = NamedProblem(model, dir);
  ApplyStageCount(model, 2);
  SwitchToStage(model, 2);
  p.WallHeight = 222;  // not yet in any stage file
  SaveProblemAs(model, dir / "renamed.vd5d");
  EXPECT_EQ(p.FileName, (dir / "renamed.vd5d").string());
  EXPECT_FALSE(fs::exists(dir / "wall.st1"));
  EXPECT_TRUE(fs::exists(dir / "renamed.st1"));
  EXPECT_TRUE(fs::exists(dir / "renamed.st2"));
  EXPECT_NE(read_file(dir / "renamed.vd5d").find("\t222\t"), std::string::npos);
  EXPECT_EQ(read_file(dir / "renamed.vd5d"), read_file(dir / "renamed.st1") + read_file(dir / "renamed.st2"));
}

TEST(ProblemFiles, AFailedSaveAsKeepsTheName) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = NamedProblem(model, dir);
  EXPECT_THROW(SaveProblemAs(model, dir / "missing" / "new.vd5d"), fw::EFileError);
  EXPECT_EQ(p.FileName, (dir / "wall.vd5d").string());
}

TEST(ProblemFiles, SaveNeedsANameForNewAndOlderFiles) {
  TMainModel model;
  TProgramData& p = model.Problem();
  EXPECT_TRUE(NeedsSaveAs(p));
  p.FileName = "old.vd4d";
  EXPECT_TRUE(NeedsSaveAs(p));
  p.FileName = "wall.VD5D";
  EXPECT_FALSE(NeedsSaveAs(p));
}

}  // namespace
}  // namespace veldra::app::test

// The data-file writer: the exact layout of every record, the unit conversions of
// the file, and saving without ever destroying the previous file.
#include "app/data_file_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <locale>
#include <string>
#include <vector>

#include "app/main_model.h"
#include "app/safe_file_write.h"
#include "framework/file_errors.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;

void SetRow(fw::TGridTable& table, int row, std::initializer_list<long double> values) {
  if (table.RowCount() <= row) table.SetRowCount(row + 1);
  int c = 0;
  for (long double value : values) {
    const fw::ColumnKind kind = table.Column(c).Kind();
    if (kind == fw::ColumnKind::kTable) ++c;  // the sub-table column is filled apart
    if (table.Column(c).Kind() == fw::ColumnKind::kFloat) {
      table.Cell(c, row).SetFloat(value);
    } else {
      table.Cell(c, row).SetInteger(static_cast<int>(value));
    }
    ++c;
  }
}

// A small English problem with one row in every table.
void BuildLayoutProblem(TProgramData& p) {
  p.Title = "LAYOUT";
  p.Increments = 10;
  p.IncrementLength = 12;
  p.WallHeight = 60;
  p.ActiveWidth = 12;
  p.PYWidth = 12;
  p.WaterDepthBackfill = 24;
  p.WaterDepthExcavation = 84;
  p.BackfillSlope = 5;
  p.UniformSurcharge = 0.5;
  p.SetEarthPressureOption(3);
  for (ApplyOption option :
       {ApplyOption::kRestraints, ApplyOption::kConcentratedLoads, ApplyOption::kSprings, ApplyOption::kExternalPY,
        ApplyOption::kEICurves, ApplyOption::kPYModification, ApplyOption::kSurcharge, ApplyOption::kTiebacks})
    p.SetApplyOption(option, true);
  SetRow(p.Table(Restraints::kName), 0, {2, 10, 0, 0.001});
  SetRow(p.Table(WallStiffness::kName), 0, {0, 10, 2, 5.34e9});
  SetRow(p.Table(ConcentratedLoads::kName), 0, {1, 0, 0, 1000, 0, 50});
  SetRow(p.Table(Springs::kName), 0, {2, 3, 5, 200.5, 0});
  SetRow(p.Table(Tiebacks::kName), 0, {5, 1.5, 29000000, 20, 15, 8, 40000});
  SetRow(p.Table(PYModification::kName), 0, {3, 0.8, 1});
  SetRow(p.Table(PYModification::kName), 1, {6, 0.9, 1});
  SetRow(p.Table(Surcharges::kName), 0, {3, 2, 36, 24});
  fw::TGridTable& layers = p.Table(SoilLayers::kName);
  SetRow(layers, 0, {1, 10});
  SetRow(*layers.Cell(2, 0).AsTable(), 0, {110, 288, 0.01, 30, 0});
  SetRow(*layers.Cell(2, 0).AsTable(), 1, {110, 432, 0.01, 30, 0});
  SetRow(layers, 1, {4, 40});
  SetRow(*layers.Cell(2, 1).AsTable(), 0, {120, 32, 60, 0.4});
  SetRow(*layers.Cell(2, 1).AsTable(), 1, {120, 32, 60, 0.4});
  fw::TGridTable& curves = p.Table(PYCurveSets::kName);
  curves.SetRowCount(1);
  SetRow(curves, 0, {8, 1, 1.5});
  SetRow(*curves.Cell(1, 0).AsTable(), 0, {-1, 10});
  SetRow(*curves.Cell(1, 0).AsTable(), 1, {1, -10});
  fw::TGridTable& ei = p.Table(MomentEICurveSets::kName);
  SetRow(ei, 0, {0, 10});
  SetRow(*ei.Cell(2, 0).AsTable(), 0, {100000, 5.34e9});
  SetRow(*ei.Cell(2, 0).AsTable(), 1, {200000, 4e9});
}

TEST(DataFileWriter, LaysOutEveryRecordAsTheEngineReadsIt) {
  TMainModel model;
  TProgramData& p = model.Problem();
  BuildLayoutProblem(p);
  p.DeriveControlValues();
  // English: p-y modification and layer depths in inches, unit weights per cubic
  // inch, cohesions per square inch; placeholders "0.0" with two blanks.
  EXPECT_EQ(DataFileText(p),
            "LAYOUT\n"
            "1 1\t1\t2\t3\t2 1 1 1 1\n"
            "10 12\t100\t0.00001\t60\t12\n"
            "2\t10\t0\t0.001\n"
            "0\t10\t1\t5.34E9\n"
            "1\n"
            "1\t0\t0\t1000\t0\t50\n"
            "1\n"
            "3\t5\t2\t200.5\t0\n"
            "5\t1.5\t29000000\t20\t15\t8\t40000\n"
            "36\t0.8\t1\n"
            "72\t0.9\t1\n"
            "60\t12\t12\t24\t84\t1\t1\t5\n"
            "0.5\t0\t0\t0\t0\t0\n"
            "1\n"
            "3\t2\t36\t24\n"
            "2\n"
            "1 120 \n"
            "0.063657407 2 0.0  0.01 30 0 \n"
            "0.063657407 3 0.0  0.01 30 0 \n"
            "4 480 \n"
            "0.069444444 0.0  32 0.0  60 0.4 \n"
            "0.069444444 0.0  32 0.0  60 0.4 \n"
            "8\t2\t1\t1.5\n"
            "-1\t10\n"
            "1\t-10\n"
            "0\t10\t2\n"
            "100000\t5.34E9\n"
            "200000\t4E9\n"
            "0\n");
}

TEST(DataFileWriter, WritesRecordElevenToThirteenExactlyWhenTheEngineReadsThem) {
  const struct {
    int option;
    bool generate_py;
    const char* control;
    bool distribution;
    bool configuration;
  } cases[] = {
      {2, true, "1 0\t1\t0\t2\t2 0 1 0 0", false, true},
      {3, true, "1 0\t1\t0\t3\t2 0 1 0 0", false, true},
      {1, true, "1 0\t1\t0\t1\t2 0 1 0 0", true, true},
      {1, false, "1 0\t1\t0\t1\t0 0 1 0 0", true, false},
      {2, false, "1 0\t1\t0\t0\t0 0 1 0 0", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    TMainModel model;
    TProgramData& p = model.Problem();
    p.SetEarthPressureOption(c.option);
    p.GeneratePY = c.generate_py;
    SetRow(p.Table(PressureDistribution::kName), 0, {10, 1200});
    p.ActiveFactor = 0.75;
    p.DeriveControlValues();
    const std::string text = DataFileText(p);
    EXPECT_NE(text.find("\n" + std::string(c.control) + "\n"), std::string::npos) << text;
    // English: the distribution's depth in inches and its load per inch.
    EXPECT_EQ(text.find("\n120\t100\n") != std::string::npos, c.distribution) << text;
    EXPECT_EQ(text.find("\t0.75\t1\t0\n") != std::string::npos, c.configuration) << text;
  }
}

TEST(DataFileWriter, SITiebackAreasAreWrittenInSquareMetres) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.SetUnits(2);
  p.SetApplyOption(ApplyOption::kTiebacks, true);
  SetRow(p.Table(Tiebacks::kName), 0, {1.5, 1250, 200000000, 6, 15, 2.5, 300});
  SetRow(p.Table(PYModification::kName), 0, {3, 0.8, 1});
  p.SetApplyOption(ApplyOption::kPYModification, true);
  p.DeriveControlValues();
  const std::string text = DataFileText(p);
  EXPECT_NE(text.find("\n1.5\t0.00125\t2E8\t6\t15\t2.5\t300\n"), std::string::npos) << text;
  // Depths stay in metres.
  EXPECT_NE(text.find("\n3\t0.8\t1\n"), std::string::npos) << text;
}

TEST(DataFileWriter, LongTermProblemFollowsTheMarkerNine) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.Title = "SHORT AND LONG";
  p.LongTermMode = true;
  SetRow(p.Table(SoilLayers::kName), 0, {1, 20});
  SetRow(p.Table(SoilLayers::kLongTermName), 0, {4, 30});
  p.DeriveControlValues();
  const std::string text = DataFileText(p);
  const std::size_t marker = text.find("\n9\nSHORT AND LONG\n");
  ASSERT_NE(marker, std::string::npos) << text;
  EXPECT_NE(text.substr(0, marker).find("\n1 240 \n"), std::string::npos);
  EXPECT_NE(text.substr(marker).find("\n4 360 \n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 3), "\n0\n");
}

TEST(DataFileWriter, StageFilesCarryTheStageHeaderAndNumber) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.StageCount = 3;
  p.LongTermMode = true;  // never in a stage file
  p.DeriveControlValues();
  for (int stage : {1, 2, 3}) {
    p.CurrentStage = stage;
    const std::string text = StageFileText(p);
    const std::string first = text.substr(0, text.find('\n'));
    EXPECT_EQ(first, stage == 1 ? "New Wall" : " Stage No : " + std::to_string(stage));
    EXPECT_EQ(text.substr(text.size() - 3), "\n" + std::to_string(stage) + "\n");
    EXPECT_NE(text.find("\n1 0\t1\t0\t2\t2 0 3 0 0\n"), std::string::npos) << text;
  }
}

TEST(DataFileWriter, ATitleStaysOneLine) {
  TMainModel model;
  model.Problem().Title = "TWO\nLINES";
  model.Problem().DeriveControlValues();
  EXPECT_EQ(DataFileText(model.Problem()).substr(0, 10), "TWO LINES\n");
}

// A locale whose decimal separator is a comma, as on many engineers' machines.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(DataFileWriter, WritesTheDecimalPointWhateverTheLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  EXPECT_EQ(FileNumber(2.5L), "2.5");
  EXPECT_EQ(FileNumber(1.0L / 3), "0.33333333");
  EXPECT_EQ(FileNumber(123456789), "1.2345679E8");
  EXPECT_EQ(FileNumber(0.000001L), "1E-6");
  std::locale::global(previous);
}

TEST(DataFileSave, ClearsTheModifiedStateAndSetsTheReaderFlags) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = model.Problem();
  p.FileName = (dir / "wall.vd5d").string();
  p.Has2013Records = false;
  p.Has2015Records = false;
  model.SetModified(true);
  WriteDataFile(p);
  EXPECT_FALSE(model.IsModified());
  EXPECT_TRUE(p.Has2013Records);
  EXPECT_TRUE(p.Has2015Records);
  EXPECT_EQ(read_file(dir / "wall.vd5d").substr(0, 9), "New Wall\n");
}

// Names in a folder other than the expected ones (left-over temporary files).
std::vector<std::string> OtherFiles(const fs::path& folder, const std::vector<std::string>& expected) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(expected.begin(), expected.end(), name) == expected.end()) others.push_back(name);
  }
  return others;
}

TEST(SafeFileWrite, ReplacesTheFileAndLeavesNothingElse) {
  TempDir dir;
  write_file(dir / "wall.vd5d", "old");
  fs::permissions(dir / "wall.vd5d", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ReplaceFileContents(dir / "wall.vd5d", "new text\n");
  EXPECT_EQ(read_file(dir / "wall.vd5d"), "new text\n");
  EXPECT_EQ(fs::status(dir / "wall.vd5d").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_TRUE(OtherFiles(dir.path(), {"wall.vd5d"}).empty());
}

TEST(SafeFileWrite, ALinkKeepsPointingAtTheReplacedFile) {
  TempDir dir;
  write_file(dir / "real.vd5d", "old");
  fs::create_symlink("real.vd5d", dir / "link.vd5d");
  ReplaceFileContents(dir / "link.vd5d", "new");
  EXPECT_TRUE(fs::is_symlink(dir / "link.vd5d"));
  EXPECT_EQ(read_file(dir / "real.vd5d"), "new");
}

// What a power loss could leave: the new file is on the disk before the rename makes
// it the target, and the folder's entry after it.
TEST(SafeFileWrite, TheFileReachesTheDiskBeforeTheRenameTheFolderAfterIt) {
  TempDir dir;
  const fs::path target = dir / "wall.vd5d";
  write_file(target, "old");
  struct Sync {
    fs::path path;
    std::string synced_then;  // the contents of a synced file
    std::string target_then;
  };
  std::vector<Sync> syncs;
  SetSyncObserver([&](const fs::path& path) {
    syncs.push_back({path, fs::is_regular_file(path) ? read_file(path) : "", read_file(target)});
  });
  ReplaceFileContents(target, "new");

  ASSERT_EQ(syncs.size(), 2u);
  EXPECT_EQ(syncs[0].path.parent_path(), dir.path());
  EXPECT_NE(syncs[0].path, target);
  EXPECT_EQ(syncs[0].synced_then, "new");
  EXPECT_EQ(syncs[0].target_then, "old");
  EXPECT_EQ(syncs[1].path, dir.path());
  EXPECT_EQ(syncs[1].target_then, "new");

  // The saves of the application go the same way.
  TMainModel model;
  TProgramData& problem = model.Problem();
  problem.FileName = target.string();
  problem.StageFileName = (dir / "wall.st1").string();
  for (const auto& save : {std::function<void()>([&] { WriteDataFile(problem); }),
                           std::function<void()>([&] { WriteStageFile(problem); })}) {
    syncs.clear();
    save();
    EXPECT_EQ(syncs.size(), 2u);
  }
  SetSyncObserver(nullptr);
}

// Exits with 3 when the write fails with EFileError, else with 0.
void WriteOnAFullDisk(const fs::path& target, const std::string& text) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  limit.rlim_cur = limit.rlim_max = 4096;
  setrlimit(RLIMIT_FSIZE, &limit);
  try {
    ReplaceFileContents(target, text);
  } catch (const fw::EFileError&) {
    std::exit(3);
  }
  std::exit(0);
}

TEST(SafeFileWrite, AFailedWriteKeepsThePreviousFile) {
  TempDir dir;
  const fs::path target = dir / "wall.vd5d";
  const std::string previous = "the previous problem\n";
  write_file(target, previous);
  // In a child process, a disk that fills up after 4 KiB: the write fails halfway.
  EXPECT_EXIT(WriteOnAFullDisk(target, std::string(100000, 'x')), testing::ExitedWithCode(3), "");
  EXPECT_EQ(read_file(target), previous);
  EXPECT_TRUE(OtherFiles(dir.path(), {"wall.vd5d"}).empty());
}

TEST(SafeFileWrite, FailuresAreFileErrorsAndTouchNothing) {
  TempDir dir;
  fs::create_directory(dir / "folder.vd5d");
  write_file(dir / "folder.vd5d" / "inside", "kept");
  EXPECT_THROW(ReplaceFileContents(dir / "folder.vd5d", "text"), fw::EFileError);
  EXPECT_EQ(read_file(dir / "folder.vd5d" / "inside"), "kept");
  EXPECT_THROW(ReplaceFileContents(dir / "missing" / "wall.vd5d", "text"), fw::EFileError);
  EXPECT_TRUE(OtherFiles(dir.path(), {"folder.vd5d"}).empty());
}

}  // namespace
}  // namespace veldra::app::test

// The loader: the current and older formats, the long-term block, the stage-file
// reader, and what stays after a format error.
#include "app/data_file_loader.h"

#include <gtest/gtest.h>

#include <string>

#include "app/data_file_writer.h"
#include "app/main_model.h"
#include "app/problem_files.h"
#include "framework/file_errors.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

double D(long double value) { return static_cast<double>(value); }

// A complete file in the current format: a sand layer, generated pressure and
// curves, one tieback row.
std::string SmallFile(const std::string& factor = "1", const std::string& tieback = "5\t1.5\t29000000\t20\t15\t8\t40000") {
  return "SMALL WALL\n"
         "1 0\t1\t0\t2\t2 0 1 0 1\n"
         "10 12\t100\t0.00001\t60\t12\n"
         "0\t10\t1\t5.34E9\n"
         "0\n"
         "0\n" +
         tieback +
         "\n"
         "60\t12\t12\t24\t84\t" +
         factor +
         "\t1\t0\n"
         "0\t0\t0\t0\t0\t0\n"
         "0\n"
         "1\n"
         "4 240 \n"
         "0.069444444 0.0  32 0.0  60 0 \n"
         "0.069444444 0.0  32 0.0  60 0 \n"
         "0\n";
}

LoadResult LoadText(TMainModel& model, const TempDir& dir, const std::string& text, int format = kFormatCurrent,
                    const std::string& name = "wall.vd5d") {
  write_file(dir / name, text);
  return LoadDataFile(model, dir / name, format);
}

TEST(Loader, ExamplesComeBackAsTheSameText) {
  for (const char* name :
       {"cantilever-sheet-pile-wall.vd5d", "anchored-sheet-pile-wall.vd5d", "secant-pile-wall-moment-ei.vd5d"}) {
    SCOPED_TRACE(name);
    TMainModel model;
    const LoadResult result = LoadDataFile(model, ExampleFile(name), FormatFromExtension(name));
    ASSERT_TRUE(result.complete) << result.message;
    model.Problem().DeriveControlValues();
    std::string expected = read_file(ExampleFile(name));
    // The examples write the tolerance 0.00001 as 1E-5; the writer's format keeps
    // the exponent form for magnitudes below 0.00001.
    const std::size_t at = expected.find("\t1E-5\t");
    if (at != std::string::npos) expected.replace(at, 6, "\t0.00001\t");
    EXPECT_EQ(DataFileText(model.Problem()), expected);
  }
}

TEST(Loader, ModificationFactorOfExactly0036MeansOne) {
  const struct {
    const char* written;
    long double loaded;
  } cases[] = {{"0.036", 1.0L}, {"0.0360001", 0.0360001L}, {"0.75", 0.75L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    TempDir dir;
    TMainModel model;
    ASSERT_TRUE(LoadText(model, dir, SmallFile(c.written)).complete);
    EXPECT_EQ(model.Problem().ActiveFactor, c.loaded);
  }
}

TEST(Loader, ATiebackRowOfSixValuesHasNoPrestressingForce) {
  TempDir dir;
  TMainModel model;
  ASSERT_TRUE(LoadText(model, dir, SmallFile("1", "5\t1.5\t29000000\t20\t15\t8")).complete);
  const fw::TGridTable& tiebacks = model.Table(Tiebacks::kName);
  ASSERT_EQ(tiebacks.RowCount(), 1);
  EXPECT_EQ(tiebacks.Cell(5, 0).AsFloat(), 8);
  EXPECT_EQ(tiebacks.Cell(6, 0).AsFloat(), 0);
  // The wall configuration that follows is read from the right words.
  EXPECT_EQ(model.Problem().WallHeight, 60);
  EXPECT_EQ(model.Problem().WaterDepthExcavation, 84);

  ASSERT_TRUE(LoadText(model, dir, SmallFile()).complete);
  EXPECT_EQ(model.Table(Tiebacks::kName).Cell(6, 0).AsFloat(), 40000);
  EXPECT_TRUE(model.Problem().ApplyTiebacks);
}

TEST(Loader, TheLongTermBlockGivesTheTitleAndTheLongTermTables) {
  TempDir dir;
  TMainModel model;
  std::string text = SmallFile();
  text.replace(text.size() - 2, 2, "9\n");
  std::string long_term = SmallFile();
  long_term.replace(0, long_term.find('\n'), "LONG TERM TITLE");
  long_term.replace(long_term.find("4 240 "), 6, "5 300 ");
  const LoadResult result = LoadText(model, dir, text + long_term);
  ASSERT_TRUE(result.complete) << result.message;
  const TProgramData& p = model.Problem();
  EXPECT_EQ(p.Title, "LONG TERM TITLE");
  EXPECT_TRUE(p.LongTermMode);
  EXPECT_EQ(model.Table(SoilLayers::kName).Cell(0, 0).AsInteger(), 4);
  EXPECT_EQ(model.Table(SoilLayers::kLongTermName).Cell(0, 0).AsInteger(), 5);
  EXPECT_EQ(model.Table(SoilLayers::kLongTermName).Cell(1, 0).AsFloat(), 25);
}

std::string With(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no \"" << from << "\" in the fixture";
    return text;
  }
  return text.replace(at, from.size(), to);
}

// SmallFile() followed by the long-term block `long_term` (a SmallFile too).
std::string LongTermFile(const std::string& long_term) {
  std::string text = SmallFile();
  text.replace(text.size() - 2, 2, "9\n");
  return text + long_term;
}

// What the problem cannot keep is named by its line; files it can keep are left
// alone. A note means that saving would change the analysis.
TEST(Loader, RecordsTheProblemCannotKeepAreNamedWithTheirLine) {
  const std::string control = "1 0\t1\t0\t2\t2 0 1 0 1";
  const struct {
    const char* what;
    std::string text;
    int line;              // 0: nothing to note
    const char* fragment;  // of the note
  } cases[] = {
      {"generated pressure and curves", SmallFile(), 0, ""},
      {"a long-term problem with its own soil layers", LongTermFile(With(SmallFile(), "4 240 ", "5 300 ")), 0, ""},
      {"trapezoidal pressure with user curves", With(SmallFile(), control, "1 0\t1\t0\t3\t1 0 1 0 1"), 2,
       "earth-pressure code 3 (a generated trapezoidal distribution) with p-y code 1"},
      {"triangular pressure without curves", With(SmallFile(), control, "1 0\t1\t0\t2\t0 0 1 0 1"), 2,
       "Saving would write earth-pressure code 0"},
      {"generated curves without pressure", With(SmallFile(), control, "1 0\t1\t0\t0\t2 0 1 0 1"), 2,
       "p-y code 2 (generated curves) with earth-pressure code 0"},
      {"seven stages", With(SmallFile(), control, "1 0\t1\t0\t2\t2 0 7 0 1"), 2,
       "7 construction stages: this program keeps at most 5"},
      {"two free heights", With(SmallFile(), "0.00001\t60\t12", "0.00001\t72\t12"), 3,
       "the free height 72 differs from the wall configuration's 60"},
      {"two widths", With(SmallFile(), "0.00001\t60\t12", "0.00001\t60\t10"), 3,
       "the tieback width 10 differs from the wall configuration's earth-pressure width 12"},
      {"the old mark of an unset factor", SmallFile("0.036"), 8,
       "the modification factor for active earth pressure 0.036 is read as 1"},
      {"words after the end of the problem", SmallFile() + "NOTES ON THIS WALL\n", 0, ""},
      {"a second problem after the first", With(SmallFile(), "60 0 \n0\n", "60 0 \n2\n") + SmallFile(), 16,
       "the problem ends with the code 2, and the engine goes on"},
      {"a long-term title of its own", LongTermFile(With(SmallFile(), "SMALL WALL", "LONG TERM")), 16,
       "the long-term title differs"},
      {"long-term stiffness", LongTermFile(With(SmallFile(), "5.34E9", "4E9")), 19,
       "the long-term problem's wall stiffness rows differ from the short-term problem's"},
      {"long-term tiebacks", LongTermFile(With(SmallFile(), "40000", "50000")), 22,
       "saving would write the long-term tiebacks into the short-term problem too"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    TMainModel model;
    const LoadResult result = LoadText(model, dir, c.text);
    ASSERT_TRUE(result.complete) << result.message;
    if (c.line == 0) {
      EXPECT_TRUE(result.Representable()) << UnrepresentedWarning(result.unrepresented);
      continue;
    }
    ASSERT_EQ(result.unrepresented.size(), 1u) << UnrepresentedWarning(result.unrepresented);
    EXPECT_EQ(result.unrepresented[0].line, c.line);
    EXPECT_NE(result.unrepresented[0].change.find(c.fragment), std::string::npos) << result.unrepresented[0].change;
  }
}

// What the problem keeps of such a file is a file it can keep; the original stays.
TEST(Loader, AFileTheProblemCannotKeepIsSavedAsOneItCan) {
  TempDir dir;
  TMainModel model;
  const std::string text = With(SmallFile(), "1 0\t1\t0\t2\t2 0 1 0 1", "1 0\t1\t0\t3\t1 0 1 0 1");
  ASSERT_FALSE(LoadText(model, dir, text).Representable());
  SaveProblemAs(model, dir / "kept.vd5d");
  EXPECT_EQ(read_file(dir / "wall.vd5d"), text);
  EXPECT_TRUE(LoadDataFile(model, dir / "kept.vd5d", kFormatCurrent).Representable());
}

TEST(Loader, AFormatErrorKeepsWhatWasReadBefore) {
  const struct {
    const char* label;
    std::string text;
    const char* message;
  } cases[] = {
      {"end of file in the wall configuration", SmallFile().substr(0, SmallFile().find("24\t84")),
       "This file either invalid or incomplete."},
      {"decimal comma", [] {
         std::string t = SmallFile();
         t.replace(t.find("0.069444444"), 11, "0,069444444");
         return t;
       }(),
       "Error on Line 13 Item 1\rA floating point number was expected but not found."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    TempDir dir;
    TMainModel model;
    model.SetModified(true);
    const LoadResult result = LoadText(model, dir, c.text);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.message, c.message);
    const TProgramData& p = model.Problem();
    // The records before the error are loaded.
    EXPECT_EQ(p.Title, "SMALL WALL");
    EXPECT_EQ(p.Increments, 10);
    EXPECT_EQ(model.Table(WallStiffness::kName).Cell(3, 0).AsFloat(), 5.34e9L);
    EXPECT_EQ(model.Table(Tiebacks::kName).Cell(6, 0).AsFloat(), 40000);
    // The tables are usable and the problem is not modified.
    for (const char* name : ModelTables()) EXPECT_GE(model.Table(name).RowCount(), 1) << name;
    EXPECT_FALSE(model.IsModified());
  }
}

TEST(Loader, TheWallWidthSurvivesWithoutTheWallConfiguration) {
  // User curves, no generated pressure: the wall properties hold the only copy of
  // the width the engine spreads tiebacks over.
  TempDir dir;
  TMainModel model;
  TProgramData& p = model.Problem();
  p.SetGeneratePY(false);
  p.SetApplyOption(ApplyOption::kTiebacks, true);
  p.ActiveWidth = 12;
  p.FileName = (dir / "wall.vd5d").string();
  WriteDataFile(p);
  ASSERT_TRUE(LoadDataFile(model, dir / "wall.vd5d", kFormatCurrent).complete);
  EXPECT_EQ(model.Problem().ActiveWidth, 12);
  EXPECT_EQ(model.Problem().PYCode, 1);
}

TEST(Loader, ACountBeyondTheFileIsAnIncompleteFile) {
  TempDir dir;
  TMainModel model;
  std::string text = SmallFile();
  text.replace(text.find("\n0\n1\n4 240"), 10, "\n0\n2000000000\n4 240");
  const LoadResult result = LoadText(model, dir, text);
  EXPECT_EQ(result.message, "This file either invalid or incomplete.");
  EXPECT_EQ(model.Table(SoilLayers::kName).RowCount(), 1);
}

TEST(Loader, AFileThatCannotBeReadLeavesTheProblemAsItWas) {
  TempDir dir;
  TMainModel model;
  model.Problem().Title = "KEPT";
  EXPECT_THROW(LoadDataFile(model, dir / "missing.vd5d", kFormatCurrent), fw::EFileError);
  EXPECT_EQ(model.Problem().Title, "KEPT");
}

TEST(Loader, FormatFromExtension) {
  EXPECT_EQ(FormatFromExtension("a/b.VD4D"), kFormat2013);
  EXPECT_EQ(FormatFromExtension("b.vdd"), kFormat30);
  EXPECT_EQ(FormatFromExtension("b.vd5d"), kFormatCurrent);
  EXPECT_EQ(FormatFromExtension("b.txt"), kFormatCurrent);
}

TEST(OlderFormats, Version20LayersByThickness) {
  TMainModel model;
  const LoadResult result = LoadDataFile(model, DataFile("wall-2.0.vdd"), kFormat20);
  ASSERT_TRUE(result.complete) << result.message;
  const TProgramData& p = model.Problem();
  EXPECT_EQ(p.Title, "CANTILEVER WALL IN LAYERED SOIL, VERSION 2.0");
  EXPECT_EQ(p.ActiveFactor, 1);
  EXPECT_FALSE(p.Has2015Records);
  EXPECT_TRUE(p.ApplyRestraints);
  EXPECT_TRUE(p.ApplyConcentratedLoads);
  const fw::TGridTable& layers = model.Table(SoilLayers::kName);
  ASSERT_EQ(layers.RowCount(), 3);
  const double bottoms[] = {10, 15, 35};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(D(layers.Cell(1, r).AsFloat()), bottoms[r]);
    const fw::TGridTable& parameters = *layers.Cell(2, r).AsTable();
    for (int c = 0; c < parameters.ColumnCount(); ++c)
      EXPECT_EQ(parameters.Cell(c, 0).AsFloat(), parameters.Cell(c, 1).AsFloat()) << r << " " << c;
  }
  // Silt: unit weight, cohesion, friction angle, E50, k, never converted.
  const fw::TGridTable& silt = *layers.Cell(2, 2).AsTable();
  EXPECT_EQ(silt.Caption(), "Silt");
  EXPECT_EQ(D(silt.Cell(0, 0).AsFloat()), 115);
  EXPECT_EQ(D(silt.Cell(1, 0).AsFloat()), 28);
  EXPECT_EQ(D(silt.Cell(2, 0).AsFloat()), 300);
  EXPECT_EQ(D(silt.Cell(3, 0).AsFloat()), 0.007);
  EXPECT_EQ(D(silt.Cell(4, 0).AsFloat()), 90);
  // The single surcharge becomes a point, a line and a strip load.
  EXPECT_TRUE(p.ApplySurcharge);
  const fw::TGridTable& surcharges = model.Table(Surcharges::kName);
  ASSERT_EQ(surcharges.RowCount(), 3);
  const double magnitudes[] = {1000, 200, 2};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(surcharges.Cell(0, r).AsInteger(), r + 1);
    EXPECT_EQ(D(surcharges.Cell(1, r).AsFloat()), magnitudes[r]);
    EXPECT_EQ(D(surcharges.Cell(2, r).AsFloat()), 60);
    EXPECT_EQ(D(surcharges.Cell(3, r).AsFloat()), 24);
  }
}

TEST(OlderFormats, Version30ConvertsEnglishValuesAndHasNoCurveMultipliers) {
  TMainModel model;
  const LoadResult result = LoadDataFile(model, DataFile("wall-3.0.vdd"), kFormat30);
  ASSERT_TRUE(result.complete) << result.message;
  const TProgramData& p = model.Problem();
  EXPECT_TRUE(p.UserPressure);
  EXPECT_TRUE(p.GeneratePY);
  EXPECT_FALSE(p.ApplySurcharge);
  EXPECT_TRUE(p.Has2013Records);
  EXPECT_FALSE(p.Has2015Records);
  EXPECT_EQ(D(model.Table(PYModification::kName).Cell(0, 1).AsFloat()), 10);            // 120 in
  EXPECT_EQ(D(model.Table(PressureDistribution::kName).Cell(0, 2).AsFloat()), 30);         // 360 in
  EXPECT_EQ(D(model.Table(PressureDistribution::kName).Cell(1, 2).AsFloat()), 360);        // 30 per inch
  const fw::TGridTable& layers = model.Table(SoilLayers::kName);
  EXPECT_EQ(D(layers.Cell(1, 0).AsFloat()), 12);
  const fw::TGridTable& clay = *layers.Cell(2, 0).AsTable();
  EXPECT_EQ(D(clay.Cell(0, 0).AsFloat()), 108);                            // 0.0625 per cubic inch
  EXPECT_EQ(D(clay.Cell(1, 1).AsFloat()), 756);                            // 5.25 per square inch
  const fw::TGridTable& sand = *layers.Cell(2, 1).AsTable();
  EXPECT_EQ(D(sand.Cell(1, 1).AsFloat()), 34);
  EXPECT_EQ(D(sand.Cell(3, 0).AsFloat()), 0.45);
  const fw::TGridTable& sets = model.Table(PYCurveSets::kName);
  ASSERT_EQ(sets.RowCount(), 1);
  EXPECT_EQ(sets.Cell(2, 0).AsFloat(), 1);
  EXPECT_EQ(sets.Cell(1, 0).AsTable()->RowCount(), 3);
}

TEST(OlderFormats, Version2013HasSurchargesMultipliersAndMomentCurvesButNoTiebacks) {
  TMainModel model;
  const LoadResult result = LoadDataFile(model, DataFile("wall-2013.vd4d"), kFormat2013);
  ASSERT_TRUE(result.complete) << result.message;
  const TProgramData& p = model.Problem();
  EXPECT_EQ(p.UnitSystem, 2);
  EXPECT_EQ(p.EarthPressureOption, 3);
  EXPECT_EQ(D(p.ActiveWidth), 1.5);
  EXPECT_FALSE(p.ApplyTiebacks);
  EXPECT_EQ(model.Table(Surcharges::kName).RowCount(), 2);
  EXPECT_EQ(D(model.Table(Surcharges::kName).Cell(3, 1).AsFloat()), 2000);
  const fw::TGridTable& rock = *model.Table(SoilLayers::kName).Cell(2, 1).AsTable();
  EXPECT_EQ(rock.Caption(), "Weak Rock");
  EXPECT_EQ(D(rock.Cell(2, 0).AsFloat()), 0.0005);
  EXPECT_EQ(D(rock.Cell(4, 1).AsFloat()), 60);
  EXPECT_EQ(D(model.Table(PYCurveSets::kName).Cell(2, 0).AsFloat()), 1.2);
  EXPECT_TRUE(p.ApplyEICurves);
  EXPECT_EQ(D(model.Table(MomentEICurveSets::kName).Cell(2, 0).AsTable()->Cell(1, 1).AsFloat()), 300000);
}

TEST(StageFileReader, FollowsTheReaderFlagsAndTheCountsOfTheStage) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = model.Problem();
  // A stage with a restraint and moment-EI curves is shown ...
  p.SetApplyOption(ApplyOption::kRestraints, true);
  p.SetApplyOption(ApplyOption::kEICurves, true);
  p.Has2013Records = false;
  p.Has2015Records = false;
  // ... and a 3.0-format stage without either is read.
  write_file(dir / "wall.st2",
             " Stage No : 2\n1 0 1 0 1 1 1 2\n20 6 6 0.0001 60\n0 20 1 1E9\n0\n0\n2\n0 0\n240 10\n"
             "10 2\n-1 5\n1 -5\n2\n");
  const LoadResult result = ReadStageFile(p, dir / "wall.st2");
  ASSERT_TRUE(result.complete) << result.message;
  EXPECT_EQ(p.Title, " Stage No : 2");
  EXPECT_EQ(p.StageCount, 2);
  EXPECT_FALSE(p.ApplyRestraints);  // no restraint rows left to write as data
  EXPECT_FALSE(p.ApplyEICurves);    // the format has none
  EXPECT_FALSE(p.LongTermMode);
  EXPECT_FALSE(p.Has2013Records);   // flags left as they were
  EXPECT_EQ(D(model.Table(PressureDistribution::kName).Cell(0, 1).AsFloat()), 20);
  EXPECT_EQ(model.Table(PYCurveSets::kName).Cell(0, 0).AsInteger(), 10);
}

}  // namespace
}  // namespace veldra::app::test

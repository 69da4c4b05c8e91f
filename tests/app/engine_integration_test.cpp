// The engine analyses the files the writer writes: every example opened and saved
// again analyses as before, and a problem using every option.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/data_file_loader.h"
#include "app/data_file_writer.h"
#include "app/main_model.h"
#include "app/problem_files.h"
#include "app/staged_construction.h"
#include "tests/app/app_test_support.h"
#include "tests/app/engine_run.h"
#include "veldra/engine.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;

void ExpectSameResults(const RunStatus& expected, const RunStatus& actual) {
  ASSERT_EQ(actual.outcome, expected.outcome) << actual.message;
  ASSERT_EQ(actual.problems.size(), expected.problems.size());
  for (std::size_t i = 0; i < expected.problems.size(); ++i) {
    SCOPED_TRACE(i);
    const ProblemSummary& a = actual.problems[i];
    const ProblemSummary& e = expected.problems[i];
    EXPECT_EQ(a.heading, e.heading);
    EXPECT_EQ(a.iterations, e.iterations);
    EXPECT_EQ(a.closed, e.closed);
    EXPECT_EQ(a.max_abs_deflection, e.max_abs_deflection);
    EXPECT_EQ(a.depth_of_max_deflection, e.depth_of_max_deflection);
    EXPECT_EQ(a.max_abs_moment, e.max_abs_moment);
    EXPECT_EQ(a.depth_of_max_moment, e.depth_of_max_moment);
  }
}

// The data files of a folder of examples, found when the test runs.
std::vector<fs::path> ExamplesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".vd5d") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Opens a copy of `example` in `dir` and saves it as "saved.vd5d" through the
// writer (a staged problem shows every stage once, so that each is written).
OpenResult OpenAndSave(const fs::path& example, const TempDir& dir) {
  fs::copy_file(example, dir / "opened.vd5d");
  TMainModel model;
  const OpenResult opened = OpenProblem(model, dir / "opened.vd5d", kFormatCurrent);
  for (int stage = 1; stage <= model.Problem().StageCount; ++stage) SwitchToStage(model, stage);
  SwitchToStage(model, 1);
  SaveProblemAs(model, dir / "saved.vd5d");
  return opened;
}

TEST(EngineIntegration, EveryExampleOpenedAndSavedAnalysesAsBefore) {
  const std::vector<fs::path> examples = ExamplesIn(fs::path(VELDRA_SOURCE_DIR) / "examples");
  ASSERT_FALSE(examples.empty());
  for (const fs::path& example : examples) {
    SCOPED_TRACE(example.filename().string());
    TempDir dir;
    fs::copy_file(example, dir / "original.vd5d");
    const RunStatus original = AnalyseBeside(dir / "original.vd5d");
    ASSERT_EQ(original.outcome, RunOutcome::Finished) << original.message;

    const OpenResult opened = OpenAndSave(example, dir);
    ASSERT_TRUE(opened.load.complete) << opened.load.message;
    EXPECT_TRUE(opened.stage_issues.empty());
    EXPECT_TRUE(opened.Unrepresented().empty()) << UnrepresentedWarning(opened.Unrepresented());
    ExpectSameResults(original, AnalyseBeside(dir / "saved.vd5d"));
  }
}

// The examples for the command line are valid engine input that the application
// cannot keep: opening one says so.
TEST(EngineIntegration, TheCommandLineExamplesAreAnalysedAndMarkedAsNotKept) {
  const std::vector<fs::path> examples = ExamplesIn(fs::path(VELDRA_SOURCE_DIR) / "examples" / "command-line");
  ASSERT_FALSE(examples.empty());
  for (const fs::path& example : examples) {
    SCOPED_TRACE(example.filename().string());
    TempDir dir;
    fs::copy_file(example, dir / "original.vd5d");
    const RunStatus original = AnalyseBeside(dir / "original.vd5d");
    EXPECT_EQ(original.outcome, RunOutcome::Finished) << original.message;
    TMainModel model;
    const OpenResult opened = OpenProblem(model, dir / "original.vd5d", kFormatCurrent);
    EXPECT_TRUE(opened.load.complete) << opened.load.message;
    EXPECT_FALSE(opened.Unrepresented().empty());
  }
}

TEST(EngineIntegration, AProblemUsingEveryOptionTheEngineAnalyses) {
  TempDir dir;
  TMainModel model;
  ASSERT_TRUE(LoadDataFile(model, ExampleFile("anchored-sheet-pile-wall.vd5d"), kFormatCurrent).complete);
  TProgramData& p = model.Problem();
  const RunStatus before = [&] {
    p.FileName = (dir / "before.vd5d").string();
    WriteDataFile(p);
    return AnalyseBeside(dir / "before.vd5d");
  }();
  ASSERT_EQ(before.outcome, RunOutcome::Finished) << before.message;

  // A load at the top, a spring, a restraint at the tip, p-y modification factors
  // and a moment-EI curve over the whole wall, and a long-term set. (The save above
  // emptied the tables of the options that were off; their windows would show the
  // minimum rows again.)
  for (const char* name : {ConcentratedLoads::kName, Restraints::kName, PYModification::kName}) {
    fw::TGridTable& table = p.Table(name);
    table.SetRowCount(table.MinRows());
  }
  p.SetApplyOption(ApplyOption::kConcentratedLoads, true);
  fw::TGridTable& loads = p.Table(ConcentratedLoads::kName);
  loads.Cell(1, 0).SetInteger(0);
  loads.Cell(2, 0).SetInteger(0);
  loads.Cell(3, 0).SetFloat(2000);
  p.SetApplyOption(ApplyOption::kSprings, true);
  fw::TGridTable& springs = p.Table(Springs::kName);
  springs.Cell(1, 0).SetInteger(10);
  springs.Cell(2, 0).SetInteger(10);
  springs.Cell(3, 0).SetFloat(500);
  p.SetApplyOption(ApplyOption::kRestraints, true);
  fw::TGridTable& restraints = p.Table(Restraints::kName);
  restraints.Cell(0, 0).SetInteger(1);
  restraints.Cell(1, 0).SetInteger(70);
  p.SetApplyOption(ApplyOption::kPYModification, true);
  fw::TGridTable& factors = p.Table(PYModification::kName);
  factors.Cell(0, 0).SetFloat(20);  // feet
  factors.Cell(1, 0).SetFloat(0.8);
  factors.Cell(0, 1).SetFloat(35);
  factors.Cell(1, 1).SetFloat(0.8);
  p.SetApplyOption(ApplyOption::kEICurves, true);
  fw::TGridTable& ei_sets = p.Table(MomentEICurveSets::kName);
  ei_sets.Cell(0, 0).SetInteger(0);
  ei_sets.Cell(1, 0).SetInteger(70);
  fw::TGridTable& curve = *ei_sets.Cell(2, 0).AsTable();
  curve.SetRowCount(2);
  curve.Cell(0, 0).SetFloat(0);
  curve.Cell(1, 0).SetFloat(1.05e10);
  curve.Cell(0, 1).SetFloat(5e7);
  curve.Cell(1, 1).SetFloat(9e9);
  p.LongTermMode = true;
  fw::TGridTable& long_term = p.Table(PressureDistribution::kLongTermName);
  const fw::TGridTable& short_term = p.Table(PressureDistribution::kName);
  long_term.SetRowCount(short_term.RowCount());
  for (int r = 0; r < short_term.RowCount(); ++r) {
    long_term.Cell(0, r).SetFloat(short_term.Cell(0, r).AsFloat());
    long_term.Cell(1, r).SetFloat(short_term.Cell(1, r).AsFloat() * 1.5);
  }
  p.FileName = (dir / "options.vd5d").string();
  WriteDataFile(p);

  const RunStatus run = AnalyseBeside(dir / "options.vd5d");
  ASSERT_EQ(run.outcome, RunOutcome::Finished) << run.message;
  ASSERT_EQ(run.problems.size(), 2u);
  for (const ProblemSummary& problem : run.problems) EXPECT_TRUE(problem.solved);
  EXPECT_EQ(run.problems[1].heading.rfind("Long Term :", 0), 0u) << run.problems[1].heading;
  EXPECT_NE(run.problems[0].max_abs_deflection, before.problems[0].max_abs_deflection);
  // The long-term set pushes harder.
  EXPECT_GT(run.problems[1].max_abs_moment, run.problems[0].max_abs_moment);
}

}  // namespace
}  // namespace veldra::app::test

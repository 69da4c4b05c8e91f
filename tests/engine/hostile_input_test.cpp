// Data files from colleagues, old projects and hand edits: whatever a file holds,
// the run ends in order with a message that says what is wrong, and never prints a
// number that is not finite. Each fixture here is a case that once got through.
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

struct Fixture {
  const char* file;
  RunOutcome outcome;
  const char* message;
};

void PrintTo(const Fixture& f, std::ostream* os) { *os << f.file; }

class HostileInputTest : public ::testing::TestWithParam<Fixture> {};

bool has_non_finite(const std::string& text) {
  return text.find("NaN") != std::string::npos || text.find("Inf") != std::string::npos;
}

TEST_P(HostileInputTest, EndsInOrderWithAClearMessage) {
  const Fixture f = GetParam();
  const std::string data = read_file(fs::path(VELDRA_TEST_DATA_DIR) / "malformed" / f.file);
  const EngineRun run = run_engine(data);
  EXPECT_EQ(run.status.outcome, f.outcome);
  EXPECT_EQ(run.status.message, f.message);
  if (f.outcome == RunOutcome::InputError) {
    EXPECT_NE(run.report.find(std::string("     ") + f.message + "\n"), std::string::npos);
    EXPECT_NE(run.report.find("END OF ANALYSIS"), std::string::npos);
  }
  EXPECT_FALSE(has_non_finite(run.report)) << run.report;
  EXPECT_FALSE(has_non_finite(run.plot)) << run.plot;
  EXPECT_FALSE(has_non_finite(run.notes)) << run.notes;
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, HostileInputTest,
    ::testing::Values(
        Fixture{"tieback-zero-width.vd5d", RunOutcome::InputError,
                "ERROR STOP -- THE WIDTH WT MUST BE POSITIVE FOR TIEBACKS"},
        // The generated curves were stored from index -999 on: a write outside the
        // curve store, a crash or a plausible wrong result.
        Fixture{"generated-soil-minus-1000-user-curves.vd5d", RunOutcome::InputError,
                "ERROR STOP -- NEGATIVE NUMBER OF P-Y CURVES ON LINE 2, ITEM 7"},
        // NaN compares false with the tolerance and DMAX: reported as closed.
        Fixture{"soft-wall-under-huge-loads.vd5d", RunOutcome::InputError,
                "ERROR STOP -- DEFLECTIONS NOT FINITE IN ITERATION 1: CHECK THE MAGNITUDES OF "
                "EI, LOADS, SPRINGS AND INCREMENT LENGTH"},
        Fixture{"increment-length-1e-300.vd5d", RunOutcome::InputError,
                "ERROR STOP -- RESULTS NOT FINITE: CHECK THE MAGNITUDES OF EI, LOADS, SPRINGS "
                "AND INCREMENT LENGTH"},
        // The last plot block repeats the short-term results, not the refused ones.
        Fixture{"long-term-problem-overflows.vd5d", RunOutcome::InputError,
                "ERROR STOP -- DEFLECTIONS NOT FINITE IN ITERATION 1: CHECK THE MAGNITUDES OF "
                "EI, LOADS, SPRINGS AND INCREMENT LENGTH"},
        // Values derived from the input are printed as soon as they are known.
        Fixture{"tieback-stiffness-overflows.vd5d", RunOutcome::InputError,
                "ERROR STOP -- TIEBACK 1: STIFFNESS OR PRESTRESS NOT FINITE: CHECK THE MAGNITUDES "
                "OF ITS AREA, MODULUS, LENGTHS AND FORCE"},
        Fixture{"user-pressure-surcharge-overflows.vd5d", RunOutcome::InputError,
                "ERROR STOP -- EARTH PRESSURE NOT FINITE: CHECK THE MAGNITUDES OF THE PRESSURES, "
                "SURCHARGES AND SOIL PROPERTIES"},
        Fixture{"earth-pressure-width-overflows.vd5d", RunOutcome::InputError,
                "ERROR STOP -- EARTH PRESSURE NOT FINITE: CHECK THE MAGNITUDES OF THE PRESSURES, "
                "SURCHARGES AND SOIL PROPERTIES"},
        Fixture{"user-curve-multiplier-overflows.vd5d", RunOutcome::InputError,
                "ERROR STOP -- P-Y CURVE 1: A POINT TIMES ITS MULTIPLIER IS NOT FINITE ON LINE 10"},
        // Every deflection stayed zero and was reported as a closed solution.
        Fixture{"zero-ei-everywhere.vd5d", RunOutcome::InputError,
                "ERROR STOP -- EI IS ZERO AT EVERY STATION OF THE WALL"},
        Fixture{"negative-ei.vd5d", RunOutcome::InputError,
                "ERROR STOP -- NEGATIVE EI ON LINE 6, ITEM 4"}),
    [](const auto& info) {
      std::string name = info.param.file;
      name = name.substr(0, name.find('.'));
      for (char& c : name) {
        if (c == '-') c = '_';
      }
      return name;
    });

// Every file cut short after any of its lines ends with the end-of-file message,
// whatever record the cut falls in, naming the line after the cut.
TEST(HostileInput, AFileCutAfterAnyLineEndsInOrder) {
  const fs::path root(VELDRA_SOURCE_DIR);
  for (const fs::path& file :
       {root / "tests/engine/data/golden/small-wall.vd5d", root / "fuzz/seeds/soil-type-2.vd5d",
        root / "fuzz/seeds/soil-type-5.vd5d", root / "examples/three-stage-excavation.vd5d"}) {
    const std::string data = read_file(file);
    std::size_t cut = 0;
    int lines = 0;
    while ((cut = data.find('\n', cut)) != std::string::npos && cut + 1 < data.size()) {
      ++cut;
      ++lines;
      const EngineRun run = run_engine(data.substr(0, cut));
      ASSERT_EQ(run.status.outcome, RunOutcome::InputError) << file << " cut after line " << lines;
      EXPECT_EQ(run.status.message.rfind(
                    "ERROR STOP -- END OF DATA FILE ON LINE " + std::to_string(lines + 1), 0),
                0u)
          << file << " " << lines << ": " << run.status.message;
      EXPECT_NE(run.report.find("END OF ANALYSIS"), std::string::npos);
      EXPECT_FALSE(has_non_finite(run.report + run.plot + run.notes)) << file << " " << lines;
    }
  }
}

struct TextCase {
  const char* name;
  std::string data;
  const char* message;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class HostileTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(HostileTextTest, IsRefusedWithItsMessage) {
  const EngineRun run = run_engine(GetParam().data);
  EXPECT_EQ(run.status.outcome, RunOutcome::InputError);
  EXPECT_EQ(run.status.message, GetParam().message);
  // "TOO MUCH DATA FOR AVAILABLE STORAGE" keeps its line; what did not fit follows.
  std::string printed = "\n     " + run.status.message + "\n";
  const std::size_t dashes = printed.find(" -- ", printed.find("STORAGE"));
  if (printed.find("TOO MUCH DATA") != std::string::npos && dashes != std::string::npos) {
    printed.replace(dashes, 4, "\n     ");
    printed += "\n\n";
  }
  EXPECT_NE(run.report.find(printed), std::string::npos) << run.report;
  EXPECT_NE(run.report.find("END OF ANALYSIS"), std::string::npos);
}

std::string garbage() {
  std::string bytes = "\x7f""ELF\n";
  for (int i = 0; i < 512; ++i) bytes += static_cast<char>((i * 97 + 13) % 256);
  return bytes;
}

const std::string kHead = "T\n1 0 1 0 0 0 0 1 0 0\n10 12 100 0.001 0 12\n0 10 1 1E9\n";

// A whole small file with the control record `control`: no rows in any table.
std::string with_control(const std::string& control) {
  return "T\n" + control + "\n10 12 100 0.001 0 12\n0 10 1 1E9\n0\n0\n0\n";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HostileTextTest,
    ::testing::Values(
        TextCase{"binary_garbage", garbage(), "ERROR STOP -- INVALID NUMBER ON LINE 2, ITEM 1"},
        TextCase{"nan_word", kHead + "1\n1 0 0 nan 0 0\n",
                 "ERROR STOP -- VALUE NOT FINITE ON LINE 6, ITEM 4"},
        TextCase{"inf_word", kHead + "1\n1 0 0 -inf 0 0\n",
                 "ERROR STOP -- VALUE NOT FINITE ON LINE 6, ITEM 4"},
        TextCase{"negative_load_count", kHead + "-3\n",
                 "ERROR STOP -- NEGATIVE NUMBER OF LOAD ROWS ON LINE 5, ITEM 1"},
        TextCase{"huge_load_count", kHead + "2147483647\n",
                 "TOO MUCH DATA FOR AVAILABLE STORAGE -- 2147483647 LOAD ROWS ON LINE 5, ITEM 1 "
                 "(AT MOST 50)"},
        TextCase{"integer_beyond_32_bits", kHead + "4294967296\n",
                 "ERROR STOP -- INVALID NUMBER ON LINE 5, ITEM 1"},
        // Every count of the control record, negative.
        TextCase{"negative_restraint_count", with_control("1 -1 1 0 0 0 0 1 0 0"),
                 "ERROR STOP -- NEGATIVE NUMBER OF RESTRAINT ROWS ON LINE 2, ITEM 2"},
        TextCase{"negative_stiffness_count", with_control("1 0 -1 0 0 0 0 1 0 0"),
                 "ERROR STOP -- NEGATIVE NUMBER OF STIFFNESS ROWS ON LINE 2, ITEM 3"},
        TextCase{"negative_py_modification_count", with_control("1 0 1 -1 0 0 0 1 0 0"),
                 "ERROR STOP -- NEGATIVE NUMBER OF P-Y MODIFICATION ROWS ON LINE 2, ITEM 4"},
        TextCase{"negative_user_curve_count", with_control("1 0 1 0 0 1 -1 1 0 0"),
                 "ERROR STOP -- NEGATIVE NUMBER OF P-Y CURVES ON LINE 2, ITEM 7"},
        TextCase{"negative_stage_count", with_control("1 0 1 0 0 0 0 -1 0 0"),
                 "ERROR STOP -- NEGATIVE NUMBER OF STAGES ON LINE 2, ITEM 8"},
        TextCase{"negative_moment_ei_count", with_control("1 0 1 0 0 0 0 1 -1 0"),
                 "ERROR STOP -- NEGATIVE NUMBER OF MOMENT-EI SETS ON LINE 2, ITEM 9"},
        TextCase{"negative_tieback_count", with_control("1 0 1 0 0 0 0 1 0 -1"),
                 "ERROR STOP -- NEGATIVE NUMBER OF TIEBACKS ON LINE 2, ITEM 10"},
        // A control record over two lines: the count's own line is named.
        TextCase{"negative_count_on_the_second_line", with_control("1 0 1 0 0 1\n-1 1 0 0"),
                 "ERROR STOP -- NEGATIVE NUMBER OF P-Y CURVES ON LINE 3, ITEM 7"},
        TextCase{"too_many_restraints", with_control("1 21 1 0 0 0 0 1 0 0"),
                 "TOO MUCH DATA FOR AVAILABLE STORAGE -- 21 RESTRAINT ROWS ON LINE 2, ITEM 2 "
                 "(AT MOST 20)"},
        TextCase{"too_many_user_curves", with_control("1 0 1 0 0 1 64 1 0 0"),
                 "TOO MUCH DATA FOR AVAILABLE STORAGE -- 64 P-Y CURVES ON LINE 2, ITEM 7 "
                 "(AT MOST 63)"},
        TextCase{"too_many_increments", "T\n1 0 1 0 0 0 0 1 0 0\n408 12 100 0.001 0 12\n",
                 "TOO MUCH DATA FOR AVAILABLE STORAGE -- 408 INCREMENTS ON LINE 3, ITEM 1 "
                 "(AT MOST 407)"},
        TextCase{"too_many_soil_layers",
                 "T\n1 0 1 0 0 2 0 1 0 0\n10 12 100 0.001 60 12\n0 10 1 1E9\n0\n0\n"
                 "60 12 12 0 0 1 1 0\n0 0 0 0 0 0\n0\n11\n",
                 "TOO MUCH DATA FOR AVAILABLE STORAGE -- 11 SOIL LAYERS ON LINE 10, ITEM 1 "
                 "(AT MOST 10)"},
        TextCase{"too_many_surcharges",
                 "T\n1 0 1 0 0 2 0 1 0 0\n10 12 100 0.001 60 12\n0 10 1 1E9\n0\n0\n"
                 "60 12 12 0 0 1 1 0\n0 0 0 0 0 0\n21\n",
                 "TOO MUCH DATA FOR AVAILABLE STORAGE -- 21 SURCHARGES ON LINE 9, ITEM 1 "
                 "(AT MOST 20)"},
        TextCase{"negative_increment_length", "T\n1 0 1 0 0 0 0 1 0 0\n10 -12 100 0.001 0 12\n",
                 "ERROR STOP -- INCREMENT LENGTH MUST BE POSITIVE"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veldra::test

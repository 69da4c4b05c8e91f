// The layers of the source tree hold: nothing includes a layer above it, only the
// engine's front ends see its internals, and each engine folder includes only the
// folders on the floors below it.
#include "tests/layering/include_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

TEST(IncludeLines, AreFoundWithTheirLineAndKind) {
  const std::vector<IncludeLine> found = includes_of(
      "// #include \"commented/out.h\" is not a directive\n"
      "#include \"engine/state/problem_state.h\"\n"
      "\n"
      "  #  include <QWidget>\n"
      "#include<vector>\n");
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].line, 2);
  EXPECT_EQ(found[0].target, "engine/state/problem_state.h");
  EXPECT_FALSE(found[0].angled);
  EXPECT_EQ(found[1].line, 4);
  EXPECT_EQ(found[1].target, "QWidget");
  EXPECT_TRUE(found[1].angled);
  EXPECT_EQ(found[2].target, "vector");
}

struct IncludeCase {
  const char* file;
  const char* include_line;
  bool allowed;
};

void PrintTo(const IncludeCase& c, std::ostream* os) {
  *os << c.file << ": " << c.include_line;
}

class OneInclude : public ::testing::TestWithParam<IncludeCase> {};

TEST_P(OneInclude, IsJudgedByTheLayerTable) {
  const IncludeCase& c = GetParam();
  const std::vector<Violation> v = check_file(c.file, std::string(c.include_line) + "\n");
  if (c.allowed) {
    EXPECT_TRUE(v.empty()) << v.front().rule;
  } else {
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(v.front().file, c.file);
    EXPECT_EQ(v.front().line, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneInclude,
    ::testing::Values(
        // The engine's floors: down is allowed, up and sideways are not.
        IncludeCase{"engine/driver/run.cpp", "#include \"engine/wall/iteration.h\"", true},
        IncludeCase{"engine/wall/iteration.cpp", "#include \"engine/format/fortran_format.h\"", true},
        IncludeCase{"engine/state/problem_state.h", "#include \"engine/state/capacities.h\"", true},
        IncludeCase{"engine/driver/run.h", "#include \"veldra/engine.h\"", true},
        IncludeCase{"engine/wall/iteration.cpp", "#include \"engine/driver/run_context.h\"", false},
        IncludeCase{"engine/report/input_echo.h", "#include \"engine/wall/station_accumulation.h\"", false},
        IncludeCase{"engine/soil/surcharge.cpp", "#include \"engine/py/py_model.h\"", false},
        IncludeCase{"engine/format/banner.cpp", "#include \"engine/state/problem_state.h\"", false},
        IncludeCase{"engine/driver/run.cpp", "#include \"engine/export/veldra_calc.h\"", false},
        // A folder the table does not know must be given its floor.
        IncludeCase{"engine/solver/x.cpp", "#include \"engine/state/problem_state.h\"", false},
        // The engine stands alone.
        IncludeCase{"engine/report/plot_file.cpp", "#include \"framework/units.h\"", false},
        IncludeCase{"engine/driver/run.cpp", "#include \"app/main_model.h\"", false},
        IncludeCase{"engine/driver/run.cpp", "#include \"cli/analysis_job.h\"", false},
        IncludeCase{"engine/driver/run.cpp", "#include <QString>", false},
        // framework under app, neither with windows.
        IncludeCase{"framework/units.cpp", "#include \"app/program_data.h\"", false},
        IncludeCase{"framework/units.cpp", "#include <QtCore/QString>", false},
        IncludeCase{"app/program_data.cpp", "#include \"framework/units.h\"", true},
        IncludeCase{"app/program_data.cpp", "#include \"gui/core/error_guard.h\"", false},
        IncludeCase{"app/program_data.cpp", "#include <QObject>", false},
        IncludeCase{"app/program_data.cpp", "#include <queue>", true},
        // Only the front ends see the engine's internals; everyone may use its interface.
        IncludeCase{"app/run_sequence.cpp", "#include \"engine/driver/run.h\"", false},
        IncludeCase{"app/run_sequence.cpp", "#include \"veldra/engine.h\"", true},
        IncludeCase{"gui/main/main_window.cpp", "#include \"engine/state/problem_state.h\"", false},
        IncludeCase{"gui/main/main_window.cpp", "#include \"app/program_data.h\"", true},
        IncludeCase{"gui/main/main_window.cpp", "#include <QMainWindow>", true},
        IncludeCase{"tests/app/run_test.cpp", "#include \"engine/wall/iteration.h\"", false},
        IncludeCase{"tests/engine/wall_test.cpp", "#include \"engine/wall/iteration.h\"", true},
        IncludeCase{"bench/wall_bench.cpp", "#include \"engine/wall/iteration.h\"", true},
        IncludeCase{"cli/main.cpp", "#include \"engine/driver/run.h\"", true},
        // A relative path would slip past the table.
        IncludeCase{"app/program_data.cpp", "#include \"../engine/driver/run.h\"", false}));

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SourceTree, NoIncludeRunsAgainstTheLayers) {
  const fs::path root = VELDRA_SOURCE_DIR;
  const std::vector<std::string> files = layered_sources(root);
  // A wrong root would find nothing and pass for the wrong reason.
  for (const char* folder : {"engine/format/", "engine/driver/", "framework/", "app/", "cli/"}) {
    EXPECT_TRUE(std::any_of(files.begin(), files.end(),
                            [&](const std::string& f) { return f.starts_with(folder); }))
        << "no source found under " << folder;
  }
  std::ostringstream found;
  for (const std::string& file : files) {
    for (const Violation& v : check_file(file, read_text(root / file))) {
      found << v.file << ":" << v.line << ": \"" << v.target << "\": " << v.rule << "\n";
    }
  }
  EXPECT_EQ(found.str(), "");
}

}  // namespace
}  // namespace veldra::test

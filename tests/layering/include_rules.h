// Which folder may include which: the layers of the source tree as a table, and the
// check of one file's #include lines against it.
//
// To admit a new folder, add it to the rules in include_rules.cpp: a folder that
// may include the engine's internals goes into kEngineFrontEnds, a new engine
// folder gets its floor in kEngineFloors, a new layer gets a rule of its own.
#ifndef VELDRA_TESTS_LAYERING_INCLUDE_RULES_H
#define VELDRA_TESTS_LAYERING_INCLUDE_RULES_H

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace veldra::test {

struct IncludeLine {
  int line = 0;              // 1-based
  std::string target;        // the text between the quotes or the angle brackets
  bool angled = false;       // <...> rather than "..."
};

// The #include directives of a source text, in order.
std::vector<IncludeLine> includes_of(std::string_view text);

struct Violation {
  std::string file;          // path relative to the source root, '/'-separated
  int line = 0;
  std::string target;
  std::string rule;          // what the include breaks
};

// The violations of one file, given by its path relative to the source root.
std::vector<Violation> check_file(const std::string& file, std::string_view text);

// Every C++ source and header under the folders of the layered tree (engine,
// framework, app, gui, cli, bench, fuzz, tests), as paths relative to `root`.
std::vector<std::string> layered_sources(const std::filesystem::path& root);

}  // namespace veldra::test

#endif  // VELDRA_TESTS_LAYERING_INCLUDE_RULES_H

#include "tests/layering/include_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

bool starts_with_any(std::string_view text, const std::vector<std::string_view>& prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&](std::string_view p) { return text.starts_with(p); });
}

// Layers that point only down: a file under `from` may include nothing under
// `forbidden`, and no Qt header unless `qt_allowed`.
struct LayerRule {
  std::string_view name;
  std::vector<std::string_view> from;
  std::vector<std::string_view> forbidden;
  bool qt_allowed;
};

const std::vector<LayerRule>& layer_rules() {
  static const std::vector<LayerRule> rules = {
      {"the engine is standard C++ under every other layer",
       {"engine/"}, {"framework/", "app/", "gui/", "cli/", "tests/"}, false},
      {"framework/ lies under app/ and knows no windows",
       {"framework/"}, {"app/", "gui/", "cli/"}, false},
      {"app/ knows no windows", {"app/"}, {"gui/", "cli/"}, false},
  };
  return rules;
}

// The engine's internals are everything under engine/ but its public interface.
const std::vector<std::string_view> kEnginePublic = {"engine/include/"};
// Folders that may include the engine's internals: the engine and its front ends.
const std::vector<std::string_view> kEngineFrontEnds = {
    "engine/", "cli/", "bench/", "fuzz/", "tests/engine/", "tests/cli/", "tests/support/"};

// The engine's floors: a folder includes only folders on lower floors (and itself).
const std::map<std::string, int, std::less<>>& engine_floors() {
  static const std::map<std::string, int, std::less<>> floors = {
      {"format", 0},                                          // edit descriptors, list I/O
      {"state", 1},                                           // the problem state
      {"wall", 2}, {"soil", 2}, {"py", 2}, {"report", 2},     // models and report sections
      {"driver", 3},                                          // the run frame and its steps
      {"export", 4},                                          // the library's entry points
  };
  return floors;
}

// "engine/wall/iteration.h" -> "wall"; "" when the path has no engine folder.
std::string_view engine_folder(std::string_view path) {
  if (!path.starts_with("engine/")) return {};
  path.remove_prefix(7);
  const std::size_t slash = path.find('/');
  return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
}

bool is_qt_header(std::string_view target) {
  return target.size() > 1 && target[0] == 'Q' &&
         (std::isupper(static_cast<unsigned char>(target[1])) || target.starts_with("Qt"));
}

void check_engine_floor(const std::string& file, const IncludeLine& inc,
                        std::vector<Violation>& out) {
  const std::string_view from = engine_folder(file);
  const std::string_view to = engine_folder(inc.target);
  if (from.empty() || to.empty() || from == to || to == "include") return;
  const auto& floors = engine_floors();
  const auto f = floors.find(from);
  const auto t = floors.find(to);
  if (f == floors.end() || t == floors.end()) {
    const std::string_view unknown = f == floors.end() ? from : to;
    out.push_back({file, inc.line, inc.target,
                   "engine/" + std::string(unknown) + "/ has no floor in the layer table"});
    return;
  }
  if (t->second >= f->second) {
    out.push_back({file, inc.line, inc.target,
                   "engine/" + std::string(from) + "/ (floor " + std::to_string(f->second) +
                       ") includes engine/" + std::string(to) + "/ (floor " +
                       std::to_string(t->second) + ")"});
  }
}

}  // namespace

std::vector<IncludeLine> includes_of(std::string_view text) {
  static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]*)[>"])");
  std::vector<IncludeLine> out;
  std::istringstream in{std::string(text)};
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::smatch m;
    if (std::regex_search(line, m, directive)) {
      out.push_back({number, m[2].str(), m[1].str() == "<"});
    }
  }
  return out;
}

std::vector<Violation> check_file(const std::string& file, std::string_view text) {
  std::vector<Violation> out;
  for (const IncludeLine& inc : includes_of(text)) {
    if (inc.angled) {
      for (const LayerRule& rule : layer_rules()) {
        if (!rule.qt_allowed && starts_with_any(file, rule.from) && is_qt_header(inc.target)) {
          out.push_back({file, inc.line, inc.target, std::string(rule.name)});
        }
      }
      continue;
    }
    // Paths climbing out of a folder would slip past every rule below.
    if (inc.target.find("..") != std::string::npos) {
      out.push_back({file, inc.line, inc.target, "includes name paths from the source root"});
      continue;
    }
    for (const LayerRule& rule : layer_rules()) {
      if (starts_with_any(file, rule.from) && starts_with_any(inc.target, rule.forbidden)) {
        out.push_back({file, inc.line, inc.target, std::string(rule.name)});
      }
    }
    if (inc.target.starts_with("engine/") && !starts_with_any(inc.target, kEnginePublic) &&
        !starts_with_any(file, kEngineFrontEnds)) {
      out.push_back({file, inc.line, inc.target,
                     "only the engine and its front ends include the engine's internals"});
    }
    check_engine_floor(file, inc, out);
  }
  return out;
}

std::vector<std::string> layered_sources(const fs::path& root) {
  static const std::array<const char*, 8> folders = {"engine", "framework", "app", "gui",
                                                     "cli",    "bench",     "fuzz", "tests"};
  static const std::array<const char*, 5> extensions = {".h", ".hpp", ".cpp", ".cc", ".cxx"};
  std::vector<std::string> out;
  for (const char* folder : folders) {
    std::error_code ec;
    if (!fs::is_directory(root / folder, ec)) continue;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root / folder, ec)) {
      if (!e.is_regular_file()) continue;
      const std::string ext = e.path().extension().string();
      if (std::find(extensions.begin(), extensions.end(), ext) == extensions.end()) continue;
      out.push_back(e.path().lexically_relative(root).generic_string());
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace veldra::test

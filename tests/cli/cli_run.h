// Runs the built veldra-calc as a user would, from a shell, and hands back its exit
// status and what it printed.
#ifndef VELDRA_TESTS_CLI_CLI_RUN_H
#define VELDRA_TESTS_CLI_CLI_RUN_H

#include "tests/support/temp_dir.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace veldra::test {

struct CliRun {
  int status = -1;     // exit status, -1 when the program did not exit normally
  std::string out;     // standard output
  std::string err;     // standard error
};

// A word for the shell, quoted.
inline std::string quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs "veldra-calc ARGS" in `dir` with a fixed title-page instant; `input` is fed
// to its standard input. ARGS are shell words, already quoted where needed.
inline CliRun run_cli(const std::filesystem::path& dir, const std::string& args,
                      const std::string& input = "") {
  TempDir io;
  write_file(io / "in", input);
  const std::string command = "cd " + quoted(dir.string()) +
                              " && SOURCE_DATE_EPOCH=1700000000 " + quoted(VELDRA_CALC) + " " +
                              args + " <" + quoted((io / "in").string()) + " >" +
                              quoted((io / "out").string()) + " 2>" +
                              quoted((io / "err").string());
  const int raw = std::system(command.c_str());
  CliRun run;
  if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  run.out = read_file(io / "out");
  run.err = read_file(io / "err");
  return run;
}

}  // namespace veldra::test

#endif

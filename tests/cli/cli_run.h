// Runs the built veldra-calc as a user would, from a shell, and hands back its exit
// status and what it printed.
#ifndef VELDRA_TESTS_CLI_CLI_RUN_H
#define VELDRA_TESTS_CLI_CLI_RUN_H

#include "tests/support/temp_dir.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

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

// How to run it besides the arguments.
struct CliSetting {
  std::string input;        // fed to standard input
  std::string environment;  // shell assignments before the command ("TMPDIR=/x")
  std::string shell_setup;  // shell commands run first ("ulimit -f 8")
  std::string stdout_path;  // where standard output goes (empty: captured)
};

// Runs "veldra-calc ARGS" in `dir` with a fixed title-page instant. ARGS are shell
// words, already quoted where needed.
inline CliRun run_cli(const std::filesystem::path& dir, const std::string& args,
                      const CliSetting& setting) {
  TempDir io;
  write_file(io / "in", setting.input);
  const std::string out = setting.stdout_path.empty() ? (io / "out").string() : setting.stdout_path;
  const std::string command = (setting.shell_setup.empty() ? "" : setting.shell_setup + "; ") +
                              "cd " + quoted(dir.string()) + " && SOURCE_DATE_EPOCH=1700000000 " +
                              setting.environment + " " + quoted(VELDRA_CALC) + " " + args +
                              " <" + quoted((io / "in").string()) + " >" + quoted(out) + " 2>" +
                              quoted((io / "err").string());
  const int raw = std::system(command.c_str());
  CliRun run;
  if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  if (setting.stdout_path.empty()) run.out = read_file(io / "out");
  run.err = read_file(io / "err");
  return run;
}

inline CliRun run_cli(const std::filesystem::path& dir, const std::string& args,
                      const std::string& input = "") {
  CliSetting setting;
  setting.input = input;
  return run_cli(dir, args, setting);
}

// veldra-calc started in `dir` without a shell, so that signals reach it alone;
// standard output and error go to `out` and `err`, the environment is this
// process's with `env` ("NAME=value") added.
inline pid_t start_cli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                       const std::filesystem::path& out, const std::filesystem::path& err,
                       const std::vector<std::string>& env = {}) {
  std::vector<std::string> words = {VELDRA_CALC};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  std::vector<std::string> env_words = env;
  env_words.emplace_back("SOURCE_DATE_EPOCH=1700000000");
  for (char** e = environ; *e; ++e) env_words.emplace_back(*e);
  std::vector<char*> envp;
  for (std::string& w : env_words) envp.push_back(w.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const std::string cwd = dir.string();
  // posix_spawn has no working directory before glibc 2.29's addchdir_np.
  posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Waits for a started veldra-calc: its exit status, or 128 + the signal that
// ended it.
inline int wait_cli(pid_t pid) {
  int raw = 0;
  if (waitpid(pid, &raw, 0) != pid) return -1;
  if (WIFEXITED(raw)) return WEXITSTATUS(raw);
  return WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : -1;
}

}  // namespace veldra::test

#endif

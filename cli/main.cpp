// veldra-calc: the command-line front end of the analysis engine.
#include "cli/analysis_job.h"
#include "cli/cli_options.h"
#include "veldra/engine.h"

#include <iostream>

int main(int argc, char** argv) {
  using namespace veldra;
  std::string error;
  const std::optional<cli::Options> opt = cli::parse_options(argc, argv, error);
  if (!opt) {
    std::cerr << "veldra-calc: " << error << "\n" << cli::kUsage;
    return 1;
  }
  if (opt->help) {
    std::cout << cli::kUsage;
    return 0;
  }

  if (opt->names) {
    const RunStatus status = run_from_names_file();
    cli::JobResult job;
    job.status = status;
    if (status.outcome == RunOutcome::NamesFileMissing ||
        status.outcome == RunOutcome::FileError) {
      std::cerr << "veldra-calc: " << status.message << '\n';
      return 1;
    }
    if (!opt->quiet) cli::print_summary(std::cout, "NAMES.dat", job);
    return cli::exit_status(status);
  }

  const std::filesystem::path& data = opt->files.front();
  const cli::JobResult job = cli::run_job(data, opt->out_dir);
  if (!job.error.empty()) {
    std::cerr << "veldra-calc: " << job.error << '\n';
    return 1;
  }
  if (job.status.outcome == RunOutcome::FileError) {
    std::cerr << "veldra-calc: " << data.string() << ": " << job.status.message << '\n';
    return 1;
  }
  if (!opt->quiet) cli::print_summary(std::cout, data, job);
  return cli::exit_status(job.status);
}

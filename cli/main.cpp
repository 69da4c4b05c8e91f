// veldra-calc: the command-line front end of the analysis engine.
#include "cli/analysis_job.h"
#include "cli/batch_list.h"
#include "cli/batch_run.h"
#include "cli/batch_table.h"
#include "cli/cli_options.h"
#include "cli/interrupt.h"
#include "cli/progress_display.h"
#include "veldra/engine.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <iostream>

namespace {

using namespace veldra;

int run_names_mode(const cli::Options& opt) {
  const RunStatus status = run_from_names_file();
  cli::JobResult job;
  job.status = status;
  if (status.outcome == RunOutcome::NamesFileMissing ||
      status.outcome == RunOutcome::FileError || status.outcome == RunOutcome::InternalError) {
    std::cerr << "veldra-calc: " << status.message << '\n';
    return cli::exit_status(status);
  }
  if (!opt.quiet) cli::print_summary(std::cout, "NAMES.dat", job);
  return cli::exit_status(status);
}

int run_single_file(const cli::Options& opt) {
  const std::filesystem::path& data = opt.files.front();
  const cli::JobResult job = cli::run_job(data, opt.out_dir);
  if (!job.error.empty()) {
    std::cerr << "veldra-calc: " << job.error << '\n';
    return 1;
  }
  if (job.status.outcome == RunOutcome::FileError ||
      job.status.outcome == RunOutcome::InternalError) {
    std::cerr << "veldra-calc: " << data.string() << ": " << job.status.message << '\n';
    return cli::exit_status(job.status);
  }
  if (!opt.quiet) cli::print_summary(std::cout, data, job);
  return cli::exit_status(job.status);
}

int run_batch_mode(const cli::Options& opt) {
  std::vector<cli::BatchItem> items;
  if (opt.batch_list) {
    std::string error;
    const auto listed = cli::read_batch_list(*opt.batch_list, error);
    if (!listed) {
      std::cerr << "veldra-calc: " << error << '\n';
      return 1;
    }
    for (const auto& path : *listed) items.emplace_back().data = path;
  }
  for (const auto& path : opt.files) items.emplace_back().data = path;

  const int workers = cli::worker_count(opt.jobs, items.size());
  const cli::ProgressStyle style = opt.quiet                  ? cli::ProgressStyle::None
                                   : isatty(STDERR_FILENO) == 1 ? cli::ProgressStyle::Bar
                                                                : cli::ProgressStyle::Lines;
  cli::ProgressDisplay progress(std::cerr, style, items.size());
  const std::atomic<bool>& stop = cli::catch_interrupts();
  const auto start = std::chrono::steady_clock::now();
  cli::run_batch(items, opt.out_dir, workers, stop,
                 [&](const cli::BatchItem& item, std::size_t done) { progress.item_done(item, done); });
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  progress.finish();

  if (!opt.quiet) {
    cli::print_batch_table(std::cout, items);
    cli::print_batch_totals(std::cout, items, workers, elapsed.count());
  }
  if (const int sig = cli::interrupting_signal()) {
    const auto analysed = std::count_if(items.begin(), items.end(),
                                        [](const cli::BatchItem& item) { return item.analysed; });
    std::cerr << "veldra-calc: interrupted: " << analysed << " of " << items.size()
              << " files analysed, the others not run\n";
    return 128 + sig;
  }
  return cli::batch_exit_status(items);
}

}  // namespace

int main(int argc, char** argv) {
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
  if (opt->names) return run_names_mode(*opt);
  if (opt->batch()) return run_batch_mode(*opt);
  return run_single_file(*opt);
}

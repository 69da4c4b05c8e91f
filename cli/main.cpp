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
#include <cerrno>
#include <csignal>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <mutex>
#include <sstream>

namespace {

using namespace veldra;

constexpr int kUsageOrFileError = 1;

// Writes what the program prints on standard output in one go, so that a failure
// (a full disk, a closed pipe) is seen with its reason instead of passing
// unnoticed with an exit status of 0.
bool write_standard_output(const std::string& text) {
  std::cout.flush();
  const char* from = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t written = ::write(STDOUT_FILENO, from, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int err = written < 0 ? errno : EIO;
      std::cerr << "veldra-calc: cannot write to standard output: " << std::strerror(err) << '\n';
      return false;
    }
    from += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

int run_names_mode(const cli::Options& opt) {
  std::ostringstream console;
  const RunStatus status = run_from_names_file({}, &console);
  cli::JobResult job;
  job.status = status;
  if (status.outcome == RunOutcome::NamesFileMissing ||
      status.outcome == RunOutcome::FileError || status.outcome == RunOutcome::InternalError) {
    // The engine's console lines say the same for the application's sake.
    std::cerr << "veldra-calc: " << status.message << '\n';
    return cli::exit_status(status);
  }
  if (!opt.quiet) std::cerr << console.str() << std::flush;
  if (!opt.quiet) {
    std::ostringstream out;
    cli::print_summary(out, "NAMES.dat", job);
    if (!write_standard_output(out.str())) return kUsageOrFileError;
  }
  return cli::exit_status(status);
}

int run_single_file(const cli::Options& opt) {
  const std::filesystem::path& data = opt.files.front();
  cli::InterruptWatch watch(/*finish_first=*/false);
  watch.on_abandon([&](int) {
    cli::remove_scratch_dirs();
    std::cerr << "\nveldra-calc: interrupted: the results of " << data.string()
              << " are either all new or all as they were\n";
  });
  const cli::JobResult job = cli::run_job(data, opt.out_dir);
  watch.finish();

  if (!opt.quiet && !job.console.empty()) std::cerr << job.console << std::flush;
  if (!job.error.empty()) {
    std::cerr << "veldra-calc: " << job.error << '\n';
    return kUsageOrFileError;
  }
  if (job.status.outcome == RunOutcome::FileError ||
      job.status.outcome == RunOutcome::InternalError) {
    std::cerr << "veldra-calc: " << data.string() << ": " << job.status.message << '\n';
    return cli::exit_status(job.status);
  }
  const std::string hint = cli::older_format_hint(data, job.status);
  if (!hint.empty()) std::cerr << "veldra-calc: " << hint << '\n';
  if (!opt.quiet) {
    std::ostringstream out;
    cli::print_summary(out, data, job);
    if (!write_standard_output(out.str())) return kUsageOrFileError;
  }
  return cli::exit_status(job.status);
}

int run_batch_mode(const cli::Options& opt) {
  std::vector<cli::BatchItem> items;
  if (opt.batch_list) {
    std::string error;
    const auto listed = cli::read_batch_list(*opt.batch_list, error);
    if (!listed) {
      std::cerr << "veldra-calc: " << error << '\n';
      return kUsageOrFileError;
    }
    for (const auto& path : *listed) items.emplace_back().data = path;
  }
  for (const auto& path : opt.files) items.emplace_back().data = path;

  const int workers = cli::worker_count(opt.jobs, items.size());
  const cli::ProgressStyle style = opt.quiet                  ? cli::ProgressStyle::None
                                   : isatty(STDERR_FILENO) == 1 ? cli::ProgressStyle::Bar
                                                                : cli::ProgressStyle::Lines;
  cli::ProgressDisplay progress(std::cerr, style, items.size());
  std::mutex items_mutex;  // the items and the progress display
  const auto start = std::chrono::steady_clock::now();
  const auto table = [&] {
    std::ostringstream out;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    cli::print_batch_table(out, items);
    cli::print_batch_totals(out, items, workers, elapsed.count());
    return out.str();
  };
  const auto analysed = [&] {
    return std::count_if(items.begin(), items.end(),
                         [](const cli::BatchItem& item) { return item.analysed; });
  };

  cli::InterruptWatch watch(/*finish_first=*/true);
  watch.on_stop([&](int) {
    std::lock_guard lock(items_mutex);
    progress.note("stopping: the analyses under way finish first (interrupt again to stop at once)");
  });
  watch.on_abandon([&](int) {
    std::lock_guard lock(items_mutex);
    cli::remove_scratch_dirs();
    progress.finish();
    if (!opt.quiet) write_standard_output(table());
    std::cerr << "veldra-calc: interrupted: " << analysed() << " of " << items.size()
              << " files analysed; the analyses under way were stopped and their earlier "
                 "results kept\n";
  });
  cli::run_batch(items, opt.out_dir, workers, watch.stop(),
                 [&](const cli::BatchItem& item, std::size_t done) { progress.item_done(item, done); },
                 &items_mutex);
  watch.finish();
  progress.finish();

  if (!opt.quiet && !write_standard_output(table())) return kUsageOrFileError;
  if (const int sig = watch.signal()) {
    std::cerr << "veldra-calc: interrupted: " << analysed() << " of " << items.size()
              << " files analysed, the others not run\n";
    return 128 + sig;
  }
  return cli::batch_exit_status(items);
}

}  // namespace

int main(int argc, char** argv) {
  // A closed pipe or a file-size limit would otherwise end the program in the middle
  // of whatever it is doing; as errors of the write they are reported with their
  // reason, and the results and scratch directories are dealt with as for any other.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  std::string error;
  const std::optional<cli::Options> opt = cli::parse_options(argc, argv, error);
  if (!opt) {
    std::cerr << "veldra-calc: " << error << "\n" << cli::kUsage;
    return kUsageOrFileError;
  }
  if (opt->help) {
    return write_standard_output(cli::kUsage) ? 0 : kUsageOrFileError;
  }
  error = cli::source_date_epoch_error(std::getenv("SOURCE_DATE_EPOCH"));
  if (!error.empty()) {
    std::cerr << "veldra-calc: " << error << '\n';
    return kUsageOrFileError;
  }
  if (opt->names) return run_names_mode(*opt);
  if (opt->batch()) return run_batch_mode(*opt);
  return run_single_file(*opt);
}

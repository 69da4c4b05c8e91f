#include "cli/batch_run.h"

#include <algorithm>
#include <exception>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <string_view>
#include <system_error>
#include <thread>

namespace veldra::cli {

namespace fs = std::filesystem;

ItemState item_state(const BatchItem& item) {
  if (!item.analysed) return ItemState::NotRun;
  if (!item.job.error.empty()) return ItemState::FileError;
  switch (item.job.status.outcome) {
    case RunOutcome::Finished:
      return all_closed(item.job.status) ? ItemState::Finished : ItemState::NotClosed;
    case RunOutcome::InputError: return ItemState::InputError;
    case RunOutcome::SoilStop: return ItemState::SoilStop;
    case RunOutcome::InternalError: return ItemState::InternalError;
    default: return ItemState::FileError;
  }
}

std::string item_detail(const BatchItem& item) {
  const RunStatus& s = item.job.status;
  switch (item_state(item)) {
    case ItemState::Finished: return {};
    case ItemState::NotClosed: return "some problem did not close";
    case ItemState::NotRun: return "not analysed: the batch was interrupted";
    case ItemState::InputError: {
      const std::string hint = older_format_hint(item.data, s);
      return hint.empty() ? s.message : s.message + "; " + hint;
    }
    case ItemState::InternalError: {
      // The table's status column already says "internal error".
      constexpr std::string_view prefix = "internal error: ";
      return s.message.starts_with(prefix) ? s.message.substr(prefix.size()) : s.message;
    }
    case ItemState::SoilStop: {
      std::string text = "stop code " + std::to_string(s.stop_code);
      if (!s.message.empty()) text += ": " + s.message;
      return text;
    }
    case ItemState::FileError: {
      // The front end's own errors mostly name the file already.
      const std::string& text = item.job.error.empty() ? s.message : item.job.error;
      const std::string prefix = item.data.string() + ": ";
      return text.starts_with(prefix) ? text.substr(prefix.size()) : text;
    }
  }
  return {};
}

std::string item_line(const BatchItem& item) {
  std::string line = item.data.string() + ": ";
  switch (item_state(item)) {
    case ItemState::Finished: return line + "analysis finished";
    case ItemState::NotClosed: return line + "analysis finished without closing";
    case ItemState::InputError: return line + "input error: " + item_detail(item);
    case ItemState::SoilStop: return line + "stopped by a soil model, " + item_detail(item);
    case ItemState::InternalError: return line + "internal error: " + item_detail(item);
    default: return line + item_detail(item);
  }
}

int worker_count(int jobs, std::size_t items) {
  std::size_t n = jobs > 0 ? static_cast<std::size_t>(jobs) : std::thread::hardware_concurrency();
  n = std::min(std::max<std::size_t>(n, 1), std::max<std::size_t>(items, 1));
  return static_cast<int>(n);
}

void run_batch(std::vector<BatchItem>& items, const std::optional<fs::path>& out_dir, int workers,
               const std::atomic<bool>& stop, const ItemDone& done, std::mutex* items_mutex) {
  // Results of two items in one place would be lost to whichever finished last. A
  // file that is not there conflicts with nothing: it fails as missing.
  std::vector<std::string> conflict(items.size());
  std::map<fs::path, std::size_t> first_with_base;
  for (std::size_t i = 0; i < items.size(); ++i) {
    std::error_code ec;
    if (!fs::is_regular_file(items[i].data, ec)) continue;
    const auto [at, inserted] = first_with_base.emplace(result_base(items[i].data, out_dir), i);
    if (!inserted) {
      conflict[i] = items[i].data.string() + ": its results would overwrite those of " +
                    items[at->second].data.string();
    }
  }

  std::atomic<std::size_t> next{0};
  std::mutex own_mutex;
  std::mutex& record_mutex = items_mutex ? *items_mutex : own_mutex;
  std::size_t finished = 0;
  auto work = [&] {
    std::optional<ScratchDir> scratch;
    for (;;) {
      if (stop.load()) return;
      const std::size_t i = next.fetch_add(1);
      if (i >= items.size()) return;
      JobResult job;
      // Held from the replacement of the results until they are recorded, so that
      // an interrupt's table never calls replaced results "not run".
      std::shared_lock<std::shared_mutex> gate;
      if (!conflict[i].empty()) {
        job.error = conflict[i];
      } else {
        // Nothing may escape a worker thread; the engine itself never throws, but
        // the file handling around it can run out of memory like anything else.
        try {
          // Made on the first job, so that an idle worker makes none.
          if (!scratch) scratch.emplace();
          job = run_job(items[i].data, out_dir, &*scratch, &gate);
        } catch (const std::exception& e) {
          job = JobResult{};
          job.error = items[i].data.string() + ": " + e.what();
        }
      }
      std::lock_guard lock(record_mutex);
      BatchItem& item = items[i];
      item.job = std::move(job);
      item.analysed = true;
      done(item, ++finished);
    }
  };

  std::vector<std::thread> threads;
  for (int w = 1; w < workers; ++w) {
    try {
      threads.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads than asked for still finish the batch
    }
  }
  work();  // the calling thread is a worker too
  for (std::thread& t : threads) t.join();
}

}  // namespace veldra::cli

// A batch of data files analysed in parallel: a fixed number of worker threads
// take the files in list order, each running one analysis at a time with its own
// engine instance (veldra::run_analysis keeps no state between calls).
#ifndef VELDRA_CLI_BATCH_RUN_H
#define VELDRA_CLI_BATCH_RUN_H

#include "cli/analysis_job.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace veldra::cli {

struct BatchItem {
  std::filesystem::path data;  // as the user gave it
  bool analysed = false;       // false: not started (the batch was interrupted)
  JobResult job;
};

// How one item ended.
// NotClosed: the analysis finished, but some problem did not close or went beyond
// the allowable deflection.
enum class ItemState { Finished, NotClosed, InputError, SoilStop, FileError, InternalError, NotRun };
ItemState item_state(const BatchItem& item);

// What went wrong with a failed item, without the file's name (empty when it
// finished): the input error, the stop code and message of a soil-model stop, the
// file or internal error.
std::string item_detail(const BatchItem& item);

// "FILE: analysis finished", "FILE: input error: ...": the line of a plain log.
std::string item_line(const BatchItem& item);

// Called once per item when it is done, with the count of items done so far
// (this one included). Calls are serialised: no two run at once.
using ItemDone = std::function<void(const BatchItem& item, std::size_t done)>;

// One worker per job, at least 1 and at most one per item. `jobs` 0: one per core.
int worker_count(int jobs, std::size_t items);

// Analyses every item, writing the results beside its data file or into out_dir.
// An item whose results would overwrite those of an earlier item is not analysed
// and fails with a file error. Once `stop` is set no further item is started; those
// left keep analysed == false. Returns when every started analysis has ended.
// An item's job and `analysed` are set, and `done` is called, with `items_mutex`
// held (one of the batch's own when none is given): whoever holds it reads a
// consistent table, also while the workers run.
void run_batch(std::vector<BatchItem>& items, const std::optional<std::filesystem::path>& out_dir,
               int workers, const std::atomic<bool>& stop, const ItemDone& done,
               std::mutex* items_mutex = nullptr);

}  // namespace veldra::cli

#endif

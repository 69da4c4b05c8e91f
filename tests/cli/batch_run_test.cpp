// The parallel batch: every file analysed once whatever the number of workers, each
// with its own engine; an interruption starts no further file.
#include "cli/batch_run.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(VELDRA_SOURCE_DIR) / "examples";

// `copies` copies of each example in `dir`, as batch items in that order.
std::vector<cli::BatchItem> example_items(const TempDir& dir, int copies) {
  std::vector<cli::BatchItem> items;
  for (const auto& entry : fs::directory_iterator(kExamples)) {
    if (entry.path().extension() != ".vd5d") continue;
    for (int k = 0; k < copies; ++k) {
      const fs::path copy = dir / (entry.path().stem().string() + "-" + std::to_string(k) + ".vd5d");
      fs::copy_file(entry.path(), copy);
      items.emplace_back().data = copy;
    }
  }
  return items;
}

class BatchWorkers : public ::testing::TestWithParam<int> {};

TEST_P(BatchWorkers, AnalyseEveryFileOnceWithTheSameSummaries) {
  TempDir dir;
  std::vector<cli::BatchItem> items = example_items(dir, 6);
  std::vector<std::size_t> counts;
  std::multiset<std::string> reported;
  std::atomic<bool> stop{false};
  cli::run_batch(items, std::nullopt, GetParam(), stop,
                 [&](const cli::BatchItem& item, std::size_t done) {
                   counts.push_back(done);
                   reported.insert(item.data.string());
                 });

  ASSERT_EQ(counts.size(), items.size());
  for (std::size_t i = 0; i < counts.size(); ++i) EXPECT_EQ(counts[i], i + 1);
  for (const cli::BatchItem& item : items) {
    EXPECT_EQ(reported.count(item.data.string()), 1u) << item.data;
    EXPECT_EQ(cli::item_state(item), cli::ItemState::Finished) << cli::item_line(item);
  }
  // Copies of one example have one summary, however the workers interleaved. A
  // copy is named after its example with "-k" appended.
  const auto example_of = [](const cli::BatchItem& item) {
    const std::string stem = item.data.stem().string();
    return stem.substr(0, stem.rfind('-'));
  };
  for (std::size_t i = 0; i + 1 < items.size(); ++i) {
    const auto& a = items[i].job.status.problems;
    const auto& b = items[i + 1].job.status.problems;
    if (example_of(items[i]) != example_of(items[i + 1])) continue;
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t p = 0; p < a.size(); ++p) {
      EXPECT_EQ(a[p].iterations, b[p].iterations);
      EXPECT_EQ(a[p].max_abs_moment, b[p].max_abs_moment);
      EXPECT_EQ(a[p].depth_of_max_deflection, b[p].depth_of_max_deflection);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Workers, BatchWorkers, ::testing::Values(1, 2, 7));

TEST(Batch, AnInterruptionStartsNoFurtherFile) {
  TempDir dir;
  std::vector<cli::BatchItem> items = example_items(dir, 2);
  std::atomic<bool> stop{false};
  // One worker; the signal arrives while the first file is being reported.
  cli::run_batch(items, std::nullopt, 1, stop,
                 [&](const cli::BatchItem&, std::size_t) { stop.store(true); });
  EXPECT_EQ(cli::item_state(items[0]), cli::ItemState::Finished);
  for (std::size_t i = 1; i < items.size(); ++i) {
    EXPECT_EQ(cli::item_state(items[i]), cli::ItemState::NotRun) << items[i].data;
    EXPECT_FALSE(fs::exists(fs::path(items[i].data).replace_extension(".vd5o")));
  }
  EXPECT_EQ(cli::item_detail(items[1]), "not analysed: the batch was interrupted");
}

TEST(Batch, WorkerCountFollowsJobsAndFiles) {
  EXPECT_EQ(cli::worker_count(4, 10), 4);
  EXPECT_EQ(cli::worker_count(4, 2), 2);   // no idle workers
  EXPECT_EQ(cli::worker_count(3, 0), 1);
  EXPECT_GE(cli::worker_count(0, 1000), 1);  // one per core
}

}  // namespace
}  // namespace veldra::test

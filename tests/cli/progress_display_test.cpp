// Progress of a batch: a bar redrawn in place on a terminal, plain lines otherwise.
#include "cli/progress_display.h"

#include <gtest/gtest.h>

#include <sstream>

namespace veldra::test {
namespace {

cli::BatchItem finished_item(const char* name) {
  cli::BatchItem item;
  item.data = name;
  item.analysed = true;
  item.job.status.outcome = RunOutcome::Finished;
  return item;
}

cli::BatchItem input_error_item(const char* name) {
  cli::BatchItem item = finished_item(name);
  item.job.status.outcome = RunOutcome::InputError;
  item.job.status.message = "ERROR STOP -- STATIONS NOT IN ORDER";
  return item;
}

TEST(Progress, PlainLinesOnePerFile) {
  std::ostringstream out;
  cli::ProgressDisplay progress(out, cli::ProgressStyle::Lines, 3);
  progress.item_done(finished_item("a.vd5d"), 1);
  progress.item_done(input_error_item("b.vd5d"), 2);
  progress.item_done(finished_item("c.vd5d"), 3);
  progress.finish();
  EXPECT_EQ(out.str(),
            "[1/3] a.vd5d: analysis finished\n"
            "[2/3] b.vd5d: input error: ERROR STOP -- STATIONS NOT IN ORDER\n"
            "[3/3] c.vd5d: analysis finished\n");
}

TEST(Progress, QuietShowsFailuresOnly) {
  std::ostringstream out;
  cli::ProgressDisplay progress(out, cli::ProgressStyle::None, 2);
  progress.item_done(finished_item("a.vd5d"), 1);
  progress.item_done(input_error_item("b.vd5d"), 2);
  progress.finish();
  EXPECT_EQ(out.str(), "veldra-calc: b.vd5d: input error: ERROR STOP -- STATIONS NOT IN ORDER\n");
}

TEST(Progress, BarIsRedrawnInPlaceWithFailuresAboveIt) {
  std::ostringstream out;
  cli::ProgressDisplay progress(out, cli::ProgressStyle::Bar, 4);
  progress.item_done(finished_item("a.vd5d"), 1);
  progress.item_done(input_error_item("b.vd5d"), 2);
  progress.item_done(finished_item("c.vd5d"), 3);
  progress.item_done(finished_item("d.vd5d"), 4);
  progress.finish();
  const std::string text = out.str();

  // Nothing but the failure ends a line before the last bar.
  const std::size_t failure = text.find("\rb.vd5d: input error: ERROR STOP");
  ASSERT_NE(failure, std::string::npos) << text;
  EXPECT_EQ(text.find('\n'), text.find('\n', failure));
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);

  // The first bar, then the bar after the failure, then the full bar.
  EXPECT_EQ(text.rfind("\r[#######-----------------------] 1/4  0:00", 0), 0u) << text;
  EXPECT_NE(text.find("\r[###############---------------] 2/4  1 failed  0:00"),
            std::string::npos)
      << text;
  const std::size_t last = text.rfind('\r');
  EXPECT_EQ(text.substr(last), "\r[##############################] 4/4  1 failed  0:00\n");
}

}  // namespace
}  // namespace veldra::test

#include "cli/progress_display.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace veldra::cli {
namespace {

constexpr int kBarWidth = 30;
// Thousands of small files finish within milliseconds of each other; redrawing
// for each of them would cost more than the analyses.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

ProgressDisplay::ProgressDisplay(std::ostream& out, ProgressStyle style, std::size_t total)
    : out_(out),
      style_(style),
      total_(total),
      start_(std::chrono::steady_clock::now()),
      last_draw_(start_ - kRedrawInterval) {}

void ProgressDisplay::item_done(const BatchItem& item, std::size_t done) {
  done_ = done;
  const bool failed = item_state(item) != ItemState::Finished;
  if (failed) ++failed_;
  const std::string console = console_line(item.job.console);
  const std::string console_note = console.empty() ? std::string() : item.data.string() + ": " + console;
  switch (style_) {
    case ProgressStyle::Lines:
      out_ << '[' << done << '/' << total_ << "] " << item_line(item) << '\n';
      if (!console_note.empty()) out_ << console_note << '\n';
      out_ << std::flush;
      return;
    case ProgressStyle::None:
      if (failed) out_ << "veldra-calc: " << item_line(item) << '\n' << std::flush;
      return;
    case ProgressStyle::Bar:
      break;
  }
  if (!console_note.empty()) above_bar(console_note);
  if (failed) above_bar(item_line(item));
  const auto now = std::chrono::steady_clock::now();
  if (failed || !console_note.empty() || done == total_ || now - last_draw_ >= kRedrawInterval) {
    draw_bar(done);
  }
}

void ProgressDisplay::note(const std::string& line) {
  switch (style_) {
    case ProgressStyle::Lines:
    case ProgressStyle::None:
      out_ << "veldra-calc: " << line << '\n' << std::flush;
      return;
    case ProgressStyle::Bar:
      above_bar("veldra-calc: " + line);
      draw_bar(done_);
      return;
  }
}

// Over the bar, blanking what the line would not cover; the bar is drawn again after.
void ProgressDisplay::above_bar(const std::string& text) {
  std::string line = '\r' + text;
  if (line.size() - 1 < bar_length_) line.append(bar_length_ - (line.size() - 1), ' ');
  out_ << line << '\n';
  bar_length_ = 0;
}

void ProgressDisplay::draw_bar(std::size_t done) {
  last_draw_ = std::chrono::steady_clock::now();
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(last_draw_ - start_).count();
  const int filled = total_ == 0 ? kBarWidth : static_cast<int>(done * kBarWidth / total_);
  std::string line = "\r[";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(kBarWidth - filled), '-');
  char tail[96];
  std::snprintf(tail, sizeof tail, "] %zu/%zu", done, total_);
  line += tail;
  if (failed_ > 0) {
    std::snprintf(tail, sizeof tail, "  %zu failed", failed_);
    line += tail;
  }
  std::snprintf(tail, sizeof tail, "  %lld:%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  line += tail;
  if (line.size() - 1 < bar_length_) line.append(bar_length_ - (line.size() - 1), ' ');
  bar_length_ = line.size() - 1;
  out_ << line << std::flush;
}

void ProgressDisplay::finish() {
  if (style_ != ProgressStyle::Bar) return;
  draw_bar(done_);
  out_ << '\n' << std::flush;
}

}  // namespace veldra::cli

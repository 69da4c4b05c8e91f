#include "cli/batch_table.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>

namespace veldra::cli {
namespace {

const char* state_word(ItemState state) {
  switch (state) {
    case ItemState::Finished: return "finished";
    case ItemState::NotClosed: return "not closed";
    case ItemState::InputError: return "input error";
    case ItemState::SoilStop: return "soil stop";
    case ItemState::FileError: return "file error";
    case ItemState::InternalError: return "internal error";
    case ItemState::NotRun: return "not run";
  }
  return "";
}

const char* length_unit(int units) { return units == 1 ? "in" : units == 2 ? "m" : "L"; }
const char* moment_unit(int units) { return units == 1 ? "lb-in" : units == 2 ? "kN-m" : "F-L"; }

std::string with_unit(double value, const char* unit) {
  char text[48];
  std::snprintf(text, sizeof text, "%.4g %s", value, unit);
  return text;
}

// The file column: the name, padded to the column's width (names are not cut).
std::string file_cell(const std::string& name, std::size_t width) {
  std::string cell = name;
  if (cell.size() < width) cell.append(width - cell.size(), ' ');
  return cell + "  ";
}

const char* solution_word(const ProblemSummary& p) {
  if (p.closed) return "closed";
  return p.deflection_exceeded ? "DMAX exceeded" : "NOT closed";
}

}  // namespace

void print_batch_table(std::ostream& out, const std::vector<BatchItem>& items) {
  std::size_t file_width = 4;
  for (const BatchItem& item : items) file_width = std::max(file_width, item.data.string().size());
  char line[256];

  std::snprintf(line, sizeof line, "%-14s  %4s  %5s  %-13s  %16s  %10s  %18s  %10s\n", "STATUS",
                "PROB", "ITER", "SOLUTION", "MAX |DEFLECTION|", "AT", "MAX |MOMENT|", "AT");
  out << file_cell("FILE", file_width) << line;
  for (const BatchItem& item : items) {
    const ItemState state = item_state(item);
    const std::string name = item.data.string();
    const std::vector<ProblemSummary>& problems = item.job.status.problems;
    bool first = true;
    for (const ProblemSummary& p : problems) {
      const char* len = length_unit(p.units);
      std::snprintf(line, sizeof line, "%-14s  %4d  %5d  %-13s  %16s  %10s  %18s  %10s\n",
                    first ? state_word(state) : "", p.number,
                    p.iterations, solution_word(p),
                    with_unit(p.max_abs_deflection, len).c_str(),
                    with_unit(p.depth_of_max_deflection, len).c_str(),
                    with_unit(p.max_abs_moment, moment_unit(p.units)).c_str(),
                    with_unit(p.depth_of_max_moment, len).c_str());
      out << file_cell(first ? name : std::string(), file_width) << line;
      first = false;
    }
    // The problem rows say which problem did not close and why.
    if ((state == ItemState::Finished || state == ItemState::NotClosed) && !problems.empty()) {
      continue;
    }
    // A failure, after the problems it solved (if any), says what went wrong.
    std::snprintf(line, sizeof line, "%-14s  ", first ? state_word(state) : "");
    out << file_cell(first ? name : std::string(), file_width) << line << (state == ItemState::Finished ? "no problem in the file" : item_detail(item))
        << '\n';
  }
}

void print_batch_totals(std::ostream& out, const std::vector<BatchItem>& items, int workers,
                        double seconds) {
  std::size_t finished = 0;
  std::size_t not_closed = 0;
  for (const BatchItem& item : items) {
    const ItemState state = item_state(item);
    if (state == ItemState::Finished || state == ItemState::NotClosed) ++finished;
    if (state == ItemState::NotClosed) ++not_closed;
  }
  char line[200];
  std::snprintf(line, sizeof line, "%zu file%s: %zu finished", items.size(),
                items.size() == 1 ? "" : "s", finished);
  out << line;
  if (not_closed > 0) out << " (" << not_closed << " with a solution not closed)";
  std::snprintf(line, sizeof line, ", %zu failed; %d job%s, %.3f s\n", items.size() - finished,
                workers, workers == 1 ? "" : "s", seconds);
  out << line;
}

int batch_exit_status(const std::vector<BatchItem>& items) {
  const bool all_finished = std::all_of(items.begin(), items.end(), [](const BatchItem& item) {
    return item_state(item) == ItemState::Finished;
  });
  return all_finished ? 0 : 4;
}

}  // namespace veldra::cli

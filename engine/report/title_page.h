// The title page of a problem in the report, and the problem heading that is
// printed on it and again before the solution.
#ifndef VELDRA_ENGINE_REPORT_TITLE_PAGE_H
#define VELDRA_ENGINE_REPORT_TITLE_PAGE_H

#include <ctime>
#include <iosfwd>
#include <optional>
#include <string>

namespace veldra::engine {

struct TitlePage {
  int problem = 1;           // problem counter (1 for the first problem)
  int nstage = 1;            // stage count of the problem
  std::string title;         // this problem's title
  std::string first_title;   // title of problem 1
  std::string version;       // 12 characters
  std::string data_path, report_path, plot_path;
  std::time_t when = 0;      // instant printed by the date and time block
  bool local_time = true;    // false: print `when` as UTC (reproducible reports)
};

void write_title_page(std::ostream& report, const TitlePage& page);

// "Stage No : n  title", "Long Term :  title" or the title, after an empty line.
void write_problem_heading(std::ostream& report, int problem, int nstage,
                           const std::string& title, const std::string& first_title);

// The date and time block (DATIME).
void write_date_time(std::ostream& report, std::time_t when, bool local_time);

}  // namespace veldra::engine

#endif

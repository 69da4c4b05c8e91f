#include "engine/report/title_page.h"

#include "engine/format/fortran_format.h"

#include <array>
#include <filesystem>
#include <ostream>

namespace veldra::engine {
namespace {

constexpr std::array<const char*, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

struct PathParts {
  std::string directory;     // with its trailing separator
  std::string name_and_extension;
};

PathParts split_path(const std::string& path) {
  const std::filesystem::path p(path);
  PathParts parts;
  parts.name_and_extension = p.filename().string();
  parts.directory = path.substr(0, path.size() - parts.name_and_extension.size());
  return parts;
}

std::string trim_right(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

void write_problem_heading(std::ostream& report, int problem, int nstage,
                           const std::string& title, const std::string& first_title) {
  if (nstage >= 2) {
    fwrite(report, "(/,6X,'Stage No :',I2,2X,A70)", {problem, first_title});
  } else if (problem <= 1) {
    fwrite(report, "(/,6X,A70)", {title});
  } else {
    fwrite(report, "(/,6X,'Long Term :',2X,A70)", {first_title});
  }
}

void write_date_time(std::ostream& report, std::time_t when, bool local_time) {
  std::tm tm{};
  if (local_time) {
    localtime_r(&when, &tm);
  } else {
    gmtime_r(&when, &tm);
  }
  fwrite(report, "(5X,73('-'),/,26X,'Time and Date of Analysis',/,5X,73('-'),/)");
  fwrite(report,
         "(15X,'Date:  ',A,1X,I2.2,', ',I4,5X,'Time:  ',I2.2,':',I2.2,':',I2.2)",
         {kMonths[static_cast<std::size_t>(tm.tm_mon)], tm.tm_mday, tm.tm_year + 1900,
          tm.tm_hour, tm.tm_min, tm.tm_sec});
}

void write_title_page(std::ostream& report, const TitlePage& page) {
  if (page.problem >= 2) fwrite(report, "(/)");
  fwrite(report,
         "(5X,73('='),/,/,22X,'VELDRA for Windows, Version ',A12,/,/,"
         "23X,'A Program for the Analysis of ',/,23X,'Flexible Retaining Walls ',/,/,"
         "5X,73('='),/,/)",
         {page.version});
  const PathParts data = split_path(page.data_path);
  fwrite(report, "(5X,'Path to file locations      : ',A)", {trim_right(data.directory)});
  fwrite(report, "(5X,'Name of input data file     : ',A)",
         {trim_right(data.name_and_extension)});
  fwrite(report, "(5X,'Name of output file         : ',A)",
         {trim_right(split_path(page.report_path).name_and_extension)});
  fwrite(report, "(5X,'Name of plot output file    : ',A)",
         {trim_right(split_path(page.plot_path).name_and_extension)});
  report << '\n';
  write_date_time(report, page.when, page.local_time);
  write_problem_heading(report, page.problem, page.nstage, page.title, page.first_title);
}

}  // namespace veldra::engine

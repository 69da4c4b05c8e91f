#include "engine/driver/run.h"

#include "engine/driver/names_file.h"
#include "engine/driver/output_file.h"
#include "engine/driver/run_context.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <new>
#include <ostream>
#include <system_error>
#include <vector>

namespace veldra::engine {
namespace {

namespace fs = std::filesystem;

fs::path resolve(const fs::path& path, const fs::path& working_dir) {
  if (path.empty() || path.is_absolute() || working_dir.empty()) return path;
  return working_dir / path;
}

// A report of a fixed instant makes golden-file comparisons possible.
std::optional<std::time_t> source_date_epoch() {
  const char* text = std::getenv("SOURCE_DATE_EPOCH");
  if (!text || !*text) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text, &end, 10);
  if (errno != 0 || *end != '\0' || value < 0) return std::nullopt;
  return static_cast<std::time_t>(value);
}

RunStatus file_error(const std::string& what, const fs::path& path, int err) {
  RunStatus status;
  status.outcome = RunOutcome::FileError;
  status.message = what + " " + path.string() + ": " +
                   (err ? std::strerror(err) : "cannot be opened");
  return status;
}

RunStatus same_file_error(const char* what, const fs::path& path, const char* other) {
  RunStatus status;
  status.outcome = RunOutcome::FileError;
  status.message = std::string(what) + " " + path.string() + " is " + other + " itself";
  return status;
}

bool same_file(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (a.lexically_normal() == b.lexically_normal()) return true;
  return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

RunStatus run_paths(const RunPaths& paths, std::ostream& console) {
  const fs::path data_path = resolve(paths.data, paths.working_dir);
  std::error_code ec;
  // A directory opens for reading and then reads as an empty file.
  if (!paths.data.empty() && fs::is_directory(data_path, ec)) {
    return file_error("cannot open the data file", data_path, EISDIR);
  }
  errno = 0;
  std::ifstream data(data_path, std::ios::binary);
  if (paths.data.empty() || !data) {
    return file_error("cannot open the data file", data_path, errno);
  }

  const fs::path out_paths[3] = {resolve(paths.report, paths.working_dir),
                                 resolve(paths.plot, paths.working_dir),
                                 resolve(paths.notes, paths.working_dir)};
  const char* names[3] = {"the report", "the plot-data file", "the run-notes file"};
  const char* what[3] = {"cannot create the report", "cannot create the plot-data file",
                         "cannot create the run-notes file"};
  // Truncating an output that is the data file, or writing two outputs into one
  // file, would destroy the input or mix the results.
  for (int i = 0; i < 3; ++i) {
    if (out_paths[i].empty()) continue;
    if (same_file(out_paths[i], data_path)) {
      return same_file_error(names[i], out_paths[i], "the data file");
    }
    for (int j = 0; j < i; ++j) {
      if (same_file(out_paths[i], out_paths[j])) {
        return same_file_error(names[i], out_paths[i], names[j]);
      }
    }
  }

  // Creating the outputs must not cost the user an older file of the same name when
  // another of the run's files cannot be opened, so every output is first opened
  // without truncation; only when all could be opened are they emptied. Files the
  // run itself created are removed again on failure.
  OutputFile outputs[3];
  const auto give_up = [&](int opened, int failed, int err) {
    for (int j = 0; j < opened; ++j) {
      outputs[j].close();
      if (!outputs[j].existed()) fs::remove(out_paths[j], ec);
    }
    return file_error(what[failed], out_paths[failed], err);
  };
  for (int i = 0; i < 3; ++i) {
    if (out_paths[i].empty()) return give_up(i, i, ENOENT);
    if (const int err = outputs[i].open(out_paths[i])) return give_up(i, i, err);
  }
  for (int i = 0; i < 3; ++i) {
    if (!outputs[i].existed()) continue;
    if (const int err = outputs[i].truncate()) return give_up(3, i, err);
  }

  FileNames file_names;
  file_names.data_path = fs::absolute(data_path).string();
  file_names.report_path = out_paths[0].string();
  file_names.plot_path = out_paths[1].string();
  file_names.version = paths.version;

  RunContext ctx({data, outputs[0].stream(), outputs[1].stream(), outputs[2].stream(), console},
                 file_names);
  ctx.fixed_time = source_date_epoch();
  run_problems(ctx);

  // Close in the order of the units: report, data, plot, notes.
  int errors[3];
  errors[0] = outputs[0].close();
  data.close();
  errors[1] = outputs[1].close();
  errors[2] = outputs[2].close();
  for (int i = 0; i < 3; ++i) {
    if (errors[i] != 0) {
      RunStatus status = file_error("cannot write", out_paths[i], errors[i]);
      status.problems = std::move(ctx.status.problems);
      return status;
    }
  }
  return std::move(ctx.status);
}

RunStatus run_guarded(const std::function<RunStatus()>& analysis) noexcept {
  RunStatus status;
  try {
    return analysis();
  } catch (const fs::filesystem_error& e) {
    status.outcome = RunOutcome::FileError;
    status.message = e.what();
  } catch (const std::bad_alloc&) {
    status.outcome = RunOutcome::InternalError;
    status.message = "internal error: out of memory";
  } catch (const std::exception& e) {
    status.outcome = RunOutcome::InternalError;
    status.message = std::string("internal error: ") + e.what();
  } catch (...) {
    status.outcome = RunOutcome::InternalError;
    status.message = "internal error";
  }
  return status;
}

RunStatus run_names_file(const fs::path& dir, std::ostream& console) {
  const fs::path names_path = dir.empty() ? fs::path(kNamesFileName) : dir / kNamesFileName;
  const std::optional<NamesFile> names = read_names_file(names_path);
  if (!names) {
    console << kNamesFileMessage;
    RunStatus status;
    status.outcome = RunOutcome::NamesFileMissing;
    status.message = "the names file " + names_path.string() + " is missing or short";
    return status;
  }
  RunPaths paths;
  paths.data = names->data;
  paths.report = names->report;
  paths.plot = names->plot;
  paths.notes = names->notes;
  paths.working_dir = dir;
  paths.version = names->version;
  RunStatus status = run_paths(paths, console);
  // The application has no other channel for a file it named but the engine
  // could not open.
  if (status.outcome == RunOutcome::FileError) console << " " << status.message << '\n';
  return status;
}

}  // namespace veldra::engine

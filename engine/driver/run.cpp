#include "engine/driver/run.h"

#include "engine/driver/names_file.h"
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

// An output file opened for the run. Creating it must not cost the user an older
// file of the same name when another of the run's files cannot be opened, so every
// output is first opened without truncation; only when all could be opened are they
// truncated. Files the run itself created are removed again on failure.
struct OutputFile {
  fs::path path;
  bool existed = false;
  std::unique_ptr<char[]> buffer;  // declared before the stream, so that it outlives it
  std::ofstream stream;
};

// Stream buffer of an output: a report of a long wall is some 100 kB, which the
// default buffer hands to the system in a dozen writes.
constexpr std::size_t kOutputBuffer = 64 * 1024;

}  // namespace

RunStatus run_paths(const RunPaths& paths, std::ostream& console) {
  const fs::path data_path = resolve(paths.data, paths.working_dir);
  std::ifstream data(data_path, std::ios::binary);
  if (paths.data.empty() || !data) {
    return file_error("cannot open the data file", data_path, errno);
  }

  OutputFile outputs[3];
  outputs[0].path = resolve(paths.report, paths.working_dir);
  outputs[1].path = resolve(paths.plot, paths.working_dir);
  outputs[2].path = resolve(paths.notes, paths.working_dir);
  const char* what[3] = {"cannot create the report", "cannot create the plot-data file",
                         "cannot create the run-notes file"};
  for (int i = 0; i < 3; ++i) {
    OutputFile& out = outputs[i];
    std::error_code ec;
    out.existed = fs::exists(out.path, ec);
    out.buffer = std::make_unique_for_overwrite<char[]>(kOutputBuffer);
    out.stream.rdbuf()->pubsetbuf(out.buffer.get(), static_cast<std::streamsize>(kOutputBuffer));
    errno = 0;
    out.stream.open(out.path, std::ios::binary | std::ios::app);
    if (out.path.empty() || !out.stream || fs::is_directory(out.path, ec)) {
      const int err = errno;
      for (int j = 0; j <= i; ++j) {
        outputs[j].stream.close();
        if (!outputs[j].existed) fs::remove(outputs[j].path, ec);
      }
      return file_error(what[i], out.path, err);
    }
  }
  // Emptied in place: the streams append, so they write from the start. Closing
  // and opening every output again would cost more than analysing a small wall.
  for (int i = 0; i < 3; ++i) {
    std::error_code ec;
    if (outputs[i].existed) fs::resize_file(outputs[i].path, 0, ec);
    if (ec) {
      for (OutputFile& out : outputs) out.stream.close();
      for (OutputFile& out : outputs) {
        if (!out.existed) fs::remove(out.path, ec);
      }
      return file_error(what[i], outputs[i].path, ec.value());
    }
  }

  FileNames names;
  names.data_path = fs::absolute(data_path).string();
  names.report_path = outputs[0].path.string();
  names.plot_path = outputs[1].path.string();
  names.version = paths.version;

  RunContext ctx({data, outputs[0].stream, outputs[1].stream, outputs[2].stream, console},
                 names);
  ctx.fixed_time = source_date_epoch();
  run_problems(ctx);

  // Close in the order of the units: report, data, plot, notes.
  outputs[0].stream.close();
  data.close();
  outputs[1].stream.close();
  outputs[2].stream.close();
  for (int i = 0; i < 3; ++i) {
    if (outputs[i].stream.fail()) {
      return file_error("cannot write", outputs[i].path, 0);
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

// Public interface of the VELDRA analysis engine (libVeldraCalc).
//
// Two ways in:
//  - the C entry point IVELDRA(18), which runs one analysis from the names file
//    "NAMES.dat" in the current directory, exactly as the desktop application
//    calls it; VELDRA_LastRunOutcome() then tells how that run ended;
//  - the C++ function veldra::run_analysis(), which runs one analysis from explicit
//    paths and returns a RunStatus. Each call uses its own engine instance, so
//    several analyses may run at once on different threads.
//
// Nothing is thrown across this interface.
#ifndef VELDRA_ENGINE_H
#define VELDRA_ENGINE_H

#if defined(VELDRA_BUILDING_LIBRARY)
#define VELDRA_API __attribute__((visibility("default")))
#else
#define VELDRA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* How the last run ended; the values of veldra::RunOutcome. */
enum VeldraRunOutcome {
  VELDRA_RUN_FINISHED = 0,        /* every problem analysed, "END OF ANALYSIS" written */
  VELDRA_RUN_INPUT_ERROR = 1,     /* the data file was refused; the report says why */
  VELDRA_RUN_SOIL_STOP = 2,       /* a soil model stopped the run (stop code available) */
  VELDRA_RUN_NAMES_MISSING = 3,   /* NAMES.dat missing or short; no file was created */
  VELDRA_RUN_FILE_ERROR = 4,      /* a file named by the caller could not be opened */
  VELDRA_RUN_NOT_RUN = 5,         /* no run yet, or the key was refused */
  VELDRA_RUN_INTERNAL_ERROR = 6   /* a fault of the engine itself, not of the input; the
                                     outputs may be incomplete */
};

/* Runs one analysis when key is 18 and returns 0; returns 1 for any other key and
   touches nothing. The run's outcome is kept for VELDRA_LastRunOutcome(). */
VELDRA_API int IVELDRA(int key);

/* The library also exports this entry point under the name "_IVELDRA", the name
   the desktop application binds with dlsym. */

/* Outcome of the last IVELDRA(18) run in this process (a VeldraRunOutcome). */
VELDRA_API int VELDRA_LastRunOutcome(void);

/* Stop code of the last run when it ended by a soil-model stop, else 0. */
VELDRA_API int VELDRA_LastRunStopCode(void);

/* Copies the last run's message (input-error text, file or internal error, empty when
   the run finished) into buf, always NUL-terminated when size > 0; returns the full length. */
VELDRA_API int VELDRA_LastRunMessage(char* buf, int size);

#ifdef __cplusplus
}

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "veldra/version.h"

namespace veldra {

enum class RunOutcome {
  Finished = VELDRA_RUN_FINISHED,
  InputError = VELDRA_RUN_INPUT_ERROR,
  SoilStop = VELDRA_RUN_SOIL_STOP,
  NamesFileMissing = VELDRA_RUN_NAMES_MISSING,
  FileError = VELDRA_RUN_FILE_ERROR,
  NotRun = VELDRA_RUN_NOT_RUN,
  InternalError = VELDRA_RUN_INTERNAL_ERROR,
};

// What the run knows about one problem it analysed (a stage, or the short- or
// long-term problem). Extremes are over stations 0 to N; depths in internal units.
struct ProblemSummary {
  int number = 0;            // 1 for the first problem of the file
  std::string heading;       // the title, "Stage No : n", or "Long Term :"
  bool solved = false;       // false when the run ended before its solution
  int iterations = 0;
  bool closed = false;       // deflections closed within the tolerance
  bool deflection_exceeded = false;  // some |deflection| above the allowable maximum
  bool off_curve = false;    // some deflection beyond the ends of a p-y curve
  double max_abs_deflection = 0.0;
  double depth_of_max_deflection = 0.0;
  double max_abs_moment = 0.0;
  double depth_of_max_moment = 0.0;
  int units = 0;             // units code of the problem (1 English, 2 SI, 3 other)
};

struct RunStatus {
  RunOutcome outcome = RunOutcome::NotRun;
  int stop_code = 0;         // for SoilStop: the stop code of the soil model (0 if none)
  std::string message;       // for InputError / FileError / SoilStop / InternalError:
                             // what went wrong
  std::vector<ProblemSummary> problems;
};

// The four files of one analysis. Relative paths resolve against working_dir.
struct RunPaths {
  std::filesystem::path data;    // data file (".vd5d"), read
  std::filesystem::path report;  // report (".vd5o"), written from its start
  std::filesystem::path plot;    // plot-data file (".vd5p")
  std::filesystem::path notes;   // run-notes file (".vd5r")
  std::filesystem::path working_dir;  // empty: the process's current directory
  std::string version = kVersionText;  // version text of the title page (12 characters)
  // Where the engine's console messages go (" READ SOIL DATA....", soil-model
  // warnings); nullptr: standard error. A front end passes its own stream to tie
  // them to the file or to silence them.
  std::ostream* console = nullptr;
};

// Runs one analysis from explicit paths. Never throws.
VELDRA_API RunStatus run_analysis(const RunPaths& paths);

// Runs one analysis exactly as IVELDRA(18) does, from "NAMES.dat" in dir
// (empty: the current directory), with the console messages on `console`
// (nullptr: standard error). Never throws.
VELDRA_API RunStatus run_from_names_file(const std::filesystem::path& dir = {},
                                         std::ostream* console = nullptr);

}  // namespace veldra
#endif  // __cplusplus

#endif  // VELDRA_ENGINE_H

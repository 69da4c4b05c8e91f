// TAnalysisRun: "Run Analysis" without its window. It checks the problem, has the
// window save it, writes the names file, loads the engine library, calls its entry
// point, tells how the call ended, reads the plot-data file into the graphs and
// releases the library. The window supplies the message boxes, the save, the busy
// cursor and the refresh of its buttons through the hooks.
//
// The engine runs synchronously in this thread with the run folder (run_folder.h)
// as the current directory; the previous one is restored as soon as it returns. The
// library is loaded for one call and released after it; nothing relies on the
// release to reset the engine, which keeps no state between runs.
#ifndef VELDRA_APP_RUN_ANALYSIS_RUN_H
#define VELDRA_APP_RUN_ANALYSIS_RUN_H

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/main_model.h"
#include "app/plot_data_reader.h"
#include "app/run/dynamic_library.h"
#include "app/run/names_file.h"
#include "framework/main_graphs.h"

namespace veldra::app {

inline constexpr const char* kEngineLibraryName = "libVeldraCalc.so";
inline constexpr const char* kEngineEntryName = "_IVELDRA";
// The interface number the engine expects; it answers 1 to any other.
inline constexpr std::int32_t kEngineInterface = 18;
inline constexpr std::int32_t kEngineRefused = 1;

inline constexpr const char* kRunCompletedMessage =
    "Computations are completed. Please, check output file for results or error messages.";
inline constexpr const char* kRunUnderWayMessage = "Attempt to reinitialize DLL";
inline constexpr const char* kLibraryFailedMessage = "Attempt to initialize DLL failed";
inline constexpr const char* kSupportAddress = "support@veldra.example";
// The engine refused the interface number: the program and its library do not
// belong together. The last line is the support address.
std::string NotConsistentMessage();

// The engine library of a program whose executable is in `program_folder`: beside
// it, or in the "lib" folder beside the program's "bin" folder (an installed program
// or the build tree). When neither exists, the one beside the program, so that the
// loader reports it missing.
std::filesystem::path EngineLibraryPath(const std::filesystem::path& program_folder);

enum class MessageKind { kInformation, kWarning };

// How a run command ended.
enum class RunEnd {
  kRunUnderWay,     // another run has not finished: nothing was done
  kInconsistent,    // a check failed: nothing was saved, written or run
  kNotSaved,        // the save did not happen (no name given): nothing was run
  kUnusablePath,    // the engine cannot be handed the data file's path
  kLibraryFailed,   // the library or its entry point could not be loaded: no call
  kRefused,         // the engine refused the interface number: no plot reading
  kCompleted,       // the engine ran; its report tells how the analysis ended
};

struct RunResult {
  RunEnd end = RunEnd::kNotSaved;
  std::string message;      // the text shown for this end, empty for kNotSaved
  bool plot_read = false;   // kCompleted: the plot-data file existed and was read whole
  std::string plot_cause;   // kCompleted: why reading the plot data stopped
  std::string load_error;   // kLibraryFailed: the loader's reason
};

class TAnalysisRun {
 public:
  struct Hooks {
    // Saves as "Save" does (it may become "Save As"); true when the data file now
    // holds the problem. The run goes no further otherwise.
    std::function<bool()> save;
    // Shows a message box with an OK button; returns when it is closed.
    std::function<void(MessageKind kind, const std::string& text)> show_message;
    // The busy cursor on (true) before the engine call and off (false) after it.
    std::function<void(bool busy)> busy;
    // The main window's plot-read flag: the outcome of a plot-data reading.
    std::function<void(bool read)> store_plot_read;
    // Refreshes the diagram buttons from the plot-read flag and the graphs.
    std::function<void()> refresh_diagram_buttons;
  };

  // The graphs are those of the main window; the run fills them from the plot file.
  TAnalysisRun(TMainModel& model, framework::TMainGraphs& graphs);
  // Removes this process's run folder with what the engine left in it.
  ~TAnalysisRun();
  TAnalysisRun(const TAnalysisRun&) = delete;
  TAnalysisRun& operator=(const TAnalysisRun&) = delete;

  Hooks hooks;

  void SetLibraryPath(std::filesystem::path path) { library_path_ = std::move(path); }
  const std::filesystem::path& LibraryPath() const { return library_path_; }
  // The per-user folder whose subfolder the engine runs in (DefaultRunFolderBase).
  void SetRunFolderBase(std::filesystem::path base) { run_folder_base_ = std::move(base); }
  const std::filesystem::path& RunFolderBase() const { return run_folder_base_; }
  void SetIdentity(RunIdentity identity) { identity_ = std::move(identity); }

  // The whole command. File-system failures (the save, the names file, the run
  // folder) throw EFileError; the current directory is then restored and no library
  // stays loaded.
  RunResult Run();

  // Whether a run is under way (its library loaded); true only inside the hooks.
  bool Running() const { return library_ != nullptr; }

 private:
  RunResult Stop(RunEnd end, MessageKind kind, std::string message);
  // The library and its entry point, or nullptr with the reason in `result`.
  using Entry = std::int32_t (*)(std::int32_t);
  Entry LoadEngine(RunResult& result);
  // Reads the plot file when there is one; the message to show when it failed.
  std::string ReadPlot(const RunFiles& files, RunResult& result);

  TMainModel& model_;
  framework::TMainGraphs& graphs_;
  std::filesystem::path library_path_;
  std::filesystem::path run_folder_base_;
  RunIdentity identity_;
  std::unique_ptr<TDynamicLibrary> library_;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_RUN_ANALYSIS_RUN_H

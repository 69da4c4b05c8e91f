#include "app/run/analysis_run.h"

#include <system_error>
#include <utility>

#include "app/run/consistency_checks.h"
#include "app/run/run_folder.h"

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

// The busy cursor for as long as the engine call lasts, also when it ends abnormally.
class BusyScope {
 public:
  explicit BusyScope(const std::function<void(bool)>& busy) : busy_(busy) {
    if (busy_) busy_(true);
  }
  ~BusyScope() {
    if (busy_) busy_(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  const std::function<void(bool)>& busy_;
};

}  // namespace

std::string NotConsistentMessage() {
  return std::string(
             "Computations can not be performed. Executable files are not consistent.\rYou may need to reinstall the "
             "program.\rIf problem persist please contact KORVAN support at\r") +
         kSupportAddress;
}

fs::path EngineLibraryPath(const fs::path& program_folder) {
  const fs::path beside = program_folder / kEngineLibraryName;
  const fs::path installed = program_folder.parent_path() / "lib" / kEngineLibraryName;
  std::error_code ec;
  if (!fs::exists(beside, ec) && fs::exists(installed, ec)) return installed;
  return beside;
}

TAnalysisRun::TAnalysisRun(TMainModel& model, framework::TMainGraphs& graphs)
    : model_(model), graphs_(graphs), run_folder_base_(DefaultRunFolderBase()), identity_(CurrentIdentity()) {}

TAnalysisRun::~TAnalysisRun() { RemoveRunFolder(run_folder_base_); }

RunResult TAnalysisRun::Stop(RunEnd end, MessageKind kind, std::string message) {
  if (hooks.show_message) hooks.show_message(kind, message);
  RunResult result;
  result.end = end;
  result.message = std::move(message);
  return result;
}

TAnalysisRun::Entry TAnalysisRun::LoadEngine(RunResult& result) {
  library_ = std::make_unique<TDynamicLibrary>();
  library_->SetFileName(library_path_.string());
  try {
    library_->Open();
    if (void* entry = library_->FindEntry(kEngineEntryName)) return reinterpret_cast<Entry>(entry);
    result.load_error = library_path_.string() + ": no entry point " + kEngineEntryName;
  } catch (const EDLLError& error) {
    result.load_error = library_->LoadError().empty() ? error.what() : library_->LoadError();
  }
  library_.reset();
  return nullptr;
}

std::string TAnalysisRun::ReadPlot(const RunFiles& files, RunResult& result) {
  std::error_code ec;
  // Without a plot file the flag keeps its value; the diagram buttons also ask
  // whether the file exists, so they turn off.
  if (!fs::exists(files.plot, ec)) return {};
  const PlotDataResult read = ReadPlotData(graphs_, files.plot, true, PlotDataContextOf(model_));
  result.plot_read = read.complete;
  result.plot_cause = read.cause;
  if (hooks.store_plot_read) hooks.store_plot_read(read.complete);
  return read.message;
}

RunResult TAnalysisRun::Run() {
  // A second run from within a hook of the first (a message box lets the window
  // take commands) would reload the engine in the middle of its run.
  if (Running()) return Stop(RunEnd::kRunUnderWay, MessageKind::kInformation, kRunUnderWayMessage);

  // The checks come before the save, so that a problem that cannot be run does not
  // replace the data file that the results beside it were computed from.
  TProgramData& problem = model_.Problem();
  if (auto message = FirstInconsistency(problem))
    return Stop(RunEnd::kInconsistent, MessageKind::kWarning, std::move(*message));

  if (!hooks.save || !hooks.save() || problem.FileName == kNewFileName) return {};

  const RunFiles files = RunFilesOf(problem.FileName);
  if (std::string message = UnusablePathMessage(files); !message.empty())
    return Stop(RunEnd::kUnusablePath, MessageKind::kWarning, std::move(message));

  const fs::path folder = PrepareRunFolder(run_folder_base_);
  WriteNamesFile(folder, identity_, files);

  RunResult result;
  const Entry entry = LoadEngine(result);
  if (!entry) {
    // The names file stays until the next run that reaches the engine removes it.
    RunResult failed = Stop(RunEnd::kLibraryFailed, MessageKind::kInformation, kLibraryFailedMessage);
    failed.load_error = std::move(result.load_error);
    return failed;
  }
  // Whatever happens from here on, the library goes when the command ends.
  struct Release {
    std::unique_ptr<TDynamicLibrary>& library;
    ~Release() { library.reset(); }
  } release{library_};

  std::int32_t answer = 0;
  {
    BusyScope busy(hooks.busy);
    TCurrentDirectoryScope in_run_folder(folder);
    answer = entry(kEngineInterface);
  }

  result.end = answer == kEngineRefused ? RunEnd::kRefused : RunEnd::kCompleted;
  result.message = answer == kEngineRefused ? NotConsistentMessage() : kRunCompletedMessage;
  if (hooks.show_message) hooks.show_message(MessageKind::kInformation, result.message);

  // The child windows go before the graphs change under them: a graph window holds
  // pointers to the curves.
  model_.CloseChildWindows();
  // A plot file that was not read whole leaves the flag clear, so that no graph
  // shows a part of it.
  const std::string plot_message = result.end == RunEnd::kCompleted ? ReadPlot(files, result) : std::string();
  if (hooks.refresh_diagram_buttons) hooks.refresh_diagram_buttons();
  library_.reset();
  std::error_code ec;
  fs::remove(folder / kNamesFileName, ec);
  if (!plot_message.empty() && hooks.show_message) hooks.show_message(MessageKind::kInformation, plot_message);
  return result;
}

}  // namespace veldra::app

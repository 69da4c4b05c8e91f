// An example analysed by the engine and opened as the main window opens it: the
// problem in the model, its plot data in the result graphs.
#ifndef VELDRA_TESTS_GUI_VIEWS_EXAMPLE_WITH_RESULTS_H
#define VELDRA_TESTS_GUI_VIEWS_EXAMPLE_WITH_RESULTS_H

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/data_file_loader.h"
#include "app/main_model.h"
#include "app/plot_data_reader.h"
#include "app/problem_files.h"
#include "framework/main_graphs.h"
#include "tests/support/temp_dir.h"
#include "veldra/engine.h"

namespace veldra::gui::test {

struct ExampleWithResults {
  veldra::test::TempDir dir;
  app::TMainModel model;
  framework::TMainGraphs graphs;
};

// A copy of the example (a file of examples/, or a path relative to the source
// tree) in `dir`, analysed: its report, plot data and run notes beside it. Returns
// the data file. Throws std::runtime_error when the analysis fails.
inline std::filesystem::path AnalyseExample(const std::string& name, const std::filesystem::path& dir) {
  namespace fs = std::filesystem;
  const fs::path source = name.find('/') == std::string::npos ? fs::path(VELDRA_SOURCE_DIR) / "examples" / name
                                                              : fs::path(VELDRA_SOURCE_DIR) / name;
  const fs::path data = dir / source.filename();
  fs::copy_file(source, data, fs::copy_options::overwrite_existing);
  RunPaths paths;
  paths.data = data;
  paths.report = fs::path(data).replace_extension(".vd5o");
  paths.plot = fs::path(data).replace_extension(".vd5p");
  paths.notes = fs::path(data).replace_extension(".vd5r");
  const RunStatus run = run_analysis(paths);
  if (run.outcome != RunOutcome::Finished) throw std::runtime_error("analysis failed: " + run.message);
  return data;
}

// Throws std::runtime_error when the example cannot be analysed or read.
inline std::unique_ptr<ExampleWithResults> OpenExample(const std::string& name) {
  namespace fs = std::filesystem;
  auto example = std::make_unique<ExampleWithResults>();
  const fs::path data = AnalyseExample(name, example->dir.path());
  if (!app::OpenProblem(example->model, data, app::kFormatCurrent).load.complete)
    throw std::runtime_error("cannot load " + data.string());
  const app::PlotDataResult read = app::ReadPlotData(example->graphs, fs::path(data).replace_extension(".vd5p"),
                                                     true, app::PlotDataContextOf(example->model));
  if (!read.complete) throw std::runtime_error("cannot read the plot data: " + read.cause);
  return example;
}

}  // namespace veldra::gui::test

#endif  // VELDRA_TESTS_GUI_VIEWS_EXAMPLE_WITH_RESULTS_H

#include "gui/graphs/register.h"

#include <QMainWindow>

#include <filesystem>

#include "app/main_model.h"
#include "app/main_window_rules.h"
#include "gui/graphs/graph_windows.h"

#ifdef VELDRA_HAVE_WORKBOOK
#include "gui/graphs/export_dialog.h"
#endif

namespace veldra::gui::graphs {

namespace fw = veldra::framework;

namespace {

#ifdef VELDRA_HAVE_WORKBOOK
// The export window offers a graph exactly when the main window's command for it is
// enabled, as the rules decide it now.
bool GraphCommandEnabled(ChildHost& host, const fw::TGraphPlot& graph) {
  using app::Command;
  fw::TMainGraphs& graphs = host.Graphs();
  const struct {
    const fw::TGraphPlot* graph;
    Command command;
  } commands[] = {{&graphs.pltPY, Command::kGraphPY},          {&graphs.pltDef, Command::kGraphDeflection},
                  {&graphs.pltShear, Command::kGraphShear},    {&graphs.pltMom, Command::kGraphMoment},
                  {&graphs.pltSoil, Command::kGraphReaction},  {&graphs.pltLD, Command::kGraphPressure},
                  {&graphs.PltCombine, Command::kGraphPressureCombined}};
  app::WindowFacts facts = app::FileFactsOf(host.Model().Problem(), graphs);
  facts.plot_read = host.PlotRead();
  const app::MainWindowRules rules(host.Model().Problem(), facts);
  for (const auto& c : commands)
    if (c.graph == &graph) return rules[c.command].enabled;
  return false;
}

void ShowExportDialog(ChildHost& host) {
  TDlgExport dialog(host.Graphs(), host.MainWindow());
  dialog.offered = [&host](const fw::TGraphPlot& graph) { return GraphCommandEnabled(host, graph); };
  dialog.data_file = [&host] { return std::filesystem::path(host.Model().Problem().FileName); };
  dialog.exec();
}
#endif

}  // namespace

void Register(ChildWindows& windows) {
  windows.showGraph = [](ChildHost& host, fw::TGraphPlot& graph) { ShowGraph(graph, host); };
#ifdef VELDRA_HAVE_WORKBOOK
  windows.showExportDialog = ShowExportDialog;
#endif
}

}  // namespace veldra::gui::graphs

// The list of the export window: the graphs that can go into a workbook, which of
// them are offered and which are ticked.
#ifndef VELDRA_APP_WORKBOOK_EXPORT_LIST_H
#define VELDRA_APP_WORKBOOK_EXPORT_LIST_H

#include <functional>
#include <vector>

#include "framework/main_graphs.h"

namespace veldra::app {

struct ExportItem {
  const framework::TGraphPlot* graph = nullptr;
  bool enabled = false;
  bool ticked = false;
};

// The exportable graphs of the main window, in list order: p-y curves, deflection,
// shear, moment, net reaction, earth-pressure distribution, combined earth pressure.
// The three-panel graph is not among them: its panels repeat three of these.
std::vector<const framework::TGraphPlot*> ExportableGraphs(const framework::TMainGraphs& graphs);

class ExportList {
 public:
  // Refills the list with the exportable graphs; an entry is enabled, and ticked,
  // exactly when `offered` says the main window's command for its graph is enabled.
  void Refill(const framework::TMainGraphs& graphs, const std::function<bool(const framework::TGraphPlot&)>& offered);

  const std::vector<ExportItem>& Items() const { return items_; }
  // Ticking and unticking apply to enabled entries only.
  void SetTicked(std::size_t index, bool ticked);
  void SelectAll();
  void UnselectAll();
  // "Generate Excel File" is enabled while an entry is ticked.
  bool CanGenerate() const;
  // The ticked graphs, in list order.
  std::vector<const framework::TGraphPlot*> Ticked() const;

 private:
  std::vector<ExportItem> items_;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_WORKBOOK_EXPORT_LIST_H

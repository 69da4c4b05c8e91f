#include "app/workbook/export_list.h"

#include <algorithm>

namespace veldra::app {

namespace fw = veldra::framework;

std::vector<const fw::TGraphPlot*> ExportableGraphs(const fw::TMainGraphs& graphs) {
  return {&graphs.pltPY, &graphs.pltDef, &graphs.pltShear, &graphs.pltMom,
          &graphs.pltSoil, &graphs.pltLD, &graphs.PltCombine};
}

void ExportList::Refill(const fw::TMainGraphs& graphs, const std::function<bool(const fw::TGraphPlot&)>& offered) {
  items_.clear();
  for (const fw::TGraphPlot* graph : ExportableGraphs(graphs)) {
    const bool on = offered && offered(*graph);
    items_.push_back({graph, on, on});
  }
}

void ExportList::SetTicked(std::size_t index, bool ticked) {
  if (index < items_.size() && items_[index].enabled) items_[index].ticked = ticked;
}

void ExportList::SelectAll() {
  for (std::size_t i = 0; i < items_.size(); ++i) SetTicked(i, true);
}

void ExportList::UnselectAll() {
  for (std::size_t i = 0; i < items_.size(); ++i) SetTicked(i, false);
}

bool ExportList::CanGenerate() const {
  return std::any_of(items_.begin(), items_.end(), [](const ExportItem& item) { return item.ticked; });
}

std::vector<const fw::TGraphPlot*> ExportList::Ticked() const {
  std::vector<const fw::TGraphPlot*> ticked;
  for (const ExportItem& item : items_)
    if (item.ticked) ticked.push_back(item.graph);
  return ticked;
}

}  // namespace veldra::app

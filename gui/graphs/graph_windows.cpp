#include "gui/graphs/graph_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <functional>
#include <map>

#include "gui/core/child_windows.h"
#include "gui/graphs/plot_form.h"

namespace veldra::gui {

namespace {

std::map<const framework::TGraphPlot*, QPointer<TPlotForm>>& Windows() {
  static std::map<const framework::TGraphPlot*, QPointer<TPlotForm>> windows;
  return windows;
}

void BringForward(QWidget* window) {
  if (window->isMinimized()) window->showMaximized();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

TPlotForm* GraphWindow(const framework::TGraphPlot& graph) {
  const auto found = Windows().find(&graph);
  return found == Windows().end() ? nullptr : found->second.data();
}

namespace {

// `add` puts a new window into the MDI area (null: a window of its own).
TPlotForm* Show(framework::TGraphPlot& graph, QMdiArea* area, const std::function<QMdiSubWindow*(QWidget*)>& add) {
  if (TPlotForm* open = GraphWindow(graph)) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget())) {
      BringForward(sub);
      if (area != nullptr) area->setActiveSubWindow(sub);
    } else {
      BringForward(open);
    }
    return open;
  }
  auto* form = new TPlotForm(graph);
  Windows()[&graph] = form;
  QObject::connect(form, &QObject::destroyed, [key = &graph] { Windows().erase(key); });
  if (add) {
    QMdiSubWindow* sub = add(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->showMaximized();
  } else {
    form->show();
  }
  return form;
}

}  // namespace

TPlotForm* ShowGraph(framework::TGraphPlot& graph, ChildHost& host) {
  return Show(graph, host.MdiArea(), [&host](QWidget* form) { return host.AddChild(form); });
}

TPlotForm* ShowGraph(framework::TGraphPlot& graph, QMdiArea* area) {
  if (area == nullptr) return Show(graph, nullptr, {});
  return Show(graph, area, [area](QWidget* form) { return area->addSubWindow(form); });
}

}  // namespace veldra::gui

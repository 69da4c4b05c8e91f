#include "gui/graphs/graph_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <map>

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

TPlotForm* ShowGraph(framework::TGraphPlot& graph, QMdiArea* area) {
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
  if (area != nullptr) {
    QMdiSubWindow* sub = area->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->showMaximized();
  } else {
    form->show();
  }
  return form;
}

}  // namespace veldra::gui

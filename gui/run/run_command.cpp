#include "gui/run/run_command.h"

#include <QApplication>
#include <QCursor>

#include "gui/run/message_boxes.h"

namespace veldra::gui {

TRunCommand::TRunCommand(app::TMainModel& model, framework::TMainGraphs& graphs, QWidget* window)
    : QObject(window), window_(window), run_(model, graphs) {
  run_.SetLibraryPath(app::EngineLibraryPath(QCoreApplication::applicationDirPath().toStdString()));
  run_.hooks.save = [this] { return save && save(); };
  run_.hooks.show_message = [this](app::MessageKind kind, const std::string& text) {
    if (kind == app::MessageKind::kWarning) {
      ShowWarning(window_, text);
    } else {
      ShowInformation(window_, text);
    }
  };
  run_.hooks.busy = [](bool busy) {
    if (busy) {
      QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
      QApplication::restoreOverrideCursor();
    }
  };
  run_.hooks.store_plot_read = [this](bool read) {
    if (store_plot_read) store_plot_read(read);
  };
  run_.hooks.refresh_diagram_buttons = [this] {
    if (refresh_diagram_buttons) refresh_diagram_buttons();
  };
}

app::RunResult TRunCommand::Execute() {
  const app::RunResult result = run_.Run();
  if (result.end == app::RunEnd::kCompleted || result.end == app::RunEnd::kRefused) emit runFinished(result.end);
  return result;
}

}  // namespace veldra::gui

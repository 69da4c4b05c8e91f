#include "gui/run/run_command.h"

#include <QApplication>
#include <QCursor>
#include <QMainWindow>

#include "gui/core/decimal_symbol.h"
#include "gui/core/error_guard.h"

namespace veldra::gui {

TRunCommand::TRunCommand(ChildHost& host)
    : QObject(host.MainWindow()), host_(host), run_(host.Model(), host.Graphs()) {
  run_.SetLibraryPath(app::EngineLibraryPath(QCoreApplication::applicationDirPath().toStdString()));
  run_.hooks.save = [this] { return host_.Save(); };
  run_.hooks.show_message = [this](app::MessageKind kind, const std::string& text) {
    if (kind == app::MessageKind::kWarning) {
      ShowWarning(host_.MainWindow(), text);
    } else {
      ShowInformation(host_.MainWindow(), text);
    }
  };
  run_.hooks.busy = [](bool busy) {
    if (busy) {
      QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
      QApplication::restoreOverrideCursor();
    }
  };
  run_.hooks.store_plot_read = [this](bool read) { host_.SetPlotRead(read); };
  run_.hooks.refresh_diagram_buttons = [this] { host_.UpdateActions(); };
}

app::RunResult TRunCommand::Execute() {
  // The engine runs in this process: it, too, must see "." as the decimal separator.
  DecimalSymbolScope decimal;
  return run_.Run();
}

}  // namespace veldra::gui

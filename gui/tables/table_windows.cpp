#include "gui/tables/table_windows.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>

#include "framework/grid_table.h"
#include "framework/grid_table_chart.h"
#include "gui/core/child_windows.h"
#include "gui/core/qt_text.h"
#include "gui/tables/table_chart_form.h"
#include "gui/tables/table_form.h"

namespace veldra::gui::tables {

namespace fw = veldra::framework;

namespace {

struct HostSlot {
  ChildHost* host = nullptr;
  QPointer<QMainWindow> window;  // tells whether the host is still there
};

HostSlot& CurrentHost() {
  static HostSlot slot;
  return slot;
}

// The window a table owns from ShowWindow to CloseWindow. The form does the work;
// this object only places it and tells it when the table lets go.
class TableWindowHandle : public fw::TableWindow {
 public:
  TableWindowHandle(fw::TGridTable& table, bool modal) {
    if (auto* chart = dynamic_cast<fw::TGridTableChart*>(&table)) {
      form_ = new TTableChartForm(*chart);
    } else {
      form_ = new TTableForm(table);
    }
    if (table.FormParent()) {
      // Embedded in a control of another window, without a frame, at 0,0.
      form_->setParent(static_cast<QWidget*>(table.FormParent()));
      form_->move(0, 0);
    } else if (modal) {
      ChildHost* host = Host();
      dialog_ = new TModalTableFrame(host ? host->MainWindow() : nullptr);
      dialog_->SetForm(form_);
    } else {
      form_->setAttribute(Qt::WA_DeleteOnClose);
    }
  }

  ~TableWindowHandle() override {
    if (form_) form_->TableClosedWindow();
  }

  void Show(bool modal) override {
    if (!form_) return;
    if (!opened_) {
      opened_ = true;
      form_->Open();
      // A dialog shows itself below; an embedded form or a window of its own now.
      ChildHost* host = Host();
      if (!dialog_ && !form_->parentWidget() && host) {
        host->AddChild(form_);
      } else if (!dialog_) {
        form_->show();
      }
      form_->FrameChanged();
    }
    if (dialog_ && modal) {
      // The window may be closed, and this object freed, before exec returns.
      QPointer<TModalTableFrame> dialog = dialog_;
      dialog->exec();
      return;
    }
    Raise();
  }

  void CaptionChanged() override {
    if (form_) form_->CaptionChanged();
  }

  TTableForm* Form() const { return form_; }

 private:
  void Raise() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form_->parentWidget())) {
      if (sub->isMinimized()) sub->showNormal();
      if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
    } else if (QWidget* window = form_->window(); window && window->isWindow()) {
      window->show();
      window->raise();
      window->activateWindow();
    }
  }

  QPointer<TTableForm> form_;
  QPointer<TModalTableFrame> dialog_;
  bool opened_ = false;
};

}  // namespace

void InstallTableWindows() {
  fw::TGridTable::SetWindowFactory(
      [](fw::TGridTable& table, bool modal) { return std::make_unique<TableWindowHandle>(table, modal); });
}

void UninstallTableWindows() { fw::TGridTable::SetWindowFactory(nullptr); }

void SetHost(ChildHost* host) {
  CurrentHost().host = host;
  CurrentHost().window = host ? host->MainWindow() : nullptr;
}

ChildHost* Host() {
  HostSlot& slot = CurrentHost();
  return slot.window ? slot.host : nullptr;
}

QString TextEditorCommand() {
  std::string editor;
  if (ChildHost* host = Host()) editor = host->TextEditor();
  return editor.empty() ? QStringLiteral("xdg-open") : ToQt(editor);
}

TTableForm* FormOf(const fw::TGridTable& table) {
  auto* handle = dynamic_cast<TableWindowHandle*>(table.Window());
  return handle ? handle->Form() : nullptr;
}

TModalTableFrame::TModalTableFrame(QWidget* parent) : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setSizeGripEnabled(false);
}

void TModalTableFrame::SetForm(TTableForm* form) {
  form_ = form;
  form->setParent(this);
  form->move(0, 0);
  setWindowTitle(form->windowTitle());
}

void TModalTableFrame::reject() { close(); }

void TModalTableFrame::closeEvent(QCloseEvent* event) {
  // The form commits its cell and lets its table go; a refused entry keeps it open.
  if (form_ && !form_->close()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
  QDialog::reject();
}

void TModalTableFrame::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (form_) form_->resize(event->size());
}

}  // namespace veldra::gui::tables

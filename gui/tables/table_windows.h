// The windows of the grid tables: the factory that TGridTable::ShowWindow calls, the
// window object a table owns while its window is open, and where the windows go.
//
// A table window is a child window of the main window (through the ChildHost of the
// seam), a dialog of its own when it is shown modally, a control inside the table's
// FormParent when that is set, or a window of its own when there is no main window
// (the tests, the timing tool). Chart-capable tables get a TTableChartForm.
#ifndef VELDRA_GUI_TABLES_TABLE_WINDOWS_H
#define VELDRA_GUI_TABLES_TABLE_WINDOWS_H

#include <QDialog>
#include <QPointer>
#include <QString>

namespace veldra::framework {
class TGridTable;
}

namespace veldra::gui {
class ChildHost;
}

namespace veldra::gui::tables {

class TTableForm;

// Makes TGridTable::ShowWindow open table windows (for every table, chart-capable
// ones included). UninstallTableWindows puts the tables back to windowless.
void InstallTableWindows();
void UninstallTableWindows();

// The main window that hosts the table windows; nullptr: they are windows of their
// own. The host must outlive the windows it holds or be set to nullptr first.
void SetHost(ChildHost* host);
ChildHost* Host();

// The command that opens a file in the user's text editor: the main window's text
// editor, or the desktop's opener when none is chosen.
QString TextEditorCommand();

// The window of `table`, or nullptr when it has none.
TTableForm* FormOf(const framework::TGridTable& table);

// The frame of a table window shown modally.
class TModalTableFrame : public QDialog {
  Q_OBJECT

 public:
  explicit TModalTableFrame(QWidget* parent = nullptr);
  void SetForm(TTableForm* form);

 public slots:
  // Escape closes the window as its close button does (the cell is committed first).
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPointer<TTableForm> form_;
};

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_TABLE_WINDOWS_H

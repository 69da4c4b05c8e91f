// TTableForm: the window of one grid table.
//
// A grid (one row per table row, a control over every choice and sub-table cell),
// the buttons "&Add Row", "&Insert Row" and "&Delete Row", the table's comment and
// its help picture, laid out by framework/table_window_layout with margins of the
// screen's pixels per inch / 20. The window opens showing every visible column and
// at most 10 rows (ShownRowCap); dragging a border snaps it to whole columns and
// rows.
//
// Editing: a typed entry is stored when the user leaves the cell (Tab, Enter, a
// click elsewhere), when the window closes and when it stops being the active child
// window. A refused entry shows its message, stores nothing and puts the selection
// back on the cell, which shows its old value; closing or leaving the window is then
// refused. Enter moves down the column, then to the top of the next column.
//
// The form observes its table through TGridTableModel and holds no data of its own.
// The table owns the window (framework::TableWindow, see table_windows.h): when the
// table closes it or goes away, TableClosedWindow lets go of it and closes the form.
#ifndef VELDRA_GUI_TABLES_TABLE_FORM_H
#define VELDRA_GUI_TABLES_TABLE_FORM_H

#include <QPointer>
#include <QRect>
#include <QWidget>

#include "framework/table_window_layout.h"
#include "gui/core/child_form.h"

class QLabel;
class QPushButton;

namespace veldra::framework {
class TGridTable;
}

namespace veldra::gui::tables {

class TCellDelegate;
class TGridTableModel;
class TTableGrid;

inline constexpr const char* kRowNotInRange = "Grid.Row not in valid range";

class TTableForm : public QWidget, public ChildForm {
  Q_OBJECT

 public:
  explicit TTableForm(framework::TGridTable& table, QWidget* parent = nullptr);
  ~TTableForm() override;

  // Opening, once, before the window is first shown: the row count made at least
  // MinRows, the caption, the shown rows, a full refresh and the first cell selected.
  void Open();
  // Everything from the table again: counts, headers, cells, controls, buttons and
  // the layout.
  void FullRefresh();

  framework::TGridTable* Table() const { return table_; }
  TGridTableModel* Model() const { return model_; }
  TTableGrid* Grid() const { return grid_; }
  QPushButton* AddButton() const { return add_; }
  QPushButton* InsertButton() const { return insert_; }
  QPushButton* DeleteButton() const { return delete_; }
  QLabel* CommentLabel() const { return comments_; }
  QLabel* HelpImage() const { return picture_; }
  // What the grid shows.
  const framework::GridView& View() const { return view_; }
  // The client size of the last layout.
  QSize ClientSize() const { return {client_.width, client_.height}; }
  int Margin() const;

  // Stores the entry of an open cell editor. False when the column refused it (the
  // message follows from the event loop and the cell is selected again).
  bool CommitCurrentCell();

  // The row buttons. Insert and Delete act on the current row and throw Exception
  // "Grid.Row not in valid range" without one.
  void AddRow();
  void InsertRow();
  void DeleteRow();

  // From the table's window handle: the form was put into its frame (a child window
  // of the main window, a dialog), which takes the client size of the layout.
  void FrameChanged() { ApplyClientSize(client_); }
  void TableClosedWindow();
  void CaptionChanged();

  // ChildForm: leaving the window commits the current cell.
  void ActivateForm() override {}
  bool DeactivateForm() override;
  bool CanDeactivate() const override;
  void DiscardOnClose() override { discard_ = true; }

  QSize sizeHint() const override { return ClientSize(); }
  QSize minimumSizeHint() const override { return {1, 1}; }

 signals:
  // The window laid itself out anew (after the table's OnResize).
  void LaidOut();

 protected:
  // The parts around the grid and their placing; the chart window adds its own.
  virtual framework::WindowParts Parts() const;
  virtual void PlaceParts(const framework::WindowLayout& layout);
  // Rows the window opens with and Add Row grows it to.
  virtual int ShownRowCap() const { return framework::kShownRowCap; }
  virtual void AfterFullRefresh() {}
  // A cell is about to be selected, the window was clicked.
  virtual void CellSelectionStarting() {}
  virtual void WindowClicked() {}

  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  // Moves of the frame: the place a later drag is measured from.
  bool eventFilter(QObject* object, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

  // Runs a command of the window under the error guard.
  void Guarded(const char* what, const std::function<void()>& action);
  // Grows the shown rows like Add Row when the window shows all rows.
  void GrowShownRows();
  // Shows `rows` rows from the next layout on (clamped to the table).
  void SetShownRows(int rows) { view_.shown_rows = rows; }
  // Closes an open cell editor without storing what was typed.
  void DropCurrentEdit();
  // The frame that holds the form: its MDI child window, its dialog or itself.
  QWidget* Container() const;

 private:
  framework::GridMetrics Metrics() const;
  void LayOut();
  void ApplyView();
  void ApplyClientSize(framework::Size client);
  void SnapToSize();
  void FrameMoved();
  void OpenControls();
  void UpdateButtons();
  void SelectCell(int row, int column);
  void ShowRefusal(const QPersistentModelIndex& index, const QString& message, bool entry_error);
  void BringToFront();
  int RowHeight() const;

  framework::TGridTable* table_;
  TGridTableModel* model_ = nullptr;
  TTableGrid* grid_ = nullptr;
  TCellDelegate* delegate_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* insert_ = nullptr;
  QPushButton* delete_ = nullptr;
  QLabel* comments_ = nullptr;
  QLabel* picture_ = nullptr;

  framework::GridView view_;
  framework::Size client_;
  QRect container_geometry_;  // at rest: tells which edges a drag moved
  QPointer<QWidget> watched_frame_;
  int saved_row_ = -1;        // current cell across a model reset
  int saved_column_ = -1;
  bool opened_ = false;
  bool applying_ = false;     // the form is resizing its frame
  bool snap_pending_ = false;
  bool closing_ = false;
  bool discard_ = false;
};

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_TABLE_FORM_H

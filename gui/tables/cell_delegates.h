// The cell editors of a table window's grid.
//
//   numbers and text   TCellEdit, a line edit whose text the column evaluates when it
//                      is committed (the entry evaluator of the program)
//   choice cells       a drop-down list of the column's items, 11 of them visible,
//                      standing over every row's cell
//   sub-table cells    a push button captioned "2: Clay" standing over every row's
//                      cell; it opens the row's sub-table in its own window
//
// The lists and buttons are the grid's persistent editors; the line edit opens when
// the user starts typing in a cell or double-clicks it.
#ifndef VELDRA_GUI_TABLES_CELL_DELEGATES_H
#define VELDRA_GUI_TABLES_CELL_DELEGATES_H

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

namespace veldra::gui::tables {

class TGridTableModel;

inline constexpr int kChoiceVisibleItems = 11;

// The line edit of a number or text cell. Typing an operator over the whole selected
// text appends it instead of replacing the value, as in the dialogs' entry fields:
// *2 over a selected 6 gives 6*2.
class TCellEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TCellEdit(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class TCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit TCellDelegate(TGridTableModel& model, QObject* parent = nullptr);

  // The line edit open in the grid, or nullptr.
  QLineEdit* OpenEditor() const { return open_editor_; }
  // Stores the open line edit's text in its cell. False when the column refused it
  // (the model then raised EntryRefused). True when no line edit is open.
  bool CommitOpenEditor(QAbstractItemView& view);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 signals:
  // Enter was pressed in a line edit, after its text was committed.
  void EnterPressed();

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  TGridTableModel& model_;
  mutable QPointer<QLineEdit> open_editor_;
  mutable QPersistentModelIndex open_index_;
};

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_CELL_DELEGATES_H

#include "gui/tables/cell_delegates.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "framework/column.h"
#include "framework/enum_column.h"
#include "framework/entry_validator.h"
#include "gui/core/error_guard.h"
#include "gui/core/qt_text.h"
#include "gui/tables/grid_table_model.h"

namespace veldra::gui::tables {

namespace fw = veldra::framework;

TCellEdit::TCellEdit(QWidget* parent) : QLineEdit(parent) { setFrame(false); }

void TCellEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed.size() == 1 && typed[0].unicode() < 128 &&
      fw::EntryValidator::KeyAppendsToSelection(static_cast<char>(typed[0].unicode())) && hasSelectedText() &&
      selectedText() == text()) {
    end(false);
  }
  QLineEdit::keyPressEvent(event);
}

TCellDelegate::TCellDelegate(TGridTableModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}

QWidget* TCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  const int row = index.row();
  const int column = index.column();
  if (model_.IsChoice(column)) {
    auto* list = new QComboBox(parent);
    list->setMaxVisibleItems(kChoiceVisibleItems);
    for (const std::string& item : static_cast<fw::TEnumColumn&>(model_.ColumnAt(column)).Items())
      list->addItem(ToQt(item));
    list->installEventFilter(const_cast<TCellDelegate*>(this));
    TGridTableModel* model = &model_;
    connect(list, &QComboBox::activated, list, [model, list, row, column](int item) {
      RunGuarded(list, "Choosing an item", [&] { model->ChooseItem(row, column, item + 1); });
    });
    return list;
  }
  if (model_.IsSubTable(column)) {
    auto* button = new QPushButton(parent);
    button->installEventFilter(const_cast<TCellDelegate*>(this));
    TGridTableModel* model = &model_;
    connect(button, &QPushButton::clicked, button, [model, button, row, column] {
      RunGuarded(button->window(), "Opening the sub-table", [&] { model->PressButton(row, column); });
    });
    return button;
  }
  auto* edit = new TCellEdit(parent);
  const QVariant alignment = index.data(Qt::TextAlignmentRole);
  if (alignment.isValid()) edit->setAlignment(alignment.value<Qt::Alignment>());
  open_editor_ = edit;
  open_index_ = index;
  (void)option;
  return edit;
}

void TCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
  if (editor == open_editor_) {
    open_editor_ = nullptr;
    open_index_ = QPersistentModelIndex();
  }
  QStyledItemDelegate::destroyEditor(editor, index);
}

void TCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* list = qobject_cast<QComboBox*>(editor)) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index.data(Qt::EditRole).toInt() - 1);
  } else if (auto* button = qobject_cast<QPushButton*>(editor)) {
    button->setText(index.data(Qt::EditRole).toString().replace(QLatin1Char('&'), QLatin1String("&&")));
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    // What the user is typing stays; a fresh editor shows the cell.
    if (!edit->isModified()) edit->setText(index.data(Qt::EditRole).toString());
  }
}

void TCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(editor);
  // Only typed text is stored: the shown text has 8 significant digits, and storing
  // it back would cut a value the user merely passed through.
  if (!edit || !edit->isModified()) return;
  if (model->setData(index, edit->text(), Qt::EditRole)) edit->setModified(false);
}

bool TCellDelegate::CommitOpenEditor(QAbstractItemView& view) {
  QPointer<QLineEdit> edit = open_editor_;
  if (!edit) return true;
  const QPersistentModelIndex index = open_index_;
  bool stored = true;
  if (edit->isModified() && index.isValid()) stored = model_.setData(index, edit->text(), Qt::EditRole);
  if (edit) {
    edit->setModified(false);
    emit closeEditor(edit, QAbstractItemDelegate::NoHint);
  }
  (void)view;
  return stored;
}

bool TCellDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* edit = qobject_cast<TCellEdit*>(object);
  if (!edit) {
    // The lists and buttons stand over their cells for good: no commit or close on
    // Tab or focus loss. Focus in moves the grid's selection to their cell.
    if (event->type() == QEvent::FocusIn) {
      auto* control = static_cast<QWidget*>(object);
      if (auto* view = qobject_cast<QAbstractItemView*>(control->parentWidget()->parentWidget())) {
        const QModelIndex index = view->indexAt(control->geometry().center());
        if (index.isValid())
          RunGuarded(control, "Selecting the cell", [&] { model_.ControlFocused(index.row(), index.column()); });
      }
    }
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      emit commitData(edit);
      emit closeEditor(edit, QAbstractItemDelegate::NoHint);
      emit EnterPressed();
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace veldra::gui::tables

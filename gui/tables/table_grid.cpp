#include "gui/tables/table_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

namespace veldra::gui::tables {

TTableGrid::TTableGrid(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setWordWrap(false);
  setTabKeyNavigation(true);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  verticalHeader()->setHighlightSections(false);
  if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(this);
}

void TTableGrid::SetTopLeft(const QString& text) {
  top_left_ = text;
  if (auto* corner = findChild<QAbstractButton*>()) corner->update();
}

bool TTableGrid::eventFilter(QObject* object, QEvent* event) {
  // The corner button draws a blank header section; ours carries the text.
  auto* corner = qobject_cast<QAbstractButton*>(object);
  if (corner && event->type() == QEvent::Paint && !top_left_.isEmpty()) {
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = top_left_;
    option.textAlignment = Qt::AlignCenter;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
  }
  return QTableView::eventFilter(object, event);
}

QModelIndex TTableGrid::NextAfterEnter(const QModelIndex& from) const {
  const QAbstractItemModel* m = model();
  if (!m || !from.isValid()) return {};
  const int rows = m->rowCount();
  const int columns = m->columnCount();
  if (from.row() + 1 < rows) return m->index(from.row() + 1, from.column());
  for (int step = 1; step <= columns; ++step) {
    const int column = (from.column() + step) % columns;
    const QModelIndex first = m->index(0, column);
    if (first.flags() & Qt::ItemIsSelectable) return first;
  }
  return {};
}

void TTableGrid::MoveAfterEnter() {
  const QModelIndex next = NextAfterEnter(currentIndex());
  if (next.isValid()) setCurrentIndex(next);
}

void TTableGrid::ScrollTo(int top_row, int left_column) {
  updateGeometries();
  verticalScrollBar()->setValue(top_row);
  horizontalScrollBar()->setValue(left_column);
}

void TTableGrid::keyPressEvent(QKeyEvent* event) {
  emit KeyPressed();
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
    MoveAfterEnter();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace veldra::gui::tables

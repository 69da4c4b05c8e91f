#include "gui/tables/table_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>

#include "app/file_commands.h"
#include "framework/column.h"
#include "framework/entry_evaluator.h"
#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/grid_table.h"
#include "framework/int_column.h"
#include "gui/core/error_guard.h"
#include "gui/core/qt_text.h"
#include "gui/tables/cell_delegates.h"
#include "gui/tables/grid_table_model.h"
#include "gui/tables/help_pictures.h"
#include "gui/tables/table_grid.h"

namespace veldra::gui::tables {

namespace fw = veldra::framework;

namespace {

// Column widths measured with the grid's font on the form's screen.
class WidgetCanvas : public fw::TextCanvas {
 public:
  WidgetCanvas(const QFontMetrics& metrics, int dpi) : metrics_(metrics), dpi_(dpi) {}
  int TextWidth(std::string_view text) const override { return metrics_.horizontalAdvance(ToQt(text)); }
  int PixelsPerInch() const override { return dpi_; }

 private:
  QFontMetrics metrics_;
  int dpi_;
};

fw::Size SizeOf(const QSize& size) { return {size.width(), size.height()}; }

QRect RectOf(const fw::Rect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

// Whether the column would take the entry, without storing it.
bool EntryAcceptable(const fw::TColumn& column, const QString& text) {
  try {
    switch (column.Kind()) {
      case fw::ColumnKind::kString:
        return true;
      case fw::ColumnKind::kFloat:
        fw::EvaluateEntry(FromQt(text));
        return true;
      case fw::ColumnKind::kEnum:
        return fw::IsInt32(fw::EvaluateEntry(FromQt(text)));
      case fw::ColumnKind::kInt: {
        const auto& integer = static_cast<const fw::TIntColumn&>(column);
        const fw::EntryNumber value = fw::EvaluateEntry(FromQt(text));
        return std::fabs(value - std::trunc(value)) <= 1e-10L && value >= integer.Min() && value <= integer.Max() &&
               fw::IsInt32(fw::RoundHalfEven(value));
      }
      case fw::ColumnKind::kTable:
        return true;
    }
  } catch (...) {
    return false;  // the evaluator refused the text, or failed on it
  }
  return false;
}

}  // namespace

TTableForm::TTableForm(fw::TGridTable& table, QWidget* parent) : QWidget(parent), table_(&table) {
  model_ = new TGridTableModel(table, this);
  grid_ = new TTableGrid(this);
  grid_->setModel(model_);
  delegate_ = new TCellDelegate(*model_, grid_);
  grid_->setItemDelegate(delegate_);
  add_ = new QPushButton(QStringLiteral("&Add Row"), this);
  insert_ = new QPushButton(QStringLiteral("&Insert Row"), this);
  delete_ = new QPushButton(QStringLiteral("&Delete Row"), this);
  comments_ = new QLabel(this);
  comments_->setTextFormat(Qt::PlainText);
  picture_ = new QLabel(this);

  connect(add_, &QPushButton::clicked, this, [this] { Guarded("Add Row", [this] { AddRow(); }); });
  connect(insert_, &QPushButton::clicked, this, [this] { Guarded("Insert Row", [this] { InsertRow(); }); });
  connect(delete_, &QPushButton::clicked, this, [this] { Guarded("Delete Row", [this] { DeleteRow(); }); });

  connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
    const QModelIndex current = grid_->currentIndex();
    saved_row_ = current.isValid() ? current.row() : -1;
    saved_column_ = current.isValid() ? current.column() : -1;
  });
  connect(model_, &TGridTableModel::RowsChanged, this, [this] { Guarded("Refreshing the table", [this] { FullRefresh(); }); });
  connect(model_, &TGridTableModel::CellChanged, this, [this](int row, int column) {
    // A value wider than its column widens the window.
    const QString text = model_->index(row, column).data().toString();
    if (!model_->HasRowControls(column) &&
        grid_->fontMetrics().horizontalAdvance(text) + 12 > grid_->columnWidth(column))
      Guarded("Refreshing the table", [this] { LayOut(); });
  });
  connect(model_, &TGridTableModel::CellEntered, this, [this](int row, int column) {
    grid_->setCurrentIndex(model_->index(row, column));
  });
  // The message waits until the view has finished closing the editor.
  connect(model_, &TGridTableModel::EntryRefused, this,
          [this](const QModelIndex& index, const QString& message, bool entry_error) {
            const QPersistentModelIndex cell(index);
            QTimer::singleShot(0, this, [this, cell, message, entry_error] { ShowRefusal(cell, message, entry_error); });
          });
  connect(delegate_, &TCellDelegate::EnterPressed, grid_, &TTableGrid::MoveAfterEnter);
  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { CellSelectionStarting(); });
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) { view_.top_row = value; });
  connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          [this](int value) { view_.left_column = value; });
}

TTableForm::~TTableForm() {
  closing_ = true;
  if (table_) table_->CloseWindow();
  if (table_) {
    model_->Detach();
    table_ = nullptr;
  }
}

void TTableForm::Guarded(const char* what, const std::function<void()>& action) { RunGuarded(this, what, action); }

int TTableForm::Margin() const { return logicalDpiX() / 20; }

int TTableForm::RowHeight() const { return grid_->fontMetrics().height() + 10; }

QWidget* TTableForm::Container() const {
  QWidget* parent = parentWidget();
  if (!parent || isWindow()) return const_cast<TTableForm*>(this);
  if (qobject_cast<QMdiSubWindow*>(parent) || qobject_cast<QDialog*>(parent)) return parent;
  return nullptr;  // embedded in a control of another window
}

// --- Opening and refreshing -------------------------------------------------------

void TTableForm::Open() {
  if (opened_ || !table_) return;
  if (table_->RowCount() < table_->MinRows()) table_->SetRowCount(table_->MinRows());
  opened_ = true;
  CaptionChanged();
  grid_->SetTopLeft(ToQt(table_->TopLeft()));
  comments_->setText(MessageText(table_->Comments()));
  comments_->setVisible(!table_->Comments().empty());
  const QPixmap picture = HelpPicture(table_->HelpPicture());
  picture_->setPixmap(picture);
  picture_->setVisible(!picture.isNull());
  view_ = {0, table_->VisibleColumnCount(), 0, std::min(table_->RowCount(), ShownRowCap())};
  FullRefresh();
  SelectCell(0, 0);
}

void TTableForm::FullRefresh() {
  if (!table_ || !opened_) return;
  OpenControls();
  UpdateButtons();
  LayOut();
  if (saved_row_ >= 0) {
    SelectCell(saved_row_, saved_column_);
    saved_row_ = saved_column_ = -1;
  }
  AfterFullRefresh();
}

void TTableForm::OpenControls() {
  const int rows = model_->rowCount();
  for (int c = 0; c < model_->columnCount(); ++c) {
    if (!model_->HasRowControls(c)) continue;
    fw::TColumn& column = model_->ColumnAt(c);
    if (column.HasControls()) column.ReleaseControls();
    if (rows > 0) column.AllocateControls(this, 0, rows);
    for (int r = 0; r < rows; ++r) grid_->openPersistentEditor(model_->index(r, c));
  }
}

void TTableForm::UpdateButtons() {
  const bool shown = table_->MinRows() != table_->MaxRows();
  for (QPushButton* button : {add_, insert_, delete_}) button->setVisible(shown);
  add_->setEnabled(table_->RowCount() != table_->MaxRows());
  insert_->setEnabled(table_->RowCount() != table_->MaxRows());
  delete_->setEnabled(table_->RowCount() > table_->MinRows());
}

void TTableForm::SelectCell(int row, int column) {
  const int rows = model_->rowCount();
  const int columns = model_->columnCount();
  if (rows == 0 || columns == 0) return;
  row = std::clamp(row, 0, rows - 1);
  column = std::clamp(column, 0, columns - 1);
  if (model_->HasRowControls(column)) {
    column = -1;
    for (int c = 0; c < columns && column < 0; ++c)
      if (!model_->HasRowControls(c)) column = c;
    if (column < 0) return;  // only controls: nothing to select
  }
  grid_->setCurrentIndex(model_->index(row, column));
}

// --- Layout --------------------------------------------------------------------------

fw::GridMetrics TTableForm::Metrics() const {
  const QFontMetrics font = grid_->fontMetrics();
  const WidgetCanvas canvas(font, logicalDpiX());
  fw::GridMetrics metrics;
  metrics.rows = model_->rowCount();
  metrics.row_height = RowHeight();
  const int frame = 2 * grid_->frameWidth();
  // The sizes LayOut fixed for the headers: their geometry follows only when the grid
  // is laid out, which a hidden window has not been yet.
  metrics.fixed_width = frame + grid_->verticalHeader()->minimumWidth();
  metrics.fixed_height =
      frame + (grid_->horizontalHeader()->isHidden() ? 0 : grid_->horizontalHeader()->minimumHeight());
  metrics.vertical_scroll_bar = grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_);
  metrics.horizontal_scroll_bar = metrics.vertical_scroll_bar;
  for (int c = 0; c < model_->columnCount(); ++c) {
    const fw::TColumn& column = model_->ColumnAt(c);
    int width = std::max(column.MinWidth(canvas), grid_->horizontalHeader()->sectionSizeHint(c));
    // The look is ours to choose: a value, a list item or a button caption is never
    // cut off by the minimum width.
    if (model_->IsChoice(c)) {
      QComboBox probe;
      probe.setFont(grid_->font());
      probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
      for (const std::string& item : static_cast<const fw::TEnumColumn&>(column).Items()) probe.addItem(ToQt(item));
      width = std::max(width, probe.sizeHint().width());
    } else {
      const int padding = model_->IsSubTable(c) ? 24 : 12;
      for (int r = 0; r < metrics.rows; ++r)
        width = std::max(width, font.horizontalAdvance(model_->index(r, c).data().toString()) + padding);
    }
    metrics.column_widths.push_back(width);
  }
  return metrics;
}

fw::WindowParts TTableForm::Parts() const {
  fw::WindowParts parts;
  parts.margin = Margin();
  parts.row_buttons = table_ && table_->MinRows() != table_->MaxRows();
  parts.add = SizeOf(add_->sizeHint());
  parts.insert = SizeOf(insert_->sizeHint());
  parts.remove = SizeOf(delete_->sizeHint());
  if (!comments_->isHidden()) parts.comments = SizeOf(comments_->sizeHint());
  if (!picture_->isHidden()) parts.picture = SizeOf(picture_->pixmap().deviceIndependentSize().toSize());
  return parts;
}

void TTableForm::PlaceParts(const fw::WindowLayout& layout) {
  grid_->setGeometry(RectOf(layout.grid));
  add_->setGeometry(RectOf(layout.add));
  insert_->setGeometry(RectOf(layout.insert));
  delete_->setGeometry(RectOf(layout.remove));
  comments_->setGeometry(RectOf(layout.comments));
  picture_->setGeometry(RectOf(layout.picture));
}

void TTableForm::LayOut() {
  if (!table_ || !opened_) return;
  const QFontMetrics font = grid_->fontMetrics();
  // Row numbers: as wide as the top-left text and two blanks, at least a third of an
  // inch, and wide enough for the largest block number.
  const int last_number = std::max(1, (model_->rowCount() - 1) / table_->RowGroup() + 1);
  const int numbers = std::max({font.horizontalAdvance(grid_->TopLeft() + QStringLiteral("  ")), logicalDpiX() / 3,
                                font.horizontalAdvance(QString::number(last_number)) + 10});
  grid_->verticalHeader()->setFixedWidth(numbers);
  grid_->verticalHeader()->setDefaultSectionSize(RowHeight());
  grid_->verticalHeader()->setMinimumSectionSize(RowHeight());
  grid_->horizontalHeader()->setVisible(table_->HeaderRowCount() > 0);
  grid_->horizontalHeader()->setFixedHeight(grid_->horizontalHeader()->sizeHint().height());

  const fw::GridMetrics metrics = Metrics();
  for (int c = 0; c < metrics.Columns(); ++c) grid_->setColumnWidth(c, metrics.column_widths[static_cast<std::size_t>(c)]);
  view_ = fw::ClampGridView(metrics, view_);
  const fw::WindowLayout layout = fw::LayOutTableWindow(Parts(), fw::GridSize(metrics, view_));
  PlaceParts(layout);
  ApplyView();
  ApplyClientSize(layout.client);
  if (table_->OnResize) table_->OnResize(*table_);
  emit LaidOut();
}

void TTableForm::ApplyView() {
  const fw::GridView view = view_;  // the scroll bars report back into view_
  grid_->setVerticalScrollBarPolicy(view.shown_rows < model_->rowCount() ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAlwaysOff);
  grid_->setHorizontalScrollBarPolicy(view.shown_columns < model_->columnCount() ? Qt::ScrollBarAlwaysOn
                                                                                 : Qt::ScrollBarAlwaysOff);
  grid_->ScrollTo(view.top_row, view.left_column);
  view_ = view;
}

void TTableForm::ApplyClientSize(fw::Size client) {
  client_ = client;
  const QSize size(client.width, client.height);
  QWidget* frame = Container();
  // A maximized or minimized window keeps the size the main window gave it.
  if (frame && frame != this && (frame->isMaximized() || frame->isMinimized())) return;
  applying_ = true;
  if (!frame || frame == this) {
    resize(size);
  } else if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) {
    sub->resize(sub->sizeHint());
    resize(size);
  } else {
    // The dialog of a modal window: the form fills it.
    frame->resize(size);
    resize(size);
  }
  applying_ = false;
  if (frame) container_geometry_ = frame->geometry();
  if (frame && frame != this && frame != watched_frame_) {
    frame->installEventFilter(this);
    watched_frame_ = frame;
  }
}

void TTableForm::FrameMoved() {
  QWidget* frame = Container();
  // A move that keeps the size is no drag of a border.
  if (frame && !applying_ && frame->size() == container_geometry_.size()) container_geometry_ = frame->geometry();
}

bool TTableForm::eventFilter(QObject* object, QEvent* event) {
  if (object == watched_frame_ && event->type() == QEvent::Move) FrameMoved();
  return QWidget::eventFilter(object, event);
}

void TTableForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (isWindow()) FrameMoved();
}

void TTableForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (applying_ || !opened_ || closing_ || !table_) return;
  if (event->size() == QSize(client_.width, client_.height)) return;
  // The user dragged a border: snap once the drag step has been handled.
  if (!snap_pending_) {
    snap_pending_ = true;
    QTimer::singleShot(0, this, [this] { Guarded("Sizing the window", [this] { SnapToSize(); }); });
  }
}

void TTableForm::SnapToSize() {
  snap_pending_ = false;
  if (!table_ || closing_) return;
  QWidget* frame = Container();
  if (!frame || frame->isMaximized() || frame->isMinimized()) return;
  const fw::Size dragged = SizeOf(size());
  if (dragged == client_) return;
  const fw::GridMetrics metrics = Metrics();
  const fw::SnappedWindow snapped = fw::SnapTableWindow(Parts(), metrics, view_, dragged,
                                                        dragged.width != client_.width,
                                                        dragged.height != client_.height);
  view_ = snapped.view;
  PlaceParts(fw::LayOutTableWindow(Parts(), fw::GridSize(metrics, view_)));
  ApplyView();

  // The dragged edges move; the opposite ones stay where they are.
  const QRect dragged_frame = frame->geometry();
  const QSize target = dragged_frame.size() - size() + QSize(snapped.client.width, snapped.client.height);
  const int left = dragged_frame.left() != container_geometry_.left() ? dragged_frame.right() + 1 - target.width()
                                                                      : dragged_frame.left();
  const int top = dragged_frame.top() != container_geometry_.top() ? dragged_frame.bottom() + 1 - target.height()
                                                                   : dragged_frame.top();
  client_ = snapped.client;
  applying_ = true;
  frame->setGeometry(left, top, target.width(), target.height());
  if (frame != this) resize(snapped.client.width, snapped.client.height);
  applying_ = false;
  container_geometry_ = frame->geometry();
  if (table_->OnResize) table_->OnResize(*table_);
  emit LaidOut();
}

// --- Rows -------------------------------------------------------------------------------

void TTableForm::GrowShownRows() {
  if (view_.shown_rows == table_->RowCount())
    view_.shown_rows = std::min(view_.shown_rows + table_->RowGroup(), ShownRowCap());
}

void TTableForm::AddRow() {
  if (!table_) return;
  table_->SetChanged(true);
  GrowShownRows();
  model_->PauseRowsChanged();
  try {
    table_->AddRowGroup();
  } catch (...) {
    model_->ResumeRowsChanged();
    throw;
  }
  const int last = table_->RowCount() - 1;
  if (last >= view_.top_row + view_.shown_rows) view_.top_row = std::max(0, table_->RowCount() - view_.shown_rows);
  const int column = grid_->currentIndex().isValid() ? grid_->currentIndex().column() : 0;
  model_->ResumeRowsChanged();
  // The new row is where the user types next.
  SelectCell(last, column);
  emit model_->Edited();
}

void TTableForm::InsertRow() {
  if (!table_) return;
  const QModelIndex current = grid_->currentIndex();
  if (!current.isValid()) throw fw::Exception(kRowNotInRange);
  table_->SetChanged(true);
  GrowShownRows();
  table_->InsertRowGroup(current.row());
  emit model_->Edited();
}

void TTableForm::DeleteRow() {
  if (!table_) return;
  const QModelIndex current = grid_->currentIndex();
  if (!current.isValid()) throw fw::Exception(kRowNotInRange);
  table_->SetChanged(true);
  table_->DeleteRowGroup(current.row());
  emit model_->Edited();
}

// --- Editing ----------------------------------------------------------------------------

void TTableForm::DropCurrentEdit() {
  if (QLineEdit* edit = delegate_->OpenEditor()) {
    edit->setModified(false);
    emit delegate_->closeEditor(edit, QAbstractItemDelegate::RevertModelCache);
  }
}

bool TTableForm::CommitCurrentCell() { return !table_ || delegate_->CommitOpenEditor(*grid_); }

bool TTableForm::CanDeactivate() const {
  const QLineEdit* edit = delegate_->OpenEditor();
  if (!table_ || !edit || !edit->isModified()) return true;
  const QModelIndex current = grid_->currentIndex();
  return !current.isValid() || EntryAcceptable(model_->ColumnAt(current.column()), edit->text());
}

bool TTableForm::DeactivateForm() {
  if (!table_ || closing_) return true;
  if (CommitCurrentCell()) return true;
  BringToFront();
  return false;
}

void TTableForm::ShowRefusal(const QPersistentModelIndex& index, const QString& message, bool entry_error) {
  if (!table_) return;
  const QString title = QString::fromLatin1(app::kApplicationTitle);
  if (entry_error) {
    QMessageBox::information(this, title, message);
  } else {
    QMessageBox::critical(this, title, message);
  }
  if (!table_) return;
  BringToFront();
  if (index.isValid()) {
    grid_->setCurrentIndex(index);
    grid_->scrollTo(index);
  }
  grid_->setFocus(Qt::OtherFocusReason);
}

void TTableForm::BringToFront() {
  QWidget* frame = Container();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) {
    if (sub->mdiArea() && sub->mdiArea()->activeSubWindow() != sub) sub->mdiArea()->setActiveSubWindow(sub);
  } else if (frame && frame->isWindow()) {
    frame->raise();
    frame->activateWindow();
  }
}

// --- Closing ------------------------------------------------------------------------------

void TTableForm::closeEvent(QCloseEvent* event) {
  if (closing_ || !table_) {
    closing_ = true;
    event->accept();
    return;
  }
  if (!discard_ && !CommitCurrentCell()) {
    event->ignore();
    return;
  }
  closing_ = true;
  fw::TGridTable* table = table_;
  table->CloseWindow();  // the table forgets the window: TableClosedWindow
  if (table_) {
    model_->Detach();
    table_ = nullptr;
  }
  event->accept();
}

void TTableForm::TableClosedWindow() {
  if (!table_) return;
  model_->Detach();
  table_ = nullptr;
  if (closing_) return;
  closing_ = true;
  if (QWidget* frame = Container()) {
    frame->close();
  } else {
    hide();
    deleteLater();
  }
}

void TTableForm::CaptionChanged() {
  if (!table_) return;
  const QString caption = ToQt(table_->WindowCaption());
  setWindowTitle(caption);
  if (auto* dialog = qobject_cast<QDialog*>(parentWidget())) dialog->setWindowTitle(caption);
}

void TTableForm::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  WindowClicked();
}

}  // namespace veldra::gui::tables

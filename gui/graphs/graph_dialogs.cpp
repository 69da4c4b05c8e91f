#include "gui/graphs/graph_dialogs.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "framework/curve_style.h"
#include "framework/graph_menu.h"
#include "framework/graph_scene.h"
#include "gui/core/error_guard.h"
#include "gui/widgets/data_edit.h"

namespace veldra::gui {

namespace fw = veldra::framework;

namespace {

constexpr int kMargin = 10;

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

// --- TdlgFormat ---------------------------------------------------------------------------

namespace {

// A field of the Save Attributes dialog: its label above it, inches or pixels per
// inch as a plain units label.
TDataEdit* SizeField(QDialog* dialog, QVBoxLayout* layout, const char* caption, const char* units,
                     fw::EntryNumber value, fw::EntryNumber min, bool integer) {
  auto* label = new QLabel(dialog);
  auto* field = new TDataEdit(dialog);
  field->SetCaption(caption);
  field->SetUnitsString(units);
  field->SetIntegerOnly(integer);
  field->SetMinVal(min);
  field->SetNumber(value);
  field->SetEditLabel(label);
  layout->addWidget(label);
  layout->addWidget(field);
  return field;
}

}  // namespace

TdlgFormat::TdlgFormat(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Save Attributes"));
  auto* layout = new QVBoxLayout(this);
  height_ = SizeField(this, layout, "&Height", "in", 4, 2, false);
  width_ = SizeField(this, layout, "&Width", "in", 6, 2, false);
  pixels_ = SizeField(this, layout, "&Pixels Per Inch", "", 72, 10, true);
  layout->addWidget(OkCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

double TdlgFormat::HeightInches() const { return static_cast<double>(height_->Number()); }
double TdlgFormat::WidthInches() const { return static_cast<double>(width_->Number()); }
int TdlgFormat::PixelsPerInch() const { return static_cast<int>(pixels_->Number()); }

void TdlgFormat::accept() {
  if (height_->ValidateEntry() && width_->ValidateEntry() && pixels_->ValidateEntry()) QDialog::accept();
}

// --- TfrmLineNames ------------------------------------------------------------------------

TfrmLineNames::TfrmLineNames(const fw::TGraphPlot& graph, QWidget* parent)
    : QDialog(parent), graph_(graph), list_(new QListWidget(this)), edit_(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("Legend"));
  for (int c = 0; c < graph.CurveCount(fw::CurveList::kMain); ++c)
    names_.push_back(graph.CurveAt(fw::CurveList::kMain, c).DisplayName());
  for (const std::string& name : names_) list_->addItem(QString::fromStdString(name));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  layout->setSpacing(kMargin);
  layout->addWidget(new QLabel(QStringLiteral("Select line to modify:"), this));
  layout->addWidget(list_, 1);
  layout->addWidget(new QLabel(QStringLiteral("Type new legend below:"), this));
  layout->addWidget(edit_);
  layout->addWidget(OkCancel(this));
  setMinimumSize(195, 167);

  edit_->installEventFilter(this);
  connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
  if (!names_.empty()) list_->setCurrentRow(0);
}

void TfrmLineNames::ShowSelected() {
  editing_ = list_->currentRow();
  if (editing_ < 0) return;
  const fw::CurveColor color = fw::CurveColorOf(graph_, editing_);
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Text, QColor(color.red, color.green, color.blue));
  edit_->setPalette(palette);
  edit_->setText(QString::fromStdString(names_[static_cast<std::size_t>(editing_)]));
}

void TfrmLineNames::StoreEdit() {
  if (editing_ < 0 || editing_ >= static_cast<int>(names_.size())) return;
  std::string& name = names_[static_cast<std::size_t>(editing_)];
  if (edit_->text().isEmpty()) {
    ShowInformation(this, fw::kLineMustHaveName);
    edit_->setText(QString::fromStdString(name));
    return;
  }
  name = edit_->text().toStdString();
  list_->item(editing_)->setText(edit_->text());
}

bool TfrmLineNames::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_) {
    if (event->type() == QEvent::FocusOut) StoreEdit();
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter stores the name; it does not close the window.
        StoreEdit();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

// --- TfrmActiveLines ----------------------------------------------------------------------

TfrmActiveLines::TfrmActiveLines(const fw::TGraphPlot& graph, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("Active Curves"));
  for (int c = 0; c < graph.CurveCount(fw::CurveList::kMain); ++c) {
    const fw::TLine& curve = graph.CurveAt(fw::CurveList::kMain, c);
    names_.push_back(curve.DisplayName());
    marks_.push_back(curve.Active);
  }
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setFont(QFont(QStringLiteral("Liberation Mono")));
  for (std::size_t i = 0; i < names_.size(); ++i) list_->addItem(QString());
  Refresh();

  auto* all = new QPushButton(QStringLiteral("Activate All"), this);
  auto* none = new QPushButton(QStringLiteral("Deactivate All"), this);
  auto* selected = new QPushButton(QStringLiteral("Activate/Deactivate Selected"), this);
  connect(all, &QPushButton::clicked, this, &TfrmActiveLines::ActivateAll);
  connect(none, &QPushButton::clicked, this, &TfrmActiveLines::DeactivateAll);
  connect(selected, &QPushButton::clicked, this, &TfrmActiveLines::ToggleSelected);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const std::size_t row = static_cast<std::size_t>(list_->row(item));
    marks_[row] = !marks_[row];
    Refresh();
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  layout->addWidget(list_, 1);
  auto* row = new QHBoxLayout;
  row->addWidget(all);
  row->addWidget(none);
  layout->addLayout(row);
  layout->addWidget(selected);
  layout->addWidget(OkCancel(this));
  setMinimumSize(190, 234);
}

void TfrmActiveLines::Refresh() {
  for (std::size_t i = 0; i < names_.size(); ++i)
    list_->item(static_cast<int>(i))->setText(QString::fromStdString(fw::ActiveCurveLine(marks_[i], names_[i])));
}

void TfrmActiveLines::ActivateAll() {
  marks_.assign(marks_.size(), true);
  Refresh();
}

void TfrmActiveLines::DeactivateAll() {
  marks_.assign(marks_.size(), false);
  Refresh();
}

void TfrmActiveLines::ToggleSelected() {
  for (const QListWidgetItem* item : list_->selectedItems()) {
    const std::size_t row = static_cast<std::size_t>(list_->row(item));
    marks_[row] = !marks_[row];
  }
  Refresh();
}

// --- TfrmGraphCaption ---------------------------------------------------------------------

TfrmGraphCaption::TfrmGraphCaption(const std::string& title, bool at_top, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(QString::fromStdString(title), this)), location_(new QButtonGroup(this)) {
  setWindowTitle(QStringLiteral("Graph Caption"));
  auto* top = new QRadioButton(QStringLiteral("Top"), this);
  auto* bottom = new QRadioButton(QStringLiteral("Bottom"), this);
  location_->addButton(top, 0);
  location_->addButton(bottom, 1);
  (at_top ? top : bottom)->setChecked(true);
  auto* box = new QGroupBox(QStringLiteral("Caption Location"), this);
  auto* box_layout = new QHBoxLayout(box);
  box_layout->addWidget(top);
  box_layout->addWidget(bottom);
  auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* label = new QLabel(QStringLiteral("Enter Graph Caption"), this);
  label->setBuddy(edit_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(edit_);
  layout->addWidget(box);
  layout->addWidget(ok);
  edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * 40);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string TfrmGraphCaption::Title() const { return edit_->text().toStdString(); }
bool TfrmGraphCaption::AtTop() const { return location_->checkedId() == 0; }

}  // namespace veldra::gui

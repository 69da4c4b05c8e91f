#include "gui/graphs/export_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "framework/file_errors.h"
#include "app/main_window_rules.h"
#include "app/workbook/graph_workbook.h"
#include "gui/core/error_guard.h"

namespace veldra::gui {

namespace fw = veldra::framework;

namespace {

// The wait cursor while the workbook is written, however writing ends.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

TDlgExport::TDlgExport(fw::TMainGraphs& graphs, QWidget* parent)
    : QDialog(parent),
      graphs_(graphs),
      list_(new QListWidget(this)),
      generate_(new QPushButton(QStringLiteral("Generate Excel File"), this)),
      status_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Export to Excel"));
  offered = app::GraphHoldsData;
  choose_file = [this](const QString& proposed) {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Export Plots To Excel"), proposed,
                                        QStringLiteral("Excel Workbook (*.xlsx)"));
  };
  open_file = [](const QString& file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };

  auto* intro = new QLabel(QStringLiteral("The workbook is saved as a file and then opens in your spreadsheet "
                                          "application (if available). ") +
                               QStringLiteral("Please wait until all the data has been exported to Excel."),
                           this);
  intro->setWordWrap(true);
  auto* select_all = new QPushButton(QStringLiteral("Select All"), this);
  auto* unselect_all = new QPushButton(QStringLiteral("Unselect All"), this);
  auto* close = new QPushButton(QStringLiteral("Close Window"), this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(new QLabel(QStringLiteral("Available Plots"), this));
  layout->addWidget(list_, 1);
  auto* selection = new QHBoxLayout;
  selection->addWidget(select_all);
  selection->addWidget(unselect_all);
  selection->addStretch(1);
  layout->addLayout(selection);
  layout->addWidget(status_);
  auto* actions = new QHBoxLayout;
  actions->addStretch(1);
  actions->addWidget(generate_);
  actions->addWidget(close);
  layout->addLayout(actions);
  intro->setMinimumWidth(intro->fontMetrics().averageCharWidth() * 50);

  connect(select_all, &QPushButton::clicked, this, [this] {
    model_.SelectAll();
    SyncToList();
  });
  connect(unselect_all, &QPushButton::clicked, this, [this] {
    model_.UnselectAll();
    SyncToList();
  });
  connect(list_, &QListWidget::itemChanged, this, [this] { SyncFromList(); });
  connect(generate_, &QPushButton::clicked, this,
          [this] { RunGuarded(this, "Generate Excel File", [this] { GenerateClick(); }); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void TDlgExport::showEvent(QShowEvent* event) {
  Refill();
  QDialog::showEvent(event);
}

void TDlgExport::Refill() {
  model_.Refill(graphs_, offered);
  syncing_ = true;
  list_->clear();
  for (const app::ExportItem& item : model_.Items()) {
    auto* row = new QListWidgetItem(QString::fromStdString(item.graph->Caption), list_);
    row->setFlags(item.enabled ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemIsUserCheckable);
  }
  syncing_ = false;
  status_->clear();
  SyncToList();
}

void TDlgExport::SyncToList() {
  syncing_ = true;
  for (std::size_t i = 0; i < model_.Items().size(); ++i)
    list_->item(static_cast<int>(i))->setCheckState(model_.Items()[i].ticked ? Qt::Checked : Qt::Unchecked);
  syncing_ = false;
  generate_->setEnabled(model_.CanGenerate());
}

void TDlgExport::SyncFromList() {
  if (syncing_) return;
  for (std::size_t i = 0; i < model_.Items().size(); ++i)
    model_.SetTicked(i, list_->item(static_cast<int>(i))->checkState() == Qt::Checked);
  SyncToList();
}

void TDlgExport::GenerateClick() {
  QString proposed;
  if (data_file) {
    const std::filesystem::path data = data_file();
    if (!data.empty()) proposed = QString::fromStdString(app::DefaultWorkbookPath(data).string());
  }
  const QString file = choose_file ? choose_file(proposed) : proposed;
  if (file.isEmpty()) return;
  GenerateTo(file);
}

bool TDlgExport::GenerateTo(const QString& file) {
  const std::vector<const fw::TGraphPlot*> graphs = model_.Ticked();
  const int count = static_cast<int>(graphs.size());
  try {
    const WaitCursor wait;
    app::WriteGraphWorkbook(graphs, file.toStdString(), [&](int n, const std::string& status) {
      status_->setText(QStringLiteral("%1 of %2: %3").arg(n).arg(count).arg(QString::fromStdString(status)));
      status_->repaint();
    });
  } catch (const framework::EFileError& e) {
    status_->clear();
    ShowWarning(this, e.what());
    return false;
  }
  if (open_file) open_file(file);
  ShowInformation(this, "Export to Excel Completed\n" + QDir::toNativeSeparators(file).toStdString());
  return true;
}

}  // namespace veldra::gui

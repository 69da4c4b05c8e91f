#include "gui/tables/table_chart_form.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "framework/axis_number_format.h"
#include "framework/axis_range.h"
#include "framework/axis_ticks.h"
#include "framework/chart_data.h"
#include "framework/column.h"
#include "framework/exceptions.h"
#include "framework/grid_table_chart.h"
#include "framework/row_import.h"
#include "gui/core/error_guard.h"
#include "gui/core/qt_text.h"
#include "gui/tables/grid_table_model.h"
#include "gui/tables/segment_area.h"
#include "gui/tables/table_windows.h"

namespace veldra::gui::tables {

namespace fw = veldra::framework;

namespace {

// 285 pixels wide as the window was designed; taller than its 170 so that a vertical
// axis title such as "Flexural rigidity (kN-m^2)" is shown whole.
constexpr QSize kGraphSize(285, 200);
constexpr const char* kFileFilters = "Text Files (*.txt);;Data Files (*.dat);;All Files (*)";
constexpr const char* kEditorFailed = "An error occurred in running the Word Processor";

fw::Size SizeOf(const QSize& size) { return {size.width(), size.height()}; }
QRect RectOf(const fw::Rect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

// The values of the columns that hold numbers or text, to put back when an import
// fails half-way.
class TableValues {
 public:
  explicit TableValues(const fw::TGridTable& table) : rows_(table.RowCount()), changed_(table.IsChanged()) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      const fw::TColumn& column = table.Column(c);
      Column saved;
      saved.kind = column.Kind();
      for (int r = 0; r < rows_; ++r) {
        switch (saved.kind) {
          case fw::ColumnKind::kFloat: saved.numbers.push_back(column.GetFloat(r)); break;
          case fw::ColumnKind::kInt:
          case fw::ColumnKind::kEnum: saved.integers.push_back(column.GetInt(r)); break;
          case fw::ColumnKind::kString: saved.texts.push_back(column.GetText(r)); break;
          case fw::ColumnKind::kTable: break;
        }
      }
      columns_.push_back(std::move(saved));
    }
  }

  void Restore(fw::TGridTable& table) const {
    table.SetRowCount(rows_);
    for (int c = 0; c < table.ColumnCount() && c < static_cast<int>(columns_.size()); ++c) {
      fw::TColumn& column = table.Column(c);
      const Column& saved = columns_[static_cast<std::size_t>(c)];
      for (int r = 0; r < rows_; ++r) {
        const auto i = static_cast<std::size_t>(r);
        switch (saved.kind) {
          case fw::ColumnKind::kFloat: column.SetFloat(r, saved.numbers[i]); break;
          case fw::ColumnKind::kInt:
          case fw::ColumnKind::kEnum: column.SetInt(r, saved.integers[i]); break;
          case fw::ColumnKind::kString: column.SetText(r, saved.texts[i]); break;
          case fw::ColumnKind::kTable: break;
        }
      }
    }
    if (!changed_) table.SetChanged(false);
  }

 private:
  struct Column {
    fw::ColumnKind kind = fw::ColumnKind::kFloat;
    std::vector<fw::EntryNumber> numbers;
    std::vector<std::int32_t> integers;
    std::vector<std::string> texts;
  };
  int rows_;
  bool changed_;
  std::vector<Column> columns_;
};

// Major ticks of an axis running from `low` to `high` over `pixels`, at least two
// divisions; `spacing` is the room one label needs.
std::vector<double> MajorTicks(double low, double high, int pixels, int spacing, bool whole) {
  const int divisions = std::max(2, pixels / std::max(spacing, 1));
  fw::EntryNumber step = fw::MajorStep(high - low, divisions);
  if (whole) step = std::max<fw::EntryNumber>(step, 1);
  std::vector<double> ticks;
  for (const fw::AxisTick& tick : fw::AxisTicks(low, high, step))
    if (tick.major) ticks.push_back(static_cast<double>(tick.value));
  return ticks;
}

// Labels at the ticks of the axis range, in the axis's number format.
void SetAxis(QCategoryAxis& axis, const fw::ChartAxis& data, double low, double high, int pixels, int spacing) {
  for (const QString& label : axis.categoriesLabels()) axis.remove(label);
  double min = low;
  double max = high;
  if (!data.automatic) {
    min = static_cast<double>(data.minimum);
    max = static_cast<double>(data.maximum);
  } else {
    const fw::AxisRange range = fw::AutomaticRange(low, high);
    min = static_cast<double>(range.min);
    max = static_cast<double>(range.max);
  }
  if (!(max > min)) {
    // No extent (or no points): a small range around the value.
    const double half = std::max(std::fabs(min) * 0.1, 1.0);
    min -= half;
    max += half;
  }
  axis.setRange(min, max);
  axis.setStartValue(min);
  const bool whole = data.number_format == fw::kAxisFormatWhole;
  for (double tick : MajorTicks(min, max, pixels, spacing, whole))
    axis.append(ToQt(fw::FormatAxisNumber(tick, data.number_format)), tick);
  axis.setReverse(data.inverted);
  axis.setTitleText(ToQt(data.title).trimmed());
}

QList<QPointF> Points(const fw::ChartSeries& series) {
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(series.points.size()));
  for (const fw::ChartPoint& p : series.points) points.append({static_cast<double>(p.x), static_cast<double>(p.y)});
  return points;
}

}  // namespace

TTableChartForm::TTableChartForm(fw::TGridTableChart& table, QWidget* parent) : TTableForm(table, parent) {
  chart_ = new QChart;
  chart_->setBackgroundRoundness(0);
  chart_->setBackgroundBrush(Qt::white);
  chart_->setPlotAreaBackgroundBrush(Qt::white);
  chart_->setPlotAreaBackgroundVisible(true);
  chart_->setMargins(QMargins(2, 8, 8, 2));
  chart_->layout()->setContentsMargins(0, 0, 0, 0);
  QFont small = font();
  small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1.5));
  series1_ = new QLineSeries;
  series1_->setPen(QPen(Qt::red, 2));
  series2_ = new QLineSeries;
  series2_->setPen(QPen(QColor(0, 0x80, 0), 2));
  QImage marker(2, 2, QImage::Format_ARGB32);
  marker.fill(QColor(0, 0x80, 0));
  series2_->setLightMarker(marker);
  series2_->setVisible(false);
  chart_->addSeries(series1_);
  chart_->addSeries(series2_);
  axis_x_ = new QCategoryAxis;
  axis_y_ = new QCategoryAxis;
  for (QCategoryAxis* axis : {axis_x_, axis_y_}) {
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setLabelsFont(small);
    axis->setTitleFont(small);
    axis->setGridLineColor(QColor(0xd8, 0xd8, 0xd8));
  }
  chart_->addAxis(axis_x_, Qt::AlignBottom);
  chart_->addAxis(axis_y_, Qt::AlignLeft);
  for (QLineSeries* series : {series1_, series2_}) {
    series->attachAxis(axis_x_);
    series->attachAxis(axis_y_);
  }
  chart_->legend()->setFont(small);
  chart_->legend()->setAlignment(Qt::AlignTop);
  chart_->legend()->hide();
  chart_view_ = new QChartView(chart_, this);
  chart_view_->setRenderHint(QPainter::Antialiasing);
  chart_view_->setFrameShape(QFrame::NoFrame);
  chart_view_->hide();
  segments_ = new TSegmentArea(this);
  segments_->hide();

  file_label_ = new QLabel(QStringLiteral("File Name:"), this);
  file_name_ = new QLineEdit(this);
  browse_ = new QPushButton(QStringLiteral("Browse"), this);
  view_edit_ = new QPushButton(QStringLiteral("View/Edit File"), this);
  read_ = new QPushButton(QStringLiteral("Read values from File"), this);
  paste_ = new QPushButton(QStringLiteral("Paste values from  Clipboard (text)"), this);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  const bool files = table.GetDataFromFile();
  for (QWidget* control : std::initializer_list<QWidget*>{file_label_, file_name_, browse_, view_edit_, read_, paste_})
    control->setVisible(files);
  ok_->setVisible(table.OKCancelButtons());
  cancel_->setVisible(table.OKCancelButtons());

  connect(file_name_, &QLineEdit::textChanged, this, [this] { UpdateFileButtons(); });
  connect(browse_, &QPushButton::clicked, this, [this] { Guarded("Browse", [this] { Browse(); }); });
  connect(view_edit_, &QPushButton::clicked, this, [this] { Guarded("View/Edit File", [this] { ViewEditFile(); }); });
  connect(read_, &QPushButton::clicked, this,
          [this] { Guarded("Read values from File", [this] { ReadValuesFromFile(); }); });
  connect(paste_, &QPushButton::clicked, this,
          [this] { Guarded("Paste values from Clipboard", [this] { PasteValuesFromClipboard(); }); });
  // OK closes the window as its close button does; Cancel drops what is being typed.
  connect(ok_, &QPushButton::clicked, this, [this] { Container() ? Container()->close() : close(); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    DropCurrentEdit();
    Container() ? Container()->close() : close();
  });
  connect(Model(), &TGridTableModel::CellChanged, this, [this] { ScheduleChart(); });
  UpdateFileButtons();
}

fw::TGridTableChart* TTableChartForm::Chart() const { return static_cast<fw::TGridTableChart*>(Table()); }

bool TTableChartForm::ShowsGraph() const { return Chart() && Chart()->ShowChart(); }

QWidget* TTableChartForm::DrawingArea() const { return segments_; }

int TTableChartForm::ShownRowCap() const {
  return ShowsGraph() ? fw::kShownRowCapWithChart : fw::kShownRowCap;
}

fw::WindowParts TTableChartForm::Parts() const {
  fw::WindowParts parts = TTableForm::Parts();
  if (ShowsGraph()) parts.graph = SizeOf(kGraphSize);
  if (Chart() && Chart()->OKCancelButtons()) {
    parts.ok_cancel = true;
    parts.ok = SizeOf(ok_->sizeHint());
    parts.cancel = SizeOf(cancel_->sizeHint());
  }
  if (Chart() && Chart()->GetDataFromFile()) {
    parts.file_controls = true;
    parts.file_label = SizeOf(file_label_->sizeHint());
    parts.file_name = {200, file_name_->sizeHint().height()};
    parts.browse = SizeOf(browse_->sizeHint());
    parts.view_edit = SizeOf(view_edit_->sizeHint());
    parts.read = SizeOf(read_->sizeHint());
    parts.paste = SizeOf(paste_->sizeHint());
  }
  return parts;
}

void TTableChartForm::PlaceParts(const fw::WindowLayout& layout) {
  TTableForm::PlaceParts(layout);
  const bool segments = Chart() && Chart()->DrawSegments();
  chart_view_->setGeometry(RectOf(layout.graph));
  segments_->setGeometry(RectOf(layout.graph));
  chart_view_->setVisible(ShowsGraph() && !segments);
  segments_->setVisible(ShowsGraph() && segments);
  ok_->setGeometry(RectOf(layout.ok));
  cancel_->setGeometry(RectOf(layout.cancel));
  // The label stands level with the middle of the name field.
  fw::Rect label = layout.file_label;
  label.top += (layout.file_name.height - label.height) / 2;
  file_label_->setGeometry(RectOf(label));
  file_name_->setGeometry(RectOf(layout.file_name));
  browse_->setGeometry(RectOf(layout.browse));
  view_edit_->setGeometry(RectOf(layout.view_edit));
  read_->setGeometry(RectOf(layout.read));
  paste_->setGeometry(RectOf(layout.paste));
  UpdateFileButtons();
}

void TTableChartForm::AfterFullRefresh() { RefreshChart(); }

void TTableChartForm::CellSelectionStarting() { ScheduleChart(); }

void TTableChartForm::WindowClicked() { RefreshChart(); }

void TTableChartForm::ScheduleChart() {
  // Many cells change at once (an import, a unit switch): one redraw for all.
  if (chart_pending_ || !ShowsGraph()) return;
  chart_pending_ = true;
  QTimer::singleShot(0, this, [this] {
    chart_pending_ = false;
    RefreshChart();
  });
}

void TTableChartForm::RefreshChart() {
  fw::TGridTableChart* table = Chart();
  if (!table || !table->ShowChart()) return;
  if (table->DrawSegments()) {
    segments_->SetTable(table);
    return;
  }
  fw::ChartData data;
  try {
    data = fw::BuildChartData(*table, View().shown_columns);
  } catch (const std::exception& error) {
    // A plotted column that holds no numbers: say so instead of drawing something.
    series1_->clear();
    series2_->clear();
    chart_->setTitle(ToQt(error.what()));
    return;
  }
  chart_->setTitle(QString());
  series1_->replace(Points(data.series1));
  series1_->setName(ToQt(data.series1.title).trimmed());
  series2_->setVisible(data.series2.visible);
  series2_->replace(Points(data.series2));
  series2_->setName(ToQt(data.series2.title).trimmed());
  chart_->legend()->setVisible(data.legend_visible);
  if (!data.series2.visible) {
    for (QLegendMarker* marker : chart_->legend()->markers(series2_)) marker->setVisible(false);
  }

  double x_low = 0, x_high = 0, y_low = 0, y_high = 0;
  bool first = true;
  for (const fw::ChartSeries* series : {&data.series1, &data.series2}) {
    for (const fw::ChartPoint& p : series->points) {
      const double x = static_cast<double>(p.x), y = static_cast<double>(p.y);
      if (first) {
        x_low = x_high = x;
        y_low = y_high = y;
        first = false;
      }
      x_low = std::min(x_low, x);
      x_high = std::max(x_high, x);
      y_low = std::min(y_low, y);
      y_high = std::max(y_high, y);
    }
  }
  const QFontMetrics labels(axis_y_->labelsFont());
  const int label_width = labels.horizontalAdvance(QStringLiteral("-0,000.000")) + 8;
  SetAxis(*axis_x_, data.horizontal, x_low, x_high, kGraphSize.width() - 60, label_width);
  SetAxis(*axis_y_, data.vertical, y_low, y_high, kGraphSize.height() - 60, 3 * labels.height());
  chart_->layout()->invalidate();
}

// --- File controls ------------------------------------------------------------------

void TTableChartForm::UpdateFileButtons() {
  const bool exists = QFileInfo(file_name_->text()).isFile();
  view_edit_->setEnabled(exists);
  read_->setEnabled(exists);
}

void TTableChartForm::Browse() {
  const QString start = file_name_->text().isEmpty() ? QDir::currentPath() : file_name_->text();
  const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), start,
                                                      QString::fromLatin1(kFileFilters));
  if (!chosen.isEmpty()) file_name_->setText(chosen);
  UpdateFileButtons();
}

void TTableChartForm::ViewEditFile() {
  if (!QProcess::startDetached(TextEditorCommand(), {file_name_->text()})) ShowInformation(this, kEditorFailed);
}

void TTableChartForm::ReadValuesFromFile() {
  const QString name = file_name_->text();
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowWarning(this, "Cannot open file \"" + FromQt(name) + "\": " + FromQt(file.errorString()));
    return;
  }
  const QByteArray content = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    ShowWarning(this, "Cannot read file \"" + FromQt(name) + "\": " + FromQt(file.errorString()));
    return;
  }
  Import(fw::FileLines(std::string_view(content.constData(), static_cast<std::size_t>(content.size()))),
         QStringLiteral("the file \"%1\"").arg(name));
}

void TTableChartForm::PasteValuesFromClipboard() {
  const QString text = QGuiApplication::clipboard()->text();
  if (text.isEmpty()) {
    ShowInformation(this, fw::kNoClipboardText);
    return;
  }
  // Every line, the last one too when the copied rows do not end in a line break:
  // a row the user copied is never dropped without a word.
  Import(fw::FileLines(FromQt(text)), QStringLiteral("the text on the Clipboard"));
}

void TTableChartForm::Import(const std::vector<std::string>& lines, const QString& source) {
  fw::TGridTableChart* table = Chart();
  if (!table) return;
  const int columns = View().shown_columns;
  const bool shows_all_rows = View().shown_rows == table->RowCount();
  const TableValues before(*table);
  int filled = 0;
  int refused_line = 0;
  Model()->PauseRowsChanged();
  try {
    filled = fw::ImportRows(*table, lines, columns, &refused_line);
  } catch (const fw::EAssignError& error) {
    before.Restore(*table);
    Model()->ResumeRowsChanged();
    QString where = source;
    where[0] = where[0].toUpper();
    ShowInformation(this, FromQt(QStringLiteral("%1, line %2:\r%3\rThe table is unchanged.")
                                     .arg(where)
                                     .arg(refused_line)
                                     .arg(MessageText(error.what()))));
    return;
  } catch (...) {
    before.Restore(*table);
    Model()->ResumeRowsChanged();
    throw;
  }
  // Rows added by the import grow the window as Add Row does.
  if (shows_all_rows) SetShownRows(std::min(table->RowCount(), ShownRowCap()));
  Model()->ResumeRowsChanged();
  if (filled == 0) {
    QString text = QStringLiteral("No line of %1 holds %2 numbers separated by blanks, tabs or commas; "
                                  "the table is unchanged.")
                       .arg(source)
                       .arg(columns);
    ShowInformation(this, FromQt(text));
  } else {
    emit Model()->Edited();
  }
}

}  // namespace veldra::gui::tables

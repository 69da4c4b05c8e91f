#include "gui/graphs/plot_form.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "framework/graph_scene.h"
#include "gui/graphs/graph_dialogs.h"
#include "gui/graphs/graph_output.h"
#include "gui/graphs/plot_canvas.h"
#include "gui/graphs/plot_legend.h"
#include "gui/core/error_guard.h"

namespace veldra::gui {

namespace fw = veldra::framework;

namespace {

// The legend window's own font size, which the graph takes as it opens.
constexpr int kLegendBoxPoints = 11;
// Page margins as a window opens: 1000 thousandths of an inch on every side.
constexpr double kMarginInches = 1.0;

}  // namespace

TPlotForm::TPlotForm(fw::TGraphPlot& graph, QWidget* parent)
    : QWidget(parent),
      graph_(graph),
      menu_bar_(new QMenuBar(this)),
      plot_menu_(menu_bar_->addMenu(QStringLiteral("&Plot"))) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromStdString(graph.Caption));
  graph_.ActivateCurvesForWindow();
  graph_.LegendFont = kLegendBoxPoints;

  canvas_ = new TPlotCanvas(graph_, this);
  legend_ = new TPlotLegend(graph_, canvas_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(menu_bar_);
  layout->addWidget(canvas_);

  canvas_->onReadout = [this](const QString& text) { setWindowTitle(text); };
  // A window is laid out at several sizes before it shows (its own, then maximised);
  // the legend's first place is the corner of the size it is first drawn at.
  canvas_->onResized = [this] { legend_placed_ ? KeepLegendInside() : PlaceLegend(); };
  canvas_->onFirstPaint = [this] {
    PlaceLegend();
    legend_placed_ = true;
  };
  legend_->onToggle = [this](int curve) { ToggleCurve(curve); };

  BuildMenu();
  legend_->Rebuild();
  legend_->setVisible(graph_.CurveCount() > 0 && graph_.ShowLegend);
  resize(640, 480);
}

TPlotForm::~TPlotForm() = default;

QMenu* TPlotForm::ChoiceMenu(const QString& title, const std::vector<fw::MenuChoice>& choices, QActionGroup*& group,
                             void (TPlotForm::*set)(int)) {
  QMenu* menu = plot_menu_->addMenu(title);
  group = new QActionGroup(this);
  for (const fw::MenuChoice& choice : choices) {
    QAction* action = menu->addAction(QString::fromLatin1(choice.caption));
    action->setCheckable(true);
    action->setData(choice.value);
    group->addAction(action);
    const int value = choice.value;
    connect(action, &QAction::triggered, this,
            [this, set, value] { RunGuarded(this, "Plot menu", [&] { (this->*set)(value); }); });
  }
  fixed_items_.push_back(menu->menuAction());
  return menu;
}

void TPlotForm::BuildMenu() {
  const auto item = [this](const QString& caption, bool checkable, auto&& slot) {
    QAction* action = plot_menu_->addAction(caption);
    action->setCheckable(checkable);
    // The guard names the command by its caption without the access key.
    const std::string what = QString(caption).remove(QLatin1Char('&')).toStdString();
    connect(action, &QAction::triggered, this,
            [this, slot, what](bool on) { RunGuarded(this, what, [&] { slot(on); }); });
    fixed_items_.push_back(action);
    return action;
  };
  item(QStringLiteral("Show &Legend"), true, [this](bool on) { SetShowLegend(on); });
  item(QStringLiteral("Show &Soil Layer"), true, [this](bool on) { SetShowLayers(on); });
  item(QStringLiteral("Show &Wall Geometry"), true, [this](bool on) { SetShowWall(on); });
  ChoiceMenu(QStringLiteral("Show &Markers"), fw::kMarkerChoices, markers_, &TPlotForm::SetMarkers);
  font_menu_ = ChoiceMenu(QStringLiteral("&Font Size"), fw::kFontSizeChoices, font_sizes_, &TPlotForm::SetSizeFont);
  width_menu_ =
      ChoiceMenu(QStringLiteral("&Line Width"), fw::kLineWidthChoices, line_widths_, &TPlotForm::SetWidthLine);
  fixed_items_.push_back(plot_menu_->addSeparator());
  item(QStringLiteral("&Graph Title"), false, [this](bool) { GraphTitleClick(); });
  item(QStringLiteral("&Edit Legend"), false, [this](bool) { EditLegendClick(); });
  item(QStringLiteral("&Active Curves"), false, [this](bool) { ActiveCurvesClick(); });
  fixed_items_.push_back(plot_menu_->addSeparator());
  item(QStringLiteral("&Print..."), false, [this](bool) { PrintClick(); });
  item(QStringLiteral("P&age Setup"), false, [this](bool) { PageSetupClick(); });
  item(QStringLiteral("&Save To Disk..."), false, [this](bool) { SaveClick(); });
  fixed_items_.push_back(plot_menu_->addSeparator());
  connect(plot_menu_, &QMenu::aboutToShow, this, [this] { UpdateMenu(); });
  RebuildCurveItems();
  UpdateMenu();
}

QAction* TPlotForm::Action(const QString& caption) const {
  for (QAction* action : plot_menu_->actions()) {
    if (action->text() == caption) return action;
    if (QMenu* sub = action->menu())
      for (QAction* choice : sub->actions())
        if (choice->text() == caption) return choice;
  }
  return nullptr;
}

void TPlotForm::RebuildCurveItems() {
  for (QAction* action : curve_items_) {
    plot_menu_->removeAction(action);
    action->deleteLater();
  }
  curve_items_.clear();
  for (const fw::PlotMenuState::CurveItem& curve : fw::PlotMenuRules(graph_, true).curves) {
    // Curve names are the user's text: a "&" in one is shown, not taken as a mnemonic.
    QString caption = QString::fromStdString(curve.caption);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* action = plot_menu_->addAction(caption);
    action->setCheckable(true);
    const int index = curve.index;
    connect(action, &QAction::triggered, this,
            [this, index] { RunGuarded(this, "Show curve", [&] { ToggleCurve(index); }); });
    curve_items_.push_back(action);
  }
}

void TPlotForm::UpdateMenu() {
  // Printing goes to a PDF file where no printer is installed, so it is always there.
  const fw::PlotMenuState state = fw::PlotMenuRules(graph_, true);
  QAction* legend = Action(QStringLiteral("Show &Legend"));
  legend->setVisible(state.legend_offered);
  legend->setChecked(state.legend_checked);
  QAction* layers = Action(QStringLiteral("Show &Soil Layer"));
  layers->setVisible(state.layers_offered);
  layers->setChecked(state.layers_checked);
  QAction* wall = Action(QStringLiteral("Show &Wall Geometry"));
  wall->setVisible(state.wall_offered);
  wall->setEnabled(state.wall_enabled);
  wall->setChecked(state.wall_checked);
  font_menu_->menuAction()->setVisible(state.font_width_offered);
  width_menu_->menuAction()->setVisible(state.font_width_offered);
  const auto tick = [](QActionGroup* group, int value) {
    for (QAction* action : group->actions()) action->setChecked(action->data().toInt() == value);
  };
  tick(markers_, state.markers);
  tick(font_sizes_, state.size_font);
  tick(line_widths_, state.width_line);
  Action(QStringLiteral("&Print..."))->setEnabled(state.print_enabled);
  Action(QStringLiteral("P&age Setup"))->setEnabled(state.print_enabled);
  for (std::size_t i = 0; i < curve_items_.size() && i < state.curves.size(); ++i)
    curve_items_[i]->setChecked(state.curves[i].checked);
}

fw::LegendAnchor TPlotForm::LegendPosition() const {
  return fw::AnchorOf(canvas_->Layout().plot, {legend_->x(), legend_->y()}, legend_->width(), legend_->height());
}

void TPlotForm::PlaceLegend() {
  const fw::PixelPoint home = fw::LegendHome(canvas_->Layout(), legend_->width(), legend_->height());
  legend_->move(home.x, home.y);
  KeepLegendInside();
}

void TPlotForm::KeepLegendInside() {
  const fw::PixelPoint kept = fw::KeepInside({legend_->x(), legend_->y()}, legend_->width(), legend_->height(),
                                             canvas_->width(), canvas_->height());
  legend_->move(kept.x, kept.y);
}

// A font or option change lays the graph out again and puts the legend back at the
// plot area's corner.
void TPlotForm::AfterLayoutChange() {
  legend_->Rebuild();
  canvas_->Redraw();
  PlaceLegend();
  UpdateMenu();
}

void TPlotForm::SetShowLegend(bool on) {
  graph_.ShowLegend = on;
  legend_->setVisible(on && graph_.CurveCount() > 0);
  UpdateMenu();
}

void TPlotForm::SetShowLayers(bool on) {
  graph_.ShowLayers = on;
  AfterLayoutChange();
}

void TPlotForm::SetShowWall(bool on) {
  graph_.ShowWall = on;
  AfterLayoutChange();
}

void TPlotForm::SetMarkers(int every) {
  graph_.Markers = every;
  canvas_->Redraw();
  UpdateMenu();
}

void TPlotForm::SetSizeFont(int tenths) {
  graph_.SizeFont = tenths;
  AfterLayoutChange();
}

void TPlotForm::SetWidthLine(int factor) {
  graph_.WidthLine = factor;
  canvas_->Redraw();
  UpdateMenu();
}

void TPlotForm::ToggleCurve(int index) {
  fw::TLine& curve = graph_.CurveAt(fw::CurveList::kMain, index);
  curve.Shown = !curve.Shown;
  legend_->Rebuild();
  canvas_->Redraw();
  UpdateMenu();
}

void TPlotForm::ApplyActiveCurves(const std::vector<bool>& active) {
  for (int c = 0; c < graph_.CurveCount() && c < static_cast<int>(active.size()); ++c)
    graph_.CurveAt(fw::CurveList::kMain, c).Active = active[static_cast<std::size_t>(c)];
  RebuildCurveItems();
  legend_->Rebuild();
  KeepLegendInside();
  canvas_->Redraw();
  UpdateMenu();
}

void TPlotForm::ApplyCurveNames(const std::vector<std::string>& names) {
  for (int c = 0; c < graph_.CurveCount() && c < static_cast<int>(names.size()); ++c)
    graph_.CurveAt(fw::CurveList::kMain, c).Name = names[static_cast<std::size_t>(c)];
  RebuildCurveItems();
  legend_->Rebuild();
  KeepLegendInside();
  canvas_->Redraw();
  UpdateMenu();
}

void TPlotForm::ApplyTitle(const std::string& title, bool at_top) {
  graph_.Title = title;
  graph_.TitleAtTop = at_top;
  AfterLayoutChange();
}

QString TPlotForm::SavePicture(const QString& file, double width_inches, double height_inches, int pixels_per_inch) {
  return SaveGraphPicture(graph_, canvas_->Shown(), file, {width_inches, height_inches, pixels_per_inch},
                          LegendPosition());
}

QString TPlotForm::PrintTo(QPrinter& printer) {
  printer.setDocName(QString::fromStdString(graph_.Caption));
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
      return QStringLiteral("Cannot write file \"%1\"").arg(printer.outputFileName());
    return QStringLiteral("Error in %1\nThe printer could not be started.").arg(printer.printerName());
  }
  PrintGraphPage(painter, printer, graph_, canvas_->Shown(), LegendPosition());
  if (!painter.end()) return QStringLiteral("Error in %1\nThe page could not be finished.").arg(printer.printerName());
  return {};
}

QPrinter& TPlotForm::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageMargins(QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                             QPageLayout::Inch);
  }
  return *printer_;
}

void TPlotForm::PrintClick() {
  QPrinter& printer = Printer();
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const QString message = PrintTo(printer);
  if (!message.isEmpty()) ShowWarning(this, message.toStdString());
}

void TPlotForm::PageSetupClick() {
  QPrinter& printer = Printer();
  if (!printer.isValid()) {
    ShowWarning(this, "Error getting Printer");
    return;
  }
  QPageSetupDialog dialog(&printer, this);
  dialog.exec();
}

void TPlotForm::SaveClick() {
  QFileDialog files(this, QStringLiteral("Save Graph As"));
  files.setAcceptMode(QFileDialog::AcceptSave);
  files.setNameFilters({QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("PNG image (*.png)")});
  files.setDefaultSuffix(QStringLiteral("bmp"));
  if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) return;
  const QString file = files.selectedFiles().front();
  TdlgFormat format(this);
  if (format.exec() != QDialog::Accepted) return;
  const QString message = SavePicture(file, format.WidthInches(), format.HeightInches(), format.PixelsPerInch());
  if (!message.isEmpty()) ShowWarning(this, message.toStdString());
}

void TPlotForm::GraphTitleClick() {
  TfrmGraphCaption dialog(graph_.Title, graph_.TitleAtTop, this);
  dialog.exec();
  ApplyTitle(dialog.Title(), dialog.AtTop());
}

void TPlotForm::EditLegendClick() {
  TfrmLineNames dialog(graph_, this);
  if (dialog.exec() == QDialog::Accepted) ApplyCurveNames(dialog.Names());
}

void TPlotForm::ActiveCurvesClick() {
  TfrmActiveLines dialog(graph_, this);
  if (dialog.exec() == QDialog::Accepted) ApplyActiveCurves(dialog.Marks());
}

}  // namespace veldra::gui

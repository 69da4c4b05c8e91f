// TPlotForm: the window of a result graph. It draws the graph on its canvas, keeps
// the movable legend and the Plot menu, and prints, saves and renames through its
// dialogs. The graph keeps every appearance setting; the window keeps only its
// zoom, the legend's place and the printer's page setup, for as long as it is open.
#ifndef VELDRA_GUI_GRAPHS_PLOT_FORM_H
#define VELDRA_GUI_GRAPHS_PLOT_FORM_H

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "framework/graph_layout.h"
#include "framework/graph_menu.h"
#include "framework/graph_plot.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QPrinter;

namespace veldra::gui {

class TPlotCanvas;
class TPlotLegend;

class TPlotForm : public QWidget {
  Q_OBJECT

 public:
  // Opens the window: the full ranges, at most 20 active curves, their legend
  // entries and menu items, page margins of an inch.
  explicit TPlotForm(framework::TGraphPlot& graph, QWidget* parent = nullptr);
  ~TPlotForm() override;

  framework::TGraphPlot& Graph() const { return graph_; }
  TPlotCanvas* Canvas() const { return canvas_; }
  TPlotLegend* Legend() const { return legend_; }
  QMenu* PlotMenu() const { return plot_menu_; }
  // The menu's items by their caption ("Show &Legend", "Every &2 Increments", ...);
  // the per-curve items by the curve's legend text. Null when there is none.
  QAction* Action(const QString& caption) const;
  // Where the legend is, for a page or a picture.
  framework::LegendAnchor LegendPosition() const;

  // What the menu items do.
  void SetShowLegend(bool on);
  void SetShowLayers(bool on);
  void SetShowWall(bool on);
  void SetMarkers(int every);
  void SetSizeFont(int tenths);
  void SetWidthLine(int factor);
  void ToggleCurve(int index);
  // What the dialogs hand back on OK.
  void ApplyActiveCurves(const std::vector<bool>& active);
  void ApplyCurveNames(const std::vector<std::string>& names);
  void ApplyTitle(const std::string& title, bool at_top);
  // Writes the picture; the message to show, empty on success.
  QString SavePicture(const QString& file, double width_inches, double height_inches, int pixels_per_inch);
  // Prints on a printer set up already; the message to show, empty on success.
  QString PrintTo(QPrinter& printer);

  // Sets the enabled, visible and ticked state of every Plot-menu item from the
  // graph; runs each time the menu opens.
  void UpdateMenu();

 private:
  void BuildMenu();
  QMenu* ChoiceMenu(const QString& title, const std::vector<framework::MenuChoice>& choices, QActionGroup*& group,
                    void (TPlotForm::*set)(int));
  void RebuildCurveItems();
  void PlaceLegend();
  void KeepLegendInside();
  void AfterLayoutChange();
  void PrintClick();
  void PageSetupClick();
  void SaveClick();
  void GraphTitleClick();
  void EditLegendClick();
  void ActiveCurvesClick();
  QPrinter& Printer();

  framework::TGraphPlot& graph_;
  QMenuBar* menu_bar_;
  QMenu* plot_menu_;
  TPlotCanvas* canvas_;
  TPlotLegend* legend_;
  std::vector<QAction*> fixed_items_;
  std::vector<QAction*> curve_items_;
  QActionGroup* markers_ = nullptr;
  QActionGroup* font_sizes_ = nullptr;
  QActionGroup* line_widths_ = nullptr;
  QMenu* font_menu_ = nullptr;
  QMenu* width_menu_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  bool legend_placed_ = false;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_PLOT_FORM_H

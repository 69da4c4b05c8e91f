// TGraphPlot: a result graph without its window. It holds the graph's curves in
// four lists and its appearance settings; the plot-data reader fills the curves and
// a graph window draws them.
//
// A graph owns its curves (TLine) and each curve knows its graph, so a graph is
// neither copied nor moved. Curves keep their addresses while the list grows or
// shrinks at its end, so a window may hold pointers to them between changes.
#ifndef VELDRA_FRAMEWORK_GRAPH_PLOT_H
#define VELDRA_FRAMEWORK_GRAPH_PLOT_H

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/entry_number.h"

namespace veldra::framework {

class TGraphPlot;

struct TFloatPoint {
  EntryNumber x = 0;
  EntryNumber y = 0;
  bool operator==(const TFloatPoint&) const = default;
};

// One curve of a graph.
class TLine {
 public:
  TLine(TGraphPlot& owner, EntryNumber value) : Value(value), owner_(&owner) {}
  TLine(const TLine&) = delete;
  TLine& operator=(const TLine&) = delete;

  std::vector<TFloatPoint> Points;
  EntryNumber Value;   // a new curve gets its position in its list plus 1
  std::string Name;    // empty: the curve is listed by its value
  bool Shown = true;   // drawn
  bool Active = true;  // takes part in the window at all (legend, menu, colours)

  TGraphPlot& Owner() const { return *owner_; }
  // Name when set; otherwise the graph's CurveName followed by Value in shortest
  // general format ("Load #" and 1 give "Load #1", "Depth " and 12.5 "Depth 12.5").
  std::string DisplayName() const;

 private:
  TGraphPlot* owner_;
};

// The four curve lists of a graph.
enum class CurveList {
  kMain,    // the single panel, or the first of three
  kLayers,  // the soil-layer column: one point per line (x soil code, y bottom depth)
  kPanel2,  // second panel of the three-panel layout
  kPanel3,  // third panel
};

// Curves beyond this many are made inactive when a window opens.
inline constexpr int kMaxActiveCurves = 20;

class TGraphPlot {
 public:
  TGraphPlot() = default;
  TGraphPlot(const TGraphPlot&) = delete;
  TGraphPlot& operator=(const TGraphPlot&) = delete;

  // --- Published settings, with the defaults of a new graph ----------------------
  std::string CurveName = "Curve #";  // prefix of unnamed curves' names
  std::string Caption;                // window title, printout title
  bool ShowLegend = true;
  bool ShowLayers = false;            // soil-layer column
  bool ShowWall = false;              // wall geometry in the soil-layer column
  bool ShowThree = false;             // three panels side by side
  bool ShowFontWidth = true;          // the Font Size and Line Width menus are offered
  int WallLineCount = 0;              // layer lines before the two wall lines (0: none)
  int Markers = 1;                    // a marker every this many points; 0 none
  int SizeFont = 10;                  // text size factor in tenths
  int LegendFont = 11;                // legend font size in points
  int WidthLine = 1;                  // curve line-width factor
  // Axis captions and units strings: the single panel or panel 1, then panels 2, 3.
  std::string XCaption, XUnits, YCaption, YUnits;
  std::string XCaption2, XUnits2, YCaption2, YUnits2;
  std::string XCaption3, XUnits3, YCaption3, YUnits3;
  // x labelled along the top and y increasing downwards (depth plots); otherwise x
  // along the bottom and y upwards.
  bool XOnTop = true;
  // May replace a curve's legend text (curve index in the main list, text).
  std::function<void(int index, std::string& text)> onGetCaption;

  // Unit-system code of the axis unit labels; codes outside 1..3 are brought into it.
  int Units() const { return units_; }
  void SetUnits(int code);

  // --- Set by the window's dialogs -------------------------------------------------
  std::string Title;             // graph title; empty: none
  bool TitleAtTop = true;        // otherwise at the bottom
  EntryNumber LayerStartDepth = 0;  // depth at which the soil-layer column starts

  // --- Curve lists -------------------------------------------------------------------
  int CurveCount(CurveList list = CurveList::kMain) const;
  // Curves are added at the end (value = position + 1, no points) or removed from
  // the end. A negative count means 0.
  void SetCurveCount(CurveList list, int count);
  // Points of the list's first curve; 0 when the list has no curve.
  int PointCount(CurveList list = CurveList::kMain) const;
  // Sets the point count of every curve of the list: (0, 0) points are added at
  // the end or points removed from the end. A negative count means 0.
  void SetPointCount(CurveList list, int count);
  // EListError outside the list.
  TLine& CurveAt(CurveList list, int index);
  const TLine& CurveAt(CurveList list, int index) const;
  TFloatPoint& PointAt(CurveList list, int curve, int index);
  const TFloatPoint& PointAt(CurveList list, int curve, int index) const;

  // The curve list of panel 1, 2 or 3 (panel 1 is the main list).
  static CurveList PanelList(int panel);
  // Axis captions with their unit labels in Units(): "Deflection (in)". Panels 1..3.
  std::string XAxisText(int panel = 1) const;
  std::string YAxisText(int panel = 1) const;

  // The legend text of curve `index` of the main list: its display name, or what
  // onGetCaption makes of it.
  std::string LegendText(int index) const;
  // As a window opens: every main curve becomes active, except curves beyond
  // kMaxActiveCurves.
  void ActivateCurvesForWindow();

 private:
  using Curves = std::vector<std::unique_ptr<TLine>>;
  Curves& ListOf(CurveList list) { return lists_[static_cast<std::size_t>(list)]; }
  const Curves& ListOf(CurveList list) const { return lists_[static_cast<std::size_t>(list)]; }

  int units_ = 1;
  std::array<Curves, 4> lists_;
};

// An axis caption: the caption, then " (", the label of `units` in `system` and ")"
// when units is not empty. Labels as in entry fields: in system 3 the units string
// itself.
std::string AxisCaption(const std::string& caption, const std::string& units, int system);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_GRAPH_PLOT_H

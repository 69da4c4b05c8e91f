#include "framework/graph_plot.h"

#include <algorithm>

#include "framework/decimal_text.h"
#include "framework/exceptions.h"
#include "framework/units.h"

namespace veldra::framework {

namespace {

// Enough digits for every value read from a file or typed, few enough that a value
// computed in extended precision does not show its last-digit noise.
constexpr int kCurveValueDigits = 15;

}  // namespace

std::string TLine::DisplayName() const {
  if (!Name.empty()) return Name;
  return owner_->CurveName + FormatGeneral(Value, kCurveValueDigits);
}

void TGraphPlot::SetUnits(int code) { units_ = ClampUnitSystem(code); }

int TGraphPlot::CurveCount(CurveList list) const { return static_cast<int>(ListOf(list).size()); }

void TGraphPlot::SetCurveCount(CurveList list, int count) {
  Curves& curves = ListOf(list);
  const std::size_t n = static_cast<std::size_t>(std::max(count, 0));
  if (curves.size() > n) curves.resize(n);
  while (curves.size() < n) curves.push_back(std::make_unique<TLine>(*this, static_cast<EntryNumber>(curves.size() + 1)));
}

int TGraphPlot::PointCount(CurveList list) const {
  const Curves& curves = ListOf(list);
  return curves.empty() ? 0 : static_cast<int>(curves.front()->Points.size());
}

void TGraphPlot::SetPointCount(CurveList list, int count) {
  for (const auto& curve : ListOf(list)) curve->Points.resize(static_cast<std::size_t>(std::max(count, 0)));
}

TLine& TGraphPlot::CurveAt(CurveList list, int index) {
  return const_cast<TLine&>(static_cast<const TGraphPlot&>(*this).CurveAt(list, index));
}

const TLine& TGraphPlot::CurveAt(CurveList list, int index) const {
  const Curves& curves = ListOf(list);
  if (index < 0 || static_cast<std::size_t>(index) >= curves.size()) throw EListError();
  return *curves[static_cast<std::size_t>(index)];
}

TFloatPoint& TGraphPlot::PointAt(CurveList list, int curve, int index) {
  return const_cast<TFloatPoint&>(static_cast<const TGraphPlot&>(*this).PointAt(list, curve, index));
}

const TFloatPoint& TGraphPlot::PointAt(CurveList list, int curve, int index) const {
  const std::vector<TFloatPoint>& points = CurveAt(list, curve).Points;
  if (index < 0 || static_cast<std::size_t>(index) >= points.size()) throw EListError();
  return points[static_cast<std::size_t>(index)];
}

CurveList TGraphPlot::PanelList(int panel) {
  switch (panel) {
    case 2: return CurveList::kPanel2;
    case 3: return CurveList::kPanel3;
    default: return CurveList::kMain;
  }
}

std::string TGraphPlot::XAxisText(int panel) const {
  switch (panel) {
    case 2: return AxisCaption(XCaption2, XUnits2, units_);
    case 3: return AxisCaption(XCaption3, XUnits3, units_);
    default: return AxisCaption(XCaption, XUnits, units_);
  }
}

std::string TGraphPlot::YAxisText(int panel) const {
  switch (panel) {
    case 2: return AxisCaption(YCaption2, YUnits2, units_);
    case 3: return AxisCaption(YCaption3, YUnits3, units_);
    default: return AxisCaption(YCaption, YUnits, units_);
  }
}

std::string TGraphPlot::LegendText(int index) const {
  std::string text = CurveAt(CurveList::kMain, index).DisplayName();
  if (onGetCaption) onGetCaption(index, text);
  return text;
}

void TGraphPlot::ActivateCurvesForWindow() {
  const Curves& curves = ListOf(CurveList::kMain);
  for (std::size_t i = 0; i < curves.size(); ++i) curves[i]->Active = i < static_cast<std::size_t>(kMaxActiveCurves);
}

std::string AxisCaption(const std::string& caption, const std::string& units, int system) {
  if (units.empty()) return caption;
  return caption + " (" + DataEditUnitsLabel(units, system) + ")";
}

}  // namespace veldra::framework

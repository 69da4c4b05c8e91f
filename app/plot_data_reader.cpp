#include "app/plot_data_reader.h"

#include <algorithm>
#include <array>

#include "app/main_model.h"
#include "app/main_tables.h"
#include "app/word_reader.h"
#include "framework/file_errors.h"
#include "framework/units.h"

namespace veldra::app {

namespace fw = veldra::framework;
using fw::CurveList;
using fw::EntryNumber;
using fw::TGraphPlot;

namespace {

constexpr EntryNumber kInchesPerFoot = 12;
constexpr EntryNumber kUnitsPerKilo = 1000;  // inch-pounds to inch-kips, pounds to kips
// The fewest numbers a further result set takes: the pressure count, the units
// code, the curve count, the result-set count, the station count and the ignored
// units code.
constexpr long long kWordsPerResultSet = 6;
// The fewest numbers a p-y curve takes: its depth and its point count.
constexpr long long kWordsPerCurve = 2;

const char* const kCombinedNames[] = {"Total Earth Pressure", "from Soils ", "from Surcharge Loads"};
const char* const kWallLineName = "PILE";

struct LayerLook {
  int code;
  const char* name;
};

// The fill code and name of a soil type's layer in the soil-layer column; other
// types get code 0 and a numbered name.
LayerLook LayerLookOf(int soil_type) {
  switch (soil_type) {
    case 1:
    case 2:
    case 3: return {1, " CLAY "};
    case 4: return {7, " SAND "};
    case 5: return {8, " SILT "};
    case 6: return {9, "STRONG ROCK"};
    case 7: return {10, "WEAK ROCK"};
    default: return {0, nullptr};
  }
}

struct AxisTexts {
  const char* depth;
  const char* moment;
  const char* shear;
};

AxisTexts AxisTextsOf(int units) {
  if (units == fw::kEnglishUnits) return {"Depth (ft)", "Bending Moment (in-kips)", "Shear (kips)"};
  // The user's own units are F and L: labelling them metres and kilonewtons would
  // misstate every axis.
  if (units == fw::kOtherUnits) return {"Depth (L)", "Bending Moment (F-L)", "Shear (F)"};
  return {"Depth (m)", "Bending Moment (m-kN)", "Shear (kN)"};
}

// Pads every curve of a list to the longest with copies of its own last point.
// A curve without points has nothing to copy and stays empty.
void PadToLongest(TGraphPlot& graph, CurveList list) {
  std::size_t longest = 0;
  for (int c = 0; c < graph.CurveCount(list); ++c) longest = std::max(longest, graph.CurveAt(list, c).Points.size());
  for (int c = 0; c < graph.CurveCount(list); ++c) {
    auto& points = graph.CurveAt(list, c).Points;
    if (!points.empty()) points.resize(longest, points.back());
  }
}

// Fresh curves: names, values and flags as new, no points.
void ReplaceCurves(TGraphPlot& graph, CurveList list, int count) {
  graph.SetCurveCount(list, 0);
  graph.SetCurveCount(list, count);
}

std::string Joined(const std::vector<std::string>& words, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += words[i] + "\n";
  return text;
}

// True when `rest`, the words after a complete result set, is what the engine writes
// after an input error in the next problem: that problem's pressure block and p-y
// block as far as they were written, then a repeat of the last results block
// (`results`, word for word).
bool IsRepeatAfterError(const std::vector<std::string>& rest, const std::vector<std::string>& results) {
  if (results.empty() || rest.size() < results.size()) return false;
  const std::size_t prefix = rest.size() - results.size();
  if (!std::equal(results.begin(), results.end(), rest.begin() + static_cast<std::ptrdiff_t>(prefix))) return false;
  if (prefix == 0) return true;
  try {
    TWordReader in = TWordReader::FromText(Joined(rest, prefix));
    const int points = in.ReadInteger();
    for (long long i = 0; i < 4LL * std::max(points, 0); ++i) in.ReadFortranFloat();
    if (in.WordsLeft() == 0) return true;
    in.ReadInteger();  // the units code
    const int curves = in.ReadInteger();
    for (int c = 0; c < curves; ++c) {
      in.ReadFortranFloat();
      const int curve_points = in.ReadInteger();
      for (long long i = 0; i < 2LL * std::max(curve_points, 0); ++i) in.ReadFortranFloat();
    }
    return in.WordsLeft() == 0;
  } catch (const fw::EInOutError&) {
    return false;
  }
}

class PlotDataReader {
 public:
  PlotDataReader(fw::TMainGraphs& graphs, TWordReader& in, const PlotDataContext& context)
      : g_(graphs), in_(in), context_(context) {}

  // Reads the file; returns the number of result sets shown.
  int Read() {
    ReplaceCurves(g_.pltLD, CurveList::kMain, 1);
    ReplaceCurves(g_.PltCombine, CurveList::kMain, 3);
    for (int c = 0; c < 3; ++c) g_.PltCombine.CurveAt(CurveList::kMain, c).Name = kCombinedNames[c];
    const int units = ReadPressure(0, /*combined=*/true);
    ReadPYCurves();

    std::vector<std::string> rest = in_.RemainingWords();
    const int result_sets = in_.ReadInteger();
    announced_ = result_sets;
    EnsureRoom(result_sets - 1, kWordsPerResultSet);
    const int curves = std::max(result_sets, 1);
    for (TGraphPlot* graph : ResultGraphs()) ReplaceCurves(*graph, CurveList::kMain, curves);
    const int stations = Count();
    in_.ReadInteger();  // the units code again
    for (CurveList list : kPanelLists) ReplaceCurves(g_.pltDMS, list, curves);
    g_.pltDMS.ShowThree = true;
    ReadResults(0, stations, units);
    std::vector<std::string> results = WordsReadFrom(std::move(rest));
    SetSoilColumn(units);

    for (int k = 2; k <= result_sets; ++k) {
      rest = in_.RemainingWords();
      if (IsRepeatAfterError(rest, results)) {
        // Problem k stopped on an input error: nothing of it is shown.
        KeepResultSets(k - 1);
        Complete(units);
        return k - 1;
      }
      if (g_.pltLD.CurveCount() < k) g_.pltLD.SetCurveCount(CurveList::kMain, k);
      const int set_units = ReadPressure(k - 1, /*combined=*/false);
      ReadPYCurves();
      const std::size_t results_start = rest.size() - in_.WordsLeft();
      const int count = in_.ReadInteger();
      EnsureRoom(count - k, kWordsPerResultSet);
      if (count > g_.pltDef.CurveCount()) {
        for (TGraphPlot* graph : ResultGraphs()) graph->SetCurveCount(CurveList::kMain, count);
        for (CurveList list : kPanelLists) g_.pltDMS.SetCurveCount(list, count);
      }
      const int set_stations = Count();
      in_.ReadInteger();  // the units code again
      ReadResults(k - 1, set_stations, set_units);
      rest.erase(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(results_start));
      results = WordsReadFrom(std::move(rest));
      NameResultSets(k);
    }

    Complete(units);
    return std::max(result_sets, 1);
  }

  int Announced() const { return announced_; }

 private:
  static constexpr CurveList kPanelLists[] = {CurveList::kMain, CurveList::kPanel2, CurveList::kPanel3};

  std::array<TGraphPlot*, 4> ResultGraphs() { return {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil}; }

  // The words taken since `words` were the words left.
  std::vector<std::string> WordsReadFrom(std::vector<std::string> words) const {
    words.resize(words.size() - in_.WordsLeft());
    return words;
  }

  // Only the first `sets` result sets stay, named as in a run of that many.
  void KeepResultSets(int sets) {
    for (TGraphPlot* graph : ResultGraphs()) graph->SetCurveCount(CurveList::kMain, sets);
    for (CurveList list : kPanelLists) g_.pltDMS.SetCurveCount(list, sets);
    if (g_.pltLD.CurveCount() > sets) g_.pltLD.SetCurveCount(CurveList::kMain, sets);
    NameResultSets(sets);
  }

  // A count; a negative one means none.
  int Count() { return std::max(in_.ReadInteger(), 0); }

  // A count of items, each needing at least `words_each` more numbers, that the
  // rest of the file cannot hold: the numbers would end early. Found before the
  // curves are made, so that a damaged count cannot exhaust memory.
  void EnsureRoom(long long items, long long words_each) const {
    if (items > 0 && items * words_each > static_cast<long long>(in_.WordsLeft()))
      throw fw::EInOutError(kInvalidOrIncomplete);
  }

  // A pressure block into curve `curve` of the earth-pressure graph (and of the
  // combined graph for the first problem), then the units code; English depths
  // become feet. Returns the units code.
  int ReadPressure(int curve, bool combined) {
    const int points = Count();
    auto& total = g_.pltLD.CurveAt(CurveList::kMain, curve).Points;
    for (int i = 0; i < points; ++i) {
      const EntryNumber depth = in_.ReadFortranFloat();
      const EntryNumber pressure = in_.ReadFortranFloat();
      const EntryNumber from_soils = in_.ReadFortranFloat();
      const EntryNumber from_surcharge = in_.ReadFortranFloat();
      total.push_back({pressure, depth});
      if (combined) {
        Combined(0).push_back({pressure, depth});
        Combined(1).push_back({from_soils, depth});
        Combined(2).push_back({from_surcharge, depth});
      }
    }
    const int units = in_.ReadInteger();
    if (units == fw::kEnglishUnits) {
      ToFeet(total);
      if (combined)
        for (int c = 0; c < 3; ++c) ToFeet(Combined(c));
    }
    return units;
  }

  std::vector<fw::TFloatPoint>& Combined(int curve) { return g_.PltCombine.CurveAt(CurveList::kMain, curve).Points; }

  static void ToFeet(std::vector<fw::TFloatPoint>& points) {
    for (fw::TFloatPoint& p : points) p.y /= kInchesPerFoot;
  }

  // The p-y curves of one problem, replacing those of the problem before. Each curve
  // is listed by its depth (or station, where the engine writes that).
  void ReadPYCurves() {
    const int curves = Count();
    EnsureRoom(curves, kWordsPerCurve);
    ReplaceCurves(g_.pltPY, CurveList::kMain, curves);
    for (int c = 0; c < curves; ++c) {
      fw::TLine& line = g_.pltPY.CurveAt(CurveList::kMain, c);
      line.Value = in_.ReadFortranFloat();
      const int points = Count();
      for (int i = 0; i < points; ++i) {
        const EntryNumber y = in_.ReadFortranFloat();
        const EntryNumber p = in_.ReadFortranFloat();
        line.Points.push_back({y, p});
      }
    }
    PadToLongest(g_.pltPY, CurveList::kMain);
  }

  // Result set `curve`: depth, deflection, moment, shear and net reaction per
  // station. English: depth in feet, moment in inch-kips, shear in kips.
  void ReadResults(int curve, int stations, int units) {
    const bool english = units == fw::kEnglishUnits;
    auto at = [&](TGraphPlot& graph, CurveList list) -> auto& { return graph.CurveAt(list, curve).Points; };
    auto& deflection = at(g_.pltDef, CurveList::kMain);
    auto& moment = at(g_.pltMom, CurveList::kMain);
    auto& shear = at(g_.pltShear, CurveList::kMain);
    auto& reaction = at(g_.pltSoil, CurveList::kMain);
    auto& panel1 = at(g_.pltDMS, CurveList::kMain);
    auto& panel2 = at(g_.pltDMS, CurveList::kPanel2);
    auto& panel3 = at(g_.pltDMS, CurveList::kPanel3);
    for (int i = 0; i < stations; ++i) {
      EntryNumber depth = in_.ReadFortranFloat();
      const EntryNumber y = in_.ReadFortranFloat();
      EntryNumber m = in_.ReadFortranFloat();
      EntryNumber v = in_.ReadFortranFloat();
      const EntryNumber p = in_.ReadFortranFloat();
      if (english) {
        depth /= kInchesPerFoot;
        m /= kUnitsPerKilo;
        v /= kUnitsPerKilo;
      }
      deflection.push_back({y, depth});
      moment.push_back({m, depth});
      shear.push_back({v, depth});
      reaction.push_back({p, depth});
      panel1.push_back({y, depth});
      panel2.push_back({m, depth});
      panel3.push_back({v, depth});
    }
  }

  // The soil-layer column of the three-panel graph: one line per soil layer (x its
  // fill code, y its bottom), then the wall's tip and the excavation level.
  void SetSoilColumn(int units) {
    TGraphPlot& dms = g_.pltDMS;
    if (dms.CurveCount() == 0 || dms.PointCount() == 0) {
      dms.SetCurveCount(CurveList::kLayers, 0);
      dms.WallLineCount = 0;
      return;
    }
    const int layers = static_cast<int>(context_.layers.size());
    ReplaceCurves(dms, CurveList::kLayers, layers + 2);
    for (int i = 0; i < layers; ++i) {
      const PlotDataContext::SoilLayer& row = context_.layers[static_cast<std::size_t>(i)];
      const LayerLook look = LayerLookOf(row.type);
      fw::TLine& line = dms.CurveAt(CurveList::kLayers, i);
      line.Name = look.name ? look.name : "LAYER " + std::to_string(i + 1);
      line.Points = {{static_cast<EntryNumber>(look.code), row.bottom}};
    }
    dms.WallLineCount = layers;
    const EntryNumber scale = units == fw::kEnglishUnits ? kInchesPerFoot : 1;
    const EntryNumber depths[] = {context_.wall_length / scale, context_.free_height / scale};
    for (int w = 0; w < 2; ++w) {
      fw::TLine& line = dms.CurveAt(CurveList::kLayers, layers + w);
      line.Name = kWallLineName;
      line.Points = {{0, depths[w]}};
    }
  }

  // After result set k of a run of several: the sets are stages, or the short- and
  // long-term problems.
  void NameResultSets(int k) {
    if (announced_ < 2) return;
    const bool terms = context_.long_term && announced_ == 2;
    const std::string first = terms ? kShortTermName : std::string(kStageNamePrefix) + "1";
    const std::string latest = terms ? kLongTermName : kStageNamePrefix + std::to_string(k);
    for (TGraphPlot* graph : {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil, &g_.pltDMS}) {
      graph->CurveAt(CurveList::kMain, 0).Name = first;
      if (k >= 2) graph->CurveAt(CurveList::kMain, k - 1).Name = latest;
    }
  }

  void Complete(int units) {
    PadToLongest(g_.pltLD, CurveList::kMain);
    for (TGraphPlot* graph : ResultGraphs()) PadToLongest(*graph, CurveList::kMain);
    for (CurveList list : kPanelLists) PadToLongest(g_.pltDMS, list);

    const AxisTexts texts = AxisTextsOf(units);
    for (TGraphPlot* graph : {&g_.pltDef, &g_.pltShear, &g_.pltSoil, &g_.pltMom, &g_.pltLD})
      graph->YCaption = texts.depth;
    g_.pltMom.XCaption = texts.moment;
    g_.pltShear.XCaption = texts.shear;

    TGraphPlot& dms = g_.pltDMS;
    dms.XCaption = g_.pltDef.XCaption;
    dms.YCaption = g_.pltDef.YCaption;
    dms.XUnits = g_.pltDef.XUnits;
    dms.XCaption2 = g_.pltMom.XCaption;
    dms.YCaption2 = g_.pltMom.YCaption;
    dms.XUnits2 = g_.pltMom.XUnits;
    dms.XCaption3 = g_.pltShear.XCaption;
    dms.YCaption3 = g_.pltShear.YCaption;
    dms.XUnits3 = g_.pltShear.XUnits;

    for (const auto& entry : g_.All()) entry.graph->SetUnits(units);
  }

  fw::TMainGraphs& g_;
  TWordReader& in_;
  const PlotDataContext& context_;
  int announced_ = 0;  // K, the result sets the run announced
};

}  // namespace

PlotDataContext PlotDataContextOf(const TMainModel& model) {
  PlotDataContext context;
  const fw::TGridTable& soil = model.Table(SoilLayers::kName);
  for (int r = 0; r < soil.RowCount(); ++r)
    context.layers.push_back(
        {soil.Cell(SoilLayers::kSoilType, r).AsInteger(), soil.Cell(SoilLayers::kBottom, r).AsFloat()});
  const TProgramData& problem = model.Problem();
  context.wall_length = problem.Increments * problem.IncrementLength;
  context.free_height = problem.WallHeight;
  context.long_term = problem.LongTermMode;
  return context;
}

PlotDataResult ReadPlotData(fw::TMainGraphs& graphs, const std::filesystem::path& file, bool report,
                            const PlotDataContext& context) {
  PlotDataResult result;
  for (const auto& entry : graphs.All()) entry.graph->SetPointCount(CurveList::kMain, 0);
  try {
    TWordReader in(file);
    PlotDataReader reader(graphs, in, context);
    result.sets_shown = reader.Read();
    result.sets_announced = std::max(reader.Announced(), 1);
    result.complete = true;
    if (result.sets_shown < result.sets_announced) {
      result.cause = "The analysis stopped in result set " + std::to_string(result.sets_shown + 1) + " of " +
                     std::to_string(result.sets_announced) + "; the sets before it are shown.";
    }
  } catch (const fw::EInOutError& error) {
    result.cause = error.what();
  } catch (const fw::EFileError& error) {
    result.cause = error.what();
  }
  if (!result.complete && report) result.message = kPlotDataReadError;
  return result;
}

}  // namespace veldra::app

// The export window's list: which graphs are offered and ticked, and when a
// workbook can be generated.
#include "app/workbook/export_list.h"

#include "app/main_window_rules.h"

#include <gtest/gtest.h>

namespace veldra::app {
namespace {

namespace fw = veldra::framework;

TEST(ExportList, WithoutResultsNothingIsOfferedOrTicked) {
  fw::TMainGraphs graphs;
  ExportList list;
  list.Refill(graphs, GraphHoldsData);
  ASSERT_EQ(list.Items().size(), 7u);
  for (const ExportItem& item : list.Items()) {
    EXPECT_FALSE(item.enabled);
    EXPECT_FALSE(item.ticked);
  }
  list.SelectAll();
  list.SetTicked(0, true);
  EXPECT_FALSE(list.CanGenerate());
}

TEST(ExportList, EntriesFollowTheMainWindowsCommandsInListOrder) {
  fw::TMainGraphs graphs;
  ExportList list;
  // The main window offers the moment and shear graphs only.
  list.Refill(graphs, [&](const fw::TGraphPlot& g) { return &g == &graphs.pltMom || &g == &graphs.pltShear; });
  std::vector<std::string> captions;
  for (const ExportItem& item : list.Items()) captions.push_back(item.graph->Caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"p-y Curves", "Deflection vs Depth", "Shear vs Depth", "Moment vs Depth",
                                                "Net Reaction vs Depth", "Earth Pressure Distribution",
                                                "Earth Pressure Combined"}));
  EXPECT_TRUE(list.CanGenerate());
  EXPECT_EQ(list.Ticked(), (std::vector<const fw::TGraphPlot*>{&graphs.pltShear, &graphs.pltMom}));

  list.UnselectAll();
  EXPECT_FALSE(list.CanGenerate());
  list.SetTicked(3, true);
  EXPECT_EQ(list.Ticked(), (std::vector<const fw::TGraphPlot*>{&graphs.pltMom}));
  // Select All ticks the offered entries only.
  list.SelectAll();
  EXPECT_EQ(list.Ticked().size(), 2u);
}

}  // namespace
}  // namespace veldra::app

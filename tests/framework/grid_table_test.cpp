// Grid tables: identifiers, row structure, sub-tables made from templates, units,
// the changed flag and the window hooks.
#include "framework/grid_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_table_window.h"
#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/float_column.h"
#include "framework/int_column.h"
#include "framework/table_column.h"
#include "framework/table_family.h"
#include "framework/units.h"

namespace veldra::framework {
namespace {

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(TableIdentifier, CounterAndSwapOnClash) {
  TGridTable a;
  TGridTable b;
  EXPECT_EQ(b.Identifier(), a.Identifier() + 1);
  const int a_id = a.Identifier();
  const int b_id = b.Identifier();
  a.SetIdentifier(b_id);  // taken: the two swap
  EXPECT_EQ(a.Identifier(), b_id);
  EXPECT_EQ(b.Identifier(), a_id);
  a.SetIdentifier(-3);  // ignored
  EXPECT_EQ(a.Identifier(), b_id);
  EXPECT_EQ(TableFamily::Plain().Find(b_id), &a);
}

TEST(TableIdentifier, DuplicateResolvesToTheEarliestLiveTable) {
  auto early = std::make_unique<TGridTable>();
  // Take the identifier the counter hands out next, so that the next table repeats it.
  TGridTable probe;
  const int next = probe.Identifier() + 1;
  early->SetIdentifier(next);
  TGridTable late;
  ASSERT_EQ(late.Identifier(), next);
  EXPECT_EQ(TableFamily::Plain().Find(next), early.get());
  early.reset();  // a destroyed table leaves the registry
  EXPECT_EQ(TableFamily::Plain().Find(next), &late);
}

// A table whose rows are marked by their original position in an integer column.
class RowBlocks : public ::testing::Test {
 protected:
  void SetUp() override {
    table.SetRowGroup(3);
    marks = &table.Add(std::make_unique<TIntColumn>());
    table.RowsChangedLink = [this] { ++rows_changed; };
  }
  void Mark() {
    for (int r = 0; r < table.RowCount(); ++r) marks->SetInt(r, r + 1);
  }
  std::vector<int> Marks() const {
    std::vector<int> values;
    for (int r = 0; r < table.RowCount(); ++r) values.push_back(marks->GetInt(r));
    return values;
  }
  TGridTable table;
  TIntColumn* marks = nullptr;
  int rows_changed = 0;
};

TEST_F(RowBlocks, RowOperationsWorkOnWholeBlocks) {
  table.SetRowCount(6);
  Mark();
  table.InsertRowGroup(4);  // before the block of rows 3 to 5
  EXPECT_EQ(Marks(), (std::vector<int>{1, 2, 3, 0, 0, 0, 4, 5, 6}));
  table.DeleteRowGroup(1);  // the block of rows 0 to 2
  EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 4, 5, 6}));
  table.AddRowGroup();
  EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 4, 5, 6, 0, 0, 0}));
  EXPECT_THROW(table.InsertRowGroup(9), EListError);
  EXPECT_THROW(table.DeleteRowGroup(-1), EListError);
  EXPECT_EQ(rows_changed, 4);
}

TEST_F(RowBlocks, SetRowCountIgnoresLimitsAndCutsTheLastBlock) {
  table.SetMinRows(3);
  table.SetMaxRows(3);
  table.SetRowCount(7);
  EXPECT_EQ(table.RowCount(), 7);
  EXPECT_EQ(marks->RowCount(), 7);
  Mark();
  table.SetRowCount(2);
  EXPECT_EQ(Marks(), (std::vector<int>{1, 2}));
  table.SetRowCount(-5);
  EXPECT_EQ(table.RowCount(), 0);
}

TEST(TableProperties, MinRowsAndRowGroupLimits) {
  TGridTable table;
  EXPECT_EQ(MessageOf([&] { table.SetMinRows(0); }), "Value must be greater than 0");
  EXPECT_EQ(table.MinRows(), 1);
  table.SetLoading(true);
  table.SetMinRows(-2);
  EXPECT_EQ(table.MinRows(), 1);
  table.SetRowGroup(0);
  EXPECT_EQ(table.RowGroup(), 1);
}

TEST(TableProperties, VisibleColumns) {
  TGridTable table;
  auto hidden = std::make_unique<TIntColumn>();
  hidden->SetVisible(false);
  hidden->Headers() = {"a", "b", "c"};
  table.Add(std::move(hidden));
  auto shown = std::make_unique<TFloatColumn>();
  shown->Headers() = {"x", "y"};
  auto& visible = table.Add(std::move(shown));
  EXPECT_EQ(table.VisibleColumnCount(), 1);
  EXPECT_EQ(&table.VisibleColumn(0), &visible);
  EXPECT_EQ(MessageOf([&] { table.VisibleColumn(1); }), "Index out of bounds");
  EXPECT_EQ(table.HeaderRowCount(), 2);
}

// A soil-layer table: a choice of soil type, a depth, and a parameter sub-table per
// layer made from the template of its type.
class SoilLayers : public ::testing::Test {
 protected:
  void SetUp() override {
    clay.SetCaption("Clay");
    clay.SetMinRows(2);
    clay.SetMaxRows(2);
    auto weight = std::make_unique<TFloatColumn>();
    weight->SetUnitsString("F/L2^3");
    clay.Add(std::move(weight));
    sand.SetCaption("Sand");
    sand.SetMinRows(2);
    sand.Add(std::make_unique<TFloatColumn>());
    sand.Add(std::make_unique<TFloatColumn>());

    auto type = std::make_unique<TEnumColumn>();
    type->SetItems({"Soft Clay", "Sand"});
    soil_type = &layers.Add(std::move(type));
    layers.Add(std::make_unique<TFloatColumn>());
    auto parameters = std::make_unique<TTableColumn>();
    parameters->Templates().Add(clay.Identifier());
    parameters->Templates().Add(sand.Identifier());
    layers.Add(std::move(parameters));
    layers.SetRowCount(3);
  }
  TGridTable* Parameters(int row) const { return layers.Cell(2, row).AsTable(); }

  TGridTable clay;
  TGridTable sand;
  TGridTable layers;
  TEnumColumn* soil_type = nullptr;
};

TEST_F(SoilLayers, EveryRowHoldsANumberedCopyOfItsTemplate) {
  for (int r = 0; r < 3; ++r) {
    TGridTable* sub = Parameters(r);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->Caption(), "Clay");
    EXPECT_EQ(sub->RowCount(), 2);
    EXPECT_EQ(sub->ColumnCount(), 1);
    EXPECT_EQ(sub->Number(), r + 1);
    EXPECT_EQ(sub->Owner(), &layers);
    EXPECT_NE(sub->Identifier(), clay.Identifier());
  }
  EXPECT_EQ(Parameters(1)->WindowCaption(), "Clay  2");
  const auto& column = static_cast<const TTableColumn&>(layers.Column(2));
  EXPECT_EQ(column.ButtonCaption(0), "1: Clay");
}

TEST_F(SoilLayers, TypeChangeReplacesOnlyThatRowsSubTable) {
  Parameters(1)->Cell(0, 0).SetFloat(120);
  TGridTable* first = Parameters(0);
  TGridTable* third = Parameters(2);
  TGridTable* before = Parameters(1);
  std::vector<std::pair<int, int>> notices;
  layers.CellChangedLink = [&](int col, int row) { notices.emplace_back(col, row); };

  soil_type->SetInt(1, 2);
  TGridTable* after = Parameters(1);
  ASSERT_NE(after, nullptr);
  EXPECT_NE(after, before);
  EXPECT_EQ(after->Caption(), "Sand");
  EXPECT_EQ(after->ColumnCount(), 2);
  EXPECT_EQ(after->Cell(0, 0).AsFloat(), 0);  // the old values are gone
  EXPECT_EQ(after->Number(), 2);
  EXPECT_EQ(Parameters(0), first);
  EXPECT_EQ(Parameters(2), third);
  EXPECT_EQ(third->Number(), 3);
  // The button cell and the type cell are both redrawn.
  EXPECT_EQ(notices, (std::vector<std::pair<int, int>>{{2, 1}, {0, 1}}));

  // The same type again keeps the sub-table.
  soil_type->SetText(1, "2");
  EXPECT_EQ(Parameters(1), after);
}

TEST_F(SoilLayers, InsertAndDeleteRenumberTheRowsBelow) {
  TGridTable* second = Parameters(1);
  layers.InsertRowGroup(1);
  EXPECT_EQ(Parameters(2), second);
  EXPECT_EQ(second->Number(), 3);
  EXPECT_EQ(Parameters(1)->Number(), 2);
  layers.DeleteRowGroup(0);
  EXPECT_EQ(second->Number(), 2);
  EXPECT_EQ(second->WindowCaption(), "Clay  2");
}

TEST_F(SoilLayers, UnitsAndChangesReachTheSubTables) {
  Parameters(0)->Cell(0, 0).SetFloat(120);
  layers.SetUnits(kSIUnits);
  EXPECT_EQ(Parameters(0)->Units(), kSIUnits);
  EXPECT_NEAR(static_cast<double>(Parameters(0)->Cell(0, 0).AsFloat()), 18.85, 0.005);
  layers.SetRowCount(4);  // a new layer takes the table's units
  EXPECT_EQ(Parameters(3)->Units(), kSIUnits);

  EXPECT_FALSE(layers.IsChanged());
  Parameters(2)->SetChanged(true);
  EXPECT_TRUE(layers.IsChanged());
  layers.SetChanged(false);
  EXPECT_FALSE(Parameters(2)->IsChanged());
}

TEST_F(SoilLayers, TemplatesFollowTheFirstColumnsItems) {
  const auto& column = static_cast<const TTableColumn&>(layers.Column(2));
  soil_type->SetItems({"a", "b", "c", "d"});
  EXPECT_EQ(column.Templates().Entries(), (std::vector<int>{clay.Identifier(), sand.Identifier(), -1, -1}));
  soil_type->SetInt(0, 4);  // a type without a template holds nothing
  EXPECT_EQ(Parameters(0), nullptr);
  EXPECT_EQ(column.ButtonCaption(0), "1: ");
  soil_type->SetItems({"a"});
  EXPECT_EQ(column.Templates().Count(), 1);
}

TEST(SubTableTemplates, TemplateHoldingItselfIsRefused) {
  TGridTable looped;
  auto column = std::make_unique<TTableColumn>();
  column->Templates().Add(looped.Identifier());
  looped.Add(std::move(column));
  EXPECT_EQ(MessageOf([&] { looped.SetRowCount(1); }),
            "Template " + std::to_string(looped.Identifier()) + " holds a sub-table of itself");
  EXPECT_EQ(looped.RowCount(), 0);
  EXPECT_EQ(looped.Column(0).RowCount(), 0);
}

// Rows that hold objects of the application's own, served through the events.
struct Note : RowObject {
  int row = -1;
};

TEST(SubTableEvents, OtherObjectsAreMadeAndNumberedThroughTheEvents) {
  TGridTable table;
  table.Add(std::make_unique<TIntColumn>());
  table.Add(std::make_unique<TTableColumn>());
  bool refuse = false;
  table.OnInitRow = [&](TGridTable&, int col, int, int enum_type, std::unique_ptr<RowObject>& data) {
    EXPECT_EQ(col, 1);
    EXPECT_EQ(enum_type, 0);
    if (refuse) throw Exception("no note");
    data = std::make_unique<Note>();
  };
  table.OnSetRow = [](TGridTable&, int, RowObject* data, int row) { static_cast<Note*>(data)->row = row; };
  table.OnGetButtonCaption = [](TGridTable&, int, int row, RowObject*, std::string& caption) {
    caption = "note " + std::to_string(row);
  };
  table.SetRowCount(2);
  auto* second = dynamic_cast<Note*>(table.Cell(1, 1).Column().GetObject(1));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(table.Cell(1, 1).AsTable(), nullptr);
  table.InsertRowGroup(0);
  EXPECT_EQ(second->row, 2);
  EXPECT_EQ(static_cast<TTableColumn&>(table.Column(1)).ButtonCaption(2), "3: note 2");

  // A failing handler leaves every column as it was.
  refuse = true;
  EXPECT_EQ(MessageOf([&] { table.AddRowGroup(); }), "no note");
  EXPECT_EQ(table.RowCount(), 3);
  EXPECT_EQ(table.Column(0).RowCount(), 3);
  EXPECT_EQ(table.Column(1).RowCount(), 3);
}

TEST(TableWindowHooks, ShowCaptionAndClose) {
  testing::FakeWindows windows;
  TGridTable table;
  table.SetCaption("Wall Stiffness");
  table.SetMinRows(2);
  table.ShowWindow();  // no column: no window
  EXPECT_FALSE(table.HasWindow());

  auto column = std::make_unique<TTableColumn>();
  TGridTable curve;
  curve.SetCaption("Curve");
  curve.Add(std::make_unique<TIntColumn>());
  column->Templates().Add(curve.Identifier());
  auto& curves = table.Add(std::move(column));
  table.ShowWindow();
  ASSERT_TRUE(table.HasWindow());
  EXPECT_EQ(windows.log.shows, 1);
  EXPECT_FALSE(windows.log.last_modal);
  EXPECT_EQ(table.RowCount(), 2);  // opening brings the rows up to MinRows
  EXPECT_EQ(table.WindowCaption(), "Wall Stiffness ");

  int parent = 0;
  curves.AllocateControls(&parent, 0, 2);
  EXPECT_EQ(MessageOf([&] { curves.AllocateControls(&parent, 2, 1); }), "ATopRow 2");
  EXPECT_EQ(MessageOf([&] { curves.AllocateControls(&parent, 1, 2); }), "ACount 2");

  // The sub-table button opens the curve modally inside a modal window.
  table.ShowWindowModal();
  EXPECT_TRUE(table.WindowModal());
  curves.PressButton(1);
  TGridTable* sub = table.Cell(0, 1).AsTable();
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(sub->WindowModal());
  sub->SetNumber(5);
  EXPECT_EQ(windows.log.captions.back(), "Curve  5");

  table.RowsChangedLink = [] {};
  table.CloseWindow();
  EXPECT_FALSE(table.HasWindow());
  EXPECT_FALSE(sub->HasWindow());  // closed with its owner's
  EXPECT_FALSE(curves.HasControls());
  EXPECT_FALSE(table.RowsChangedLink);
  EXPECT_EQ(windows.log.closed, 2);
}

}  // namespace
}  // namespace veldra::framework

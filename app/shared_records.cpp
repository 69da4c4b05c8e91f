#include "app/shared_records.h"

#include <initializer_list>

#include "app/data_file_writer.h"
#include "app/main_tables.h"
#include "framework/table_column.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

std::string Numbers(std::initializer_list<EntryNumber> values) {
  std::string text;
  for (EntryNumber value : values) text += FileNumber(value) + " ";
  return text;
}

// Every cell of a table and of its sub-tables, row by row.
void AppendTable(const fw::TGridTable& table, std::string& text) {
  text += "[" + std::to_string(table.RowCount()) + "]";
  for (int r = 0; r < table.RowCount(); ++r) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      if (dynamic_cast<const fw::TTableColumn*>(&table.Column(c))) {
        if (const fw::TGridTable* sub = table.Cell(c, r).AsTable()) AppendTable(*sub, text);
      } else {
        text += table.Cell(c, r).AsString() + " ";
      }
    }
  }
}

std::string TableText(const TProgramData& p, const char* name) {
  std::string text;
  AppendTable(p.Table(name), text);
  return text;
}

}  // namespace

std::vector<SharedItem> SharedItems(const TProgramData& p) {
  const LegacySurchargeValues& legacy = p.LegacySurcharge;
  return {
      {BlockRecord::kControl, "units and analysis codes",
       Numbers({static_cast<EntryNumber>(p.UnitSystem), static_cast<EntryNumber>(p.PressureCode),
                static_cast<EntryNumber>(p.PYCode), static_cast<EntryNumber>(p.StageCount)})},
      {BlockRecord::kWallProperties, "wall properties",
       Numbers({static_cast<EntryNumber>(p.Increments), p.IncrementLength, p.MaxDeflection, p.ClosureTolerance,
                p.WallHeight, p.ActiveWidth})},
      {BlockRecord::kRestraints, "restraints", TableText(p, Restraints::kName)},
      {BlockRecord::kStiffness, "wall stiffness rows", TableText(p, WallStiffness::kName)},
      {BlockRecord::kLoads, "concentrated loads", TableText(p, ConcentratedLoads::kName)},
      {BlockRecord::kSprings, "springs", TableText(p, Springs::kName)},
      {BlockRecord::kTiebacks, "tiebacks", TableText(p, Tiebacks::kName)},
      {BlockRecord::kPYModification, "p-y modification factors", TableText(p, PYModification::kName)},
      {BlockRecord::kWallConfiguration, "wall configuration values",
       Numbers({p.PYWidth, p.WaterDepthBackfill, p.WaterDepthExcavation, p.ActiveFactor,
                static_cast<EntryNumber>(p.ConfigurationCode), p.BackfillSlope})},
      {BlockRecord::kSurcharges, "surcharges",
       Numbers({p.UniformSurcharge, legacy.distance, legacy.point_load, legacy.line_load, legacy.strip_load,
                legacy.strip_width}) +
           TableText(p, Surcharges::kName)},
      {BlockRecord::kExternalCurves, "user p-y curves", TableText(p, PYCurveSets::kName)},
      {BlockRecord::kMomentEICurves, "moment-EI curves", TableText(p, MomentEICurveSets::kName)},
  };
}

std::vector<UnrepresentedRecord> LongTermDifferences(const std::vector<SharedItem>& short_term,
                                                     const std::vector<SharedItem>& long_term,
                                                     const ProblemRecordReader& long_term_reader) {
  std::vector<UnrepresentedRecord> differences;
  for (std::size_t i = 0; i < short_term.size() && i < long_term.size(); ++i) {
    if (short_term[i].value == long_term[i].value) continue;
    const std::string what = long_term[i].what;
    differences.push_back(
        {long_term_reader.RecordLine(long_term[i].record), "the long-term problem's " + what +
                                                               " differ from the short-term problem's. This program "
                                                               "keeps one set of " +
                                                               what + " for both: saving would write the long-term " +
                                                               what + " into the short-term problem too."});
  }
  return differences;
}

}  // namespace veldra::app

#include "app/problem_record_reader.h"

#include <algorithm>
#include <utility>

#include "app/data_file_writer.h"
#include "app/main_tables.h"
#include "app/soil_values.h"
#include "framework/file_errors.h"
#include "framework/table_column.h"
#include "framework/units.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

constexpr EntryNumber kInchesPerFoot = 12;
constexpr EntryNumber kSquareMillimetresPerSquareMetre = 1000000;
// Files of older versions hold 0.036 where the active-pressure factor was not set.
constexpr EntryNumber kUnsetActiveFactor = 0.036L;
constexpr int kMaxStages = 5;
// A tieback row gives the prestressing force only when its line holds more words
// than the six values rows had before that column existed.
constexpr int kTiebackValuesWithoutForce = 6;

const char* PressureCodeName(int code) {
  return code == 2 ? "a generated triangular distribution" : "a generated trapezoidal distribution";
}

}  // namespace

RecordLayout LayoutOfFormat(int format_code) {
  switch (format_code) {
    case 1: return {true, true, true, true};
    case 2: return {true, true, false, true};
    case 3: return {true, false, false, true};
    default: return {false, false, false, false};
  }
}

ProblemRecordReader::ProblemRecordReader(TProgramData& problem, TWordReader& words, RecordLayout layout,
                                         bool long_term)
    : p_(problem), in_(words), layout_(layout), long_term_(long_term) {}

bool ProblemRecordReader::English() const { return p_.UnitSystem == fw::kEnglishUnits; }

void ProblemRecordReader::Start(BlockRecord record) {
  record_lines_[static_cast<std::size_t>(record)] = in_.NextWordLine();
}

void ProblemRecordReader::Note(BlockRecord record, std::string change) {
  unrepresented_.push_back({RecordLine(record), std::move(change)});
}

int ProblemRecordReader::Count() {
  const int count = in_.ReadInteger();
  if (count > 0 && static_cast<std::size_t>(count) > in_.WordsLeft()) throw fw::EInOutError(kInvalidOrIncomplete);
  return count;
}

void ProblemRecordReader::ReadBlock() {
  ReadControlRecord();
  ReadWallProperties();
  ReadRestraints();
  ReadStiffness();
  ReadLoads();
  ReadSprings();
  ReadTiebacks();
  ReadPYModification();
  if (p_.PressureCode == 1) ReadDistribution();
  if (p_.PressureCode > 1 || p_.PYCode > 1) {
    ReadWallConfiguration();
    ReadSurcharges();
    ReadSoilLayers();
  }
  ReadExternalCurves();
  ReadMomentEICurves();
}

void ProblemRecordReader::ReadControlRecord() {
  Start(BlockRecord::kControl);
  p_.SetUnits(in_.ReadInteger());
  const int restraints = Count();
  T(Restraints::kName).SetRowCount(restraints);
  p_.ApplyRestraints = restraints > 0;
  T(WallStiffness::kName).SetRowCount(Count());
  T(PYModification::kName).SetRowCount(Count());
  p_.PressureCode = in_.ReadInteger();
  p_.PYCode = in_.ReadInteger();

  p_.EarthPressureOption = p_.PressureCode;
  p_.PressureGenerated = p_.PressureCode > 1;
  p_.UserPressure = p_.PressureCode == 1;
  p_.GeneratePY = p_.PYCode >= 2 && p_.PressureCode != 0;
  p_.ApplyExternalPY = p_.PYCode == 1;
  // The model generates earth pressure only from the soil layers of generated p-y
  // curves, and generates p-y curves only together with an earth pressure.
  if ((p_.PressureCode == 2 || p_.PressureCode == 3) && p_.PYCode != 2) {
    Note(BlockRecord::kControl,
         "earth-pressure code " + std::to_string(p_.PressureCode) + " (" + PressureCodeName(p_.PressureCode) +
             ") with p-y code " + std::to_string(p_.PYCode) +
             ": this program generates earth pressure only together with generated p-y curves. Saving would "
             "write earth-pressure code 0 and leave out the wall configuration, surcharges and soil layers.");
  } else if (p_.PressureCode == 0 && p_.PYCode == 2) {
    Note(BlockRecord::kControl,
         "p-y code 2 (generated curves) with earth-pressure code 0: this program generates p-y curves only "
         "together with an earth pressure. Saving would write p-y code 0 (1 with user curves) and leave out the "
         "wall configuration, surcharges and soil layers.");
  }
  // The long-term block belongs to a long-term problem.
  if (!long_term_) p_.LongTermMode = false;

  const int curve_sets = Count();
  T(PYCurveSets::kName).SetRowCount(curve_sets);
  if (curve_sets > 0) p_.ApplyExternalPY = true;
  p_.ApplyPYModification = T(PYModification::kName).RowCount() > 0;
  if (layout_.stage_count) {
    const int stages = in_.ReadInteger();
    declared_stages_ = stages;
    p_.StageCount = std::clamp(stages, 1, kMaxStages);
    if (stages > kMaxStages) {
      Note(BlockRecord::kControl, std::to_string(stages) + " construction stages: this program keeps at most " +
                                      std::to_string(kMaxStages) + ". Saving would write " +
                                      std::to_string(kMaxStages) + " stages.");
    }
  }

  if (layout_.records_2013) {
    const int ei_sets = Count();
    // The long-term block repeats the count; the sets stay as the first block made them.
    if (!long_term_) {
      T(MomentEICurveSets::kName).SetRowCount(ei_sets);
      p_.ApplyEICurves = ei_sets > 0;
    } else if (const int kept = p_.ApplyEICurves ? T(MomentEICurveSets::kName).RowCount() : 0; ei_sets != kept) {
      Note(BlockRecord::kControl, "the long-term problem has " + std::to_string(ei_sets) +
                                      " moment-EI curve sets, the short-term problem " + std::to_string(kept) +
                                      ": this program keeps the short-term sets for both problems.");
    }
  } else {
    p_.ApplyEICurves = false;
  }

  if (layout_.records_2015) {
    const int tiebacks = Count();
    T(Tiebacks::kName).SetRowCount(tiebacks);
    p_.ApplyTiebacks = tiebacks > 0;
  } else {
    T(Tiebacks::kName).SetRowCount(0);
    p_.ApplyTiebacks = false;
  }
}

void ProblemRecordReader::ReadWallProperties() {
  Start(BlockRecord::kWallProperties);
  p_.Increments = in_.ReadInteger();
  p_.IncrementLength = in_.ReadFloat();
  p_.MaxDeflection = in_.ReadFloat();
  p_.ClosureTolerance = in_.ReadFloat();
  p_.WallHeight = in_.ReadFloat();
  // The writer puts the earth-pressure width here; without the wall configuration
  // record this is the only copy of it, and the engine spreads tiebacks over it.
  if (layout_.records_2015) p_.ActiveWidth = in_.ReadFloat();
  properties_height_ = p_.WallHeight;
  properties_width_ = p_.ActiveWidth;
}

void ProblemRecordReader::ReadRestraints() {
  Start(BlockRecord::kRestraints);
  if (!p_.ApplyRestraints) return;
  fw::TGridTable& t = T(Restraints::kName);
  for (int r = 0; r < t.RowCount(); ++r) {
    t.Cell(Restraints::kCase, r).SetInteger(in_.ReadInteger());
    t.Cell(Restraints::kNode, r).SetInteger(in_.ReadInteger());
    t.Cell(Restraints::kDeflection, r).SetFloat(in_.ReadFloat());
    t.Cell(Restraints::kSlope, r).SetFloat(in_.ReadFloat());
  }
}

void ProblemRecordReader::ReadStiffness() {
  Start(BlockRecord::kStiffness);
  fw::TGridTable& t = T(WallStiffness::kName);
  for (int r = 0; r < t.RowCount(); ++r) {
    t.Cell(WallStiffness::kFromNode, r).SetInteger(in_.ReadInteger());
    t.Cell(WallStiffness::kToNode, r).SetInteger(in_.ReadInteger());
    t.Cell(WallStiffness::kContinuation, r).SetInteger(in_.ReadInteger());
    t.Cell(WallStiffness::kStiffness, r).SetFloat(in_.ReadFloat());
  }
}

void ProblemRecordReader::ReadLoads() {
  Start(BlockRecord::kLoads);
  fw::TGridTable& t = T(ConcentratedLoads::kName);
  const int rows = Count();
  t.SetRowCount(rows);
  p_.ApplyConcentratedLoads = rows > 0;
  for (int r = 0; r < t.RowCount(); ++r) {
    using C = ConcentratedLoads;
    for (int c : {C::kContinuation, C::kFromNode, C::kToNode}) t.Cell(c, r).SetInteger(in_.ReadInteger());
    for (int c : {C::kLateralLoad, C::kMoment, C::kAxialLoad}) t.Cell(c, r).SetFloat(in_.ReadFloat());
  }
}

void ProblemRecordReader::ReadSprings() {
  Start(BlockRecord::kSprings);
  fw::TGridTable& t = T(Springs::kName);
  const int rows = Count();
  t.SetRowCount(rows);
  p_.ApplySprings = rows > 0;
  for (int r = 0; r < t.RowCount(); ++r) {
    // The file gives the stations before the continuation choice.
    t.Cell(Springs::kFromNode, r).SetInteger(in_.ReadInteger());
    t.Cell(Springs::kToNode, r).SetInteger(in_.ReadInteger());
    t.Cell(Springs::kContinuation, r).SetInteger(in_.ReadInteger());
    t.Cell(Springs::kLateralStiffness, r).SetFloat(in_.ReadFloat());
    t.Cell(Springs::kRotationalStiffness, r).SetFloat(in_.ReadFloat());
  }
}

void ProblemRecordReader::ReadTiebacks() {
  Start(BlockRecord::kTiebacks);
  fw::TGridTable& t = T(Tiebacks::kName);
  const bool si = t.Units() == fw::kSIUnits;
  for (int r = 0; r < t.RowCount(); ++r) {
    // The columns follow the file's order up to the force.
    for (int c = Tiebacks::kDepth; c < kTiebackValuesWithoutForce; ++c) {
      EntryNumber value = in_.ReadFloat();
      if (c == Tiebacks::kArea && si) value *= kSquareMillimetresPerSquareMetre;
      t.Cell(c, r).SetFloat(value);
    }
    // A row without the force has none: not the force of a row read before.
    t.Cell(Tiebacks::kPrestress, r).SetFloat(in_.WordCount() > kTiebackValuesWithoutForce ? in_.ReadFloat() : 0);
  }
}

void ProblemRecordReader::ReadPYModification() {
  Start(BlockRecord::kPYModification);
  fw::TGridTable& t = T(PYModification::kName);
  for (int r = 0; r < t.RowCount(); ++r) {
    EntryNumber depth = in_.ReadFloat();
    if (English()) depth /= kInchesPerFoot;
    t.Cell(PYModification::kDepth, r).SetFloat(depth);
    t.Cell(PYModification::kPMultiplier, r).SetFloat(in_.ReadFloat());
    t.Cell(PYModification::kYMultiplier, r).SetFloat(in_.ReadFloat());
  }
  p_.ApplyPYModification = t.RowCount() > 0;
}

void ProblemRecordReader::ReadDistribution() {
  Start(BlockRecord::kDistribution);
  fw::TGridTable& t = T(long_term_ ? PressureDistribution::kLongTermName : PressureDistribution::kName);
  const bool english = t.Units() == fw::kEnglishUnits;
  const int rows = Count();
  t.SetRowCount(rows);
  p_.EarthPressureOption = 1;
  p_.UserPressure = rows > 0;
  for (int r = 0; r < t.RowCount(); ++r) {
    EntryNumber depth = in_.ReadFloat();
    EntryNumber load = in_.ReadFloat();
    // English: the file holds inches and load per inch, the table feet and per foot.
    if (english) {
      depth /= kInchesPerFoot;
      load *= kInchesPerFoot;
    }
    t.Cell(PressureDistribution::kDepth, r).SetFloat(depth);
    t.Cell(PressureDistribution::kLoad, r).SetFloat(load);
  }
}

void ProblemRecordReader::ReadWallConfiguration() {
  Start(BlockRecord::kWallConfiguration);
  p_.WallHeight = in_.ReadFloat();
  p_.ActiveWidth = in_.ReadFloat();
  p_.PYWidth = in_.ReadFloat();
  p_.WaterDepthBackfill = in_.ReadFloat();
  p_.WaterDepthExcavation = in_.ReadFloat();
  p_.ActiveFactor = in_.ReadFloat();
  if (p_.ActiveFactor == kUnsetActiveFactor) {
    p_.ActiveFactor = 1.0L;
    // Older files mark an unset factor so; in a file of the current format it is a
    // factor the engine applies.
    if (layout_.records_2015) {
      Note(BlockRecord::kWallConfiguration,
           "the modification factor for active earth pressure 0.036 is read as 1, the mark of an unset factor in "
           "older files. Saving would write 1.");
    }
  }
  p_.ConfigurationCode = in_.ReadInteger();
  p_.BackfillSlope = in_.ReadFloat();
  p_.UniformSurcharge = in_.ReadFloat();
  LegacySurchargeValues& legacy = p_.LegacySurcharge;
  legacy.distance = in_.ReadFloat();
  legacy.point_load = in_.ReadFloat();
  legacy.line_load = in_.ReadFloat();
  legacy.strip_load = in_.ReadFloat();
  legacy.strip_width = in_.ReadFloat();

  // The model keeps one free height and one earth-pressure width; the engine reads
  // the wall properties' copies for the wall and the tiebacks.
  if (properties_height_ != p_.WallHeight) {
    const std::string height = FileNumber(p_.WallHeight);
    Note(BlockRecord::kWallProperties,
         "the free height " + FileNumber(properties_height_) + " differs from the wall configuration's " + height +
             ". This program keeps one: saving would write " + height + " in both records.");
  }
  if (layout_.records_2015 && properties_width_ != p_.ActiveWidth) {
    const std::string width = FileNumber(p_.ActiveWidth);
    Note(BlockRecord::kWallProperties, "the tieback width " + FileNumber(properties_width_) +
                                           " differs from the wall configuration's earth-pressure width " + width +
                                           ". This program keeps one: saving would write " + width +
                                           " in both records.");
  }
}

void ProblemRecordReader::ReadSurcharges() {
  Start(BlockRecord::kSurcharges);
  fw::TGridTable& t = T(Surcharges::kName);
  if (layout_.records_2013) {
    const int rows = Count();
    t.SetRowCount(rows);
    p_.ApplySurcharge = rows > 0;
    for (int r = 0; r < t.RowCount(); ++r) {
      t.Cell(Surcharges::kLoadType, r).SetInteger(in_.ReadInteger());
      for (int c : {Surcharges::kMagnitude, Surcharges::kDistance, Surcharges::kStripWidth})
        t.Cell(c, r).SetFloat(in_.ReadFloat());
    }
    return;
  }
  // Older files give one surcharge of each kind at one distance.
  const LegacySurchargeValues& legacy = p_.LegacySurcharge;
  p_.ApplySurcharge = legacy.distance > 0;
  if (!p_.ApplySurcharge) return;
  t.SetRowCount(3);
  const EntryNumber magnitudes[] = {legacy.point_load, legacy.line_load, legacy.strip_load};
  const int types[] = {Surcharges::kPointLoad, Surcharges::kLineLoad, Surcharges::kStripLoad};
  for (int r = 0; r < 3; ++r) {
    t.Cell(Surcharges::kLoadType, r).SetInteger(types[r]);
    t.Cell(Surcharges::kMagnitude, r).SetFloat(magnitudes[r]);
    t.Cell(Surcharges::kDistance, r).SetFloat(legacy.distance);
    t.Cell(Surcharges::kStripWidth, r).SetFloat(legacy.strip_width);
  }
}

void ProblemRecordReader::ReadSoilLayers() {
  Start(BlockRecord::kSoilLayers);
  fw::TGridTable& t = T(long_term_ ? SoilLayers::kLongTermName : SoilLayers::kName);
  // Older files give their values in the table's units.
  const bool english = layout_.two_row_layers && t.Units() == fw::kEnglishUnits;
  const int layers = Count();
  t.SetRowCount(layers);
  auto& parameter_column = static_cast<fw::TTableColumn&>(t.Column(SoilLayers::kParameters));
  EntryNumber bottom = 0;
  for (int r = 0; r < t.RowCount(); ++r) {
    const int type = in_.ReadInteger();
    const EntryNumber depth = in_.ReadFloat();
    if (!layout_.two_row_layers) {
      bottom += depth;  // a thickness
    } else {
      bottom = english ? depth / kInchesPerFoot : depth;
    }
    t.Cell(SoilLayers::kSoilType, r).SetInteger(type);
    t.Cell(SoilLayers::kBottom, r).SetFloat(bottom);
    // A fresh parameter table of the layer's type, whatever the row held before.
    parameter_column.RemakeRow(r);
    fw::TGridTable* parameters = t.Cell(SoilLayers::kParameters, r).AsTable();
    if (parameters) {
      parameters->SetNumber(r + 1);
      parameters->SetRowCount(2);
    }
    const auto& slots = SoilValueSlots(type);
    const int rows_in_file = layout_.two_row_layers ? 2 : 1;
    const int values = layout_.two_row_layers ? kSoilValuesPerLine : kSoilValuesOlderLine;
    for (int row = 0; row < rows_in_file; ++row) {
      for (int k = 0; k < values; ++k) {
        EntryNumber value = in_.ReadFloat();
        const SoilValueSlot& slot = slots[static_cast<std::size_t>(k)];
        if (slot.kind == SoilValueKind::kPlaceholder || !parameters) continue;
        if (english) value *= EnglishFileDivisor(slot.kind);
        // The older single set describes the whole layer: top and bottom alike.
        if (layout_.two_row_layers) {
          parameters->Cell(slot.column, row).SetFloat(value);
        } else {
          parameters->Cell(slot.column, 0).SetFloat(value);
          parameters->Cell(slot.column, 1).SetFloat(value);
        }
      }
    }
  }
}

void ProblemRecordReader::ReadExternalCurves() {
  Start(BlockRecord::kExternalCurves);
  fw::TGridTable& t = T(PYCurveSets::kName);
  if (t.RowCount() == 0) {
    p_.ApplyExternalPY = false;
    return;
  }
  for (int r = 0; r < t.RowCount(); ++r) {
    t.Cell(PYCurveSets::kNode, r).SetInteger(in_.ReadInteger());
    const int points = Count();
    fw::TGridTable* curve = t.Cell(PYCurveSets::kCurve, r).AsTable();
    if (curve) curve->SetRowCount(points);
    t.Cell(PYCurveSets::kPMultiplier, r).SetFloat(1.0L);
    t.Cell(PYCurveSets::kYMultiplier, r).SetFloat(1.0L);
    if (layout_.records_2013) {
      t.Cell(PYCurveSets::kPMultiplier, r).SetFloat(in_.ReadFloat());
      t.Cell(PYCurveSets::kYMultiplier, r).SetFloat(in_.ReadFloat());
    }
    for (int k = 0; k < points; ++k) {
      const EntryNumber y = in_.ReadFloat();
      const EntryNumber p = in_.ReadFloat();
      if (!curve) continue;
      curve->Cell(PYCurvePoints::kY, k).SetFloat(y);
      curve->Cell(PYCurvePoints::kP, k).SetFloat(p);
    }
  }
}

void ProblemRecordReader::ReadMomentEICurves() {
  Start(BlockRecord::kMomentEICurves);
  if (!p_.ApplyEICurves) return;
  fw::TGridTable& t = T(MomentEICurveSets::kName);
  if (t.RowCount() == 0) {
    p_.ApplyEICurves = false;
    return;
  }
  for (int r = 0; r < t.RowCount(); ++r) {
    t.Cell(MomentEICurveSets::kFromNode, r).SetInteger(in_.ReadInteger());
    t.Cell(MomentEICurveSets::kToNode, r).SetInteger(in_.ReadInteger());
    const int points = Count();
    fw::TGridTable* curve = t.Cell(MomentEICurveSets::kCurve, r).AsTable();
    if (curve) curve->SetRowCount(points);
    for (int k = 0; k < points; ++k) {
      const EntryNumber moment = in_.ReadFloat();
      const EntryNumber ei = in_.ReadFloat();
      if (!curve) continue;
      curve->Cell(MomentEIPoints::kMoment, k).SetFloat(moment);
      curve->Cell(MomentEIPoints::kStiffness, k).SetFloat(ei);
    }
  }
}

}  // namespace veldra::app

#include "app/data_file_writer.h"

#include <initializer_list>

#include "app/main_model.h"
#include "app/main_tables.h"
#include "app/safe_file_write.h"
#include "app/soil_values.h"
#include "framework/decimal_text.h"
#include "framework/units.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

constexpr int kLongTermMarker = 9;
constexpr int kEndMarker = 0;
// The engine reads tieback areas in square metres; the table holds square millimetres.
constexpr EntryNumber kSquareMillimetresPerSquareMetre = 1000000;
constexpr EntryNumber kInchesPerFoot = 12;

std::string Int(long long value) { return std::to_string(value); }

// Values joined by one separator, ending the line.
std::string Joined(std::initializer_list<std::string> values, char separator) {
  std::string line;
  bool first = true;
  for (const std::string& value : values) {
    if (!first) line += separator;
    line += value;
    first = false;
  }
  return line + "\n";
}

std::string Tabbed(std::initializer_list<std::string> values) { return Joined(values, '\t'); }

// A title must stay one line of the file.
std::string TitleLine(const std::string& title) {
  std::string line = title;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line + "\n";
}

class BlockWriter {
 public:
  BlockWriter(const TProgramData& problem, bool long_term)
      : p_(problem), long_term_(long_term), english_(problem.UnitSystem == fw::kEnglishUnits) {}

  // One problem block after its title line, ending with the continuation code.
  void Write(std::string& out, int marker) const {
    WriteControlRecord(out);
    WriteWallProperties(out);
    WriteRestraints(out);
    WriteStiffness(out);
    WriteLoads(out);
    WriteSprings(out);
    WriteTiebacks(out);
    WritePYModification(out);
    if (p_.PressureCode == 1) WriteDistribution(out);
    // Exactly when the engine reads the wall configuration.
    if (p_.PressureCode > 1 || p_.PYCode == 2) {
      WriteWallConfiguration(out);
      WriteSurcharges(out);
      WriteSoilLayers(out);
    }
    WriteExternalCurves(out);
    WriteMomentEICurves(out);
    out += Int(marker) + "\n";
  }

 private:
  fw::TGridTable& T(const char* name) const { return p_.Table(name); }
  std::string F(const fw::TGridTable& t, int col, int row) const { return FileNumber(t.Cell(col, row).AsFloat()); }
  std::string I(const fw::TGridTable& t, int col, int row) const { return Int(t.Cell(col, row).AsInteger()); }
  // English: a table depth in feet is written in inches.
  EntryNumber Depth(EntryNumber feet) const { return english_ ? feet * kInchesPerFoot : feet; }
  const char* DistributionTable() const {
    return long_term_ ? PressureDistribution::kLongTermName : PressureDistribution::kName;
  }
  const char* SoilTable() const { return long_term_ ? SoilLayers::kLongTermName : SoilLayers::kName; }

  void WriteControlRecord(std::string& out) const {
    out += Int(p_.UnitSystem) + " " + Int(T(Restraints::kName).RowCount()) + "\t" + Int(T(WallStiffness::kName).RowCount()) +
           "\t" + Int(T(PYModification::kName).RowCount()) + "\t" + Int(p_.PressureCode) + "\t" + Int(p_.PYCode) + " " +
           Int(T(PYCurveSets::kName).RowCount()) + " " + Int(p_.StageCount) + " " + Int(p_.EICurveSetCount) + " " +
           Int(p_.TiebackCount) + "\n";
  }

  void WriteWallProperties(std::string& out) const {
    // The engine's tieback width is the earth-pressure width.
    out += Int(p_.Increments) + " " +
           Tabbed({FileNumber(p_.IncrementLength), FileNumber(p_.MaxDeflection), FileNumber(p_.ClosureTolerance),
                   FileNumber(p_.WallHeight), FileNumber(p_.ActiveWidth)});
  }

  void WriteRestraints(std::string& out) const {
    const fw::TGridTable& t = T(Restraints::kName);
    using C = Restraints;
    for (int r = 0; r < t.RowCount(); ++r)
      out += Tabbed({I(t, C::kCase, r), I(t, C::kNode, r), F(t, C::kDeflection, r), F(t, C::kSlope, r)});
  }

  void WriteStiffness(std::string& out) const {
    const fw::TGridTable& t = T(WallStiffness::kName);
    using C = WallStiffness;
    for (int r = 0; r < t.RowCount(); ++r)
      out += Tabbed({I(t, C::kFromNode, r), I(t, C::kToNode, r), I(t, C::kContinuation, r), F(t, C::kStiffness, r)});
  }

  void WriteLoads(std::string& out) const {
    const fw::TGridTable& t = T(ConcentratedLoads::kName);
    out += Int(t.RowCount()) + "\n";
    using C = ConcentratedLoads;
    for (int r = 0; r < t.RowCount(); ++r)
      out += Tabbed({I(t, C::kContinuation, r), I(t, C::kFromNode, r), I(t, C::kToNode, r), F(t, C::kLateralLoad, r),
                     F(t, C::kMoment, r), F(t, C::kAxialLoad, r)});
  }

  void WriteSprings(std::string& out) const {
    const fw::TGridTable& t = T(Springs::kName);
    const int rows = p_.ApplySprings ? t.RowCount() : 0;
    out += Int(rows) + "\n";
    // The file puts the stations before the continuation choice.
    using C = Springs;
    for (int r = 0; r < rows; ++r)
      out += Tabbed({I(t, C::kFromNode, r), I(t, C::kToNode, r), I(t, C::kContinuation, r),
                     F(t, C::kLateralStiffness, r), F(t, C::kRotationalStiffness, r)});
  }

  void WriteTiebacks(std::string& out) const {
    const fw::TGridTable& t = T(Tiebacks::kName);
    const bool si = t.Units() == fw::kSIUnits;
    for (int r = 0; r < p_.TiebackCount && r < t.RowCount(); ++r) {
      using C = Tiebacks;
      EntryNumber area = t.Cell(C::kArea, r).AsFloat();
      if (si) area /= kSquareMillimetresPerSquareMetre;
      out += Tabbed({F(t, C::kDepth, r), FileNumber(area), F(t, C::kModulus, r), F(t, C::kUnbondedLength, r),
                     F(t, C::kAngle, r), F(t, C::kSpacing, r), F(t, C::kPrestress, r)});
    }
  }

  void WritePYModification(std::string& out) const {
    const fw::TGridTable& t = T(PYModification::kName);
    for (int r = 0; r < t.RowCount(); ++r)
      out += Tabbed({FileNumber(Depth(t.Cell(PYModification::kDepth, r).AsFloat())), F(t, PYModification::kPMultiplier, r),
                     F(t, PYModification::kYMultiplier, r)});
  }

  void WriteDistribution(std::string& out) const {
    const fw::TGridTable& t = T(DistributionTable());
    const bool english = t.Units() == fw::kEnglishUnits;
    out += Int(t.RowCount()) + "\n";
    for (int r = 0; r < t.RowCount(); ++r) {
      EntryNumber depth = t.Cell(PressureDistribution::kDepth, r).AsFloat();
      EntryNumber load = t.Cell(PressureDistribution::kLoad, r).AsFloat();
      // English: feet to inches, load per foot of wall height to per inch.
      if (english) {
        depth *= kInchesPerFoot;
        load /= kInchesPerFoot;
      }
      out += Tabbed({FileNumber(depth), FileNumber(load)});
    }
  }

  void WriteWallConfiguration(std::string& out) const {
    out += Tabbed({FileNumber(p_.WallHeight), FileNumber(p_.ActiveWidth), FileNumber(p_.PYWidth),
                   FileNumber(p_.WaterDepthBackfill), FileNumber(p_.WaterDepthExcavation), FileNumber(p_.ActiveFactor),
                   Int(p_.ConfigurationCode), FileNumber(p_.BackfillSlope)});
  }

  void WriteSurcharges(std::string& out) const {
    const LegacySurchargeValues& legacy = p_.LegacySurcharge;
    out += Tabbed({FileNumber(p_.UniformSurcharge), FileNumber(legacy.distance), FileNumber(legacy.point_load),
                   FileNumber(legacy.line_load), FileNumber(legacy.strip_load), FileNumber(legacy.strip_width)});
    const fw::TGridTable& t = T(Surcharges::kName);
    const int rows = p_.ApplySurcharge ? t.RowCount() : 0;
    out += Int(rows) + "\n";
    using C = Surcharges;
    for (int r = 0; r < rows; ++r)
      out += Tabbed({I(t, C::kLoadType, r), F(t, C::kMagnitude, r), F(t, C::kDistance, r), F(t, C::kStripWidth, r)});
  }

  void WriteSoilLayers(std::string& out) const {
    const fw::TGridTable& t = T(SoilTable());
    const bool english = t.Units() == fw::kEnglishUnits;
    out += Int(t.RowCount()) + "\n";
    for (int r = 0; r < t.RowCount(); ++r) {
      const int type = t.Cell(SoilLayers::kSoilType, r).AsInteger();
      EntryNumber bottom = t.Cell(SoilLayers::kBottom, r).AsFloat();
      if (english) bottom *= kInchesPerFoot;
      out += Int(type) + " " + FileNumber(bottom) + " \n";
      const fw::TGridTable* parameters = t.Cell(SoilLayers::kParameters, r).AsTable();
      for (int row = 0; row < 2; ++row) out += SoilValueLine(type, parameters, row, english);
    }
  }

  // Every value followed by a blank, placeholders by two.
  static std::string SoilValueLine(int type, const fw::TGridTable* parameters, int row, bool english) {
    std::string line;
    for (const SoilValueSlot& slot : SoilValueSlots(type)) {
      const bool present = slot.kind != SoilValueKind::kPlaceholder && parameters &&
                           row < parameters->RowCount() && slot.column < parameters->ColumnCount();
      if (!present) {
        line += "0.0  ";
        continue;
      }
      EntryNumber value = parameters->Cell(slot.column, row).AsFloat();
      if (english) value /= EnglishFileDivisor(slot.kind);
      line += FileNumber(value) + " ";
    }
    return line + "\n";
  }

  void WriteExternalCurves(std::string& out) const {
    const fw::TGridTable& t = T(PYCurveSets::kName);
    for (int r = 0; r < t.RowCount(); ++r) {
      using C = PYCurveSets;
      const fw::TGridTable* curve = t.Cell(C::kCurve, r).AsTable();
      const int points = curve ? curve->RowCount() : 0;
      out += Tabbed({I(t, C::kNode, r), Int(points), F(t, C::kPMultiplier, r), F(t, C::kYMultiplier, r)});
      for (int k = 0; k < points; ++k)
        out += Tabbed({F(*curve, PYCurvePoints::kY, k), F(*curve, PYCurvePoints::kP, k)});
    }
  }

  void WriteMomentEICurves(std::string& out) const {
    const fw::TGridTable& t = T(MomentEICurveSets::kName);
    for (int r = 0; r < p_.EICurveSetCount && r < t.RowCount(); ++r) {
      using C = MomentEICurveSets;
      const fw::TGridTable* curve = t.Cell(C::kCurve, r).AsTable();
      const int points = curve ? curve->RowCount() : 0;
      out += Tabbed({I(t, C::kFromNode, r), I(t, C::kToNode, r), Int(points)});
      for (int k = 0; k < points; ++k)
        out += Tabbed({F(*curve, MomentEIPoints::kMoment, k), F(*curve, MomentEIPoints::kStiffness, k)});
    }
  }

  const TProgramData& p_;
  bool long_term_;
  bool english_;
};

}  // namespace

std::string FileNumber(EntryNumber value) { return fw::FormatGeneral(value, 8); }

std::string DataFileText(const TProgramData& problem) {
  std::string out = TitleLine(problem.Title);
  if (!problem.LongTermMode) {
    BlockWriter(problem, false).Write(out, kEndMarker);
    return out;
  }
  BlockWriter(problem, false).Write(out, kLongTermMarker);
  out += TitleLine(problem.Title);
  BlockWriter(problem, true).Write(out, kEndMarker);
  return out;
}

std::string StageFileText(const TProgramData& problem) {
  const int stage = problem.CurrentStage;
  std::string out = stage == 1 ? TitleLine(problem.Title) : " Stage No : " + Int(stage) + "\n";
  BlockWriter(problem, false).Write(out, stage);
  return out;
}

void WriteDataFile(TProgramData& problem) {
  problem.DeriveControlValues();
  ReplaceFileContents(problem.FileName, DataFileText(problem));
  problem.Main().SetModified(false);
  problem.Has2013Records = true;
  problem.Has2015Records = true;
}

void WriteStageFile(TProgramData& problem) {
  problem.DeriveControlValues();
  ReplaceFileContents(problem.StageFileName, StageFileText(problem));
  problem.Main().SetModified(false);
}

}  // namespace veldra::app

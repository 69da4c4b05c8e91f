// Reading one problem block of a data or stage file (from the control record to the
// moment-EI curves) into the current problem and the main window's tables. Shared by
// the data-file loader and the stage-file reader.
//
// A table's row count is set from the count in the file before its rows are read;
// the apply-options follow the counts (an option is on exactly when its table's count
// is positive). Older formats lack some records; RecordLayout says which a block
// holds.
//
// The reader notes every record whose content the problem cannot keep as read
// (Unrepresented), and the line on which each record starts (RecordLine).
#ifndef VELDRA_APP_PROBLEM_RECORD_READER_H
#define VELDRA_APP_PROBLEM_RECORD_READER_H

#include <array>
#include <vector>

#include "app/program_data.h"
#include "app/unrepresented.h"
#include "app/word_reader.h"

namespace veldra::app {

struct RecordLayout {
  bool stage_count = true;      // the control record gives the stage count
  bool records_2013 = true;     // EI curve-set count and sets, surcharge table, p-y curve multipliers
  bool records_2015 = true;     // tieback count and rows, the wall width in the wall properties
  bool two_row_layers = true;   // layers by bottom depth with top and bottom values; else by
                                // thickness with one set of five values, never converted
};

// The records a data file of a format code holds (1 current, 2 the 2013 format,
// 3 the 3.0 format, 4 and 5 the 2.0 format).
RecordLayout LayoutOfFormat(int format_code);

// The records of a block, in file order.
enum class BlockRecord {
  kControl,
  kWallProperties,
  kRestraints,
  kStiffness,
  kLoads,
  kSprings,
  kTiebacks,
  kPYModification,
  kDistribution,
  kWallConfiguration,
  kSurcharges,
  kSoilLayers,
  kExternalCurves,
  kMomentEICurves,
  kCount
};

class ProblemRecordReader {
 public:
  // `long_term`: the long-term block of a short-term/long-term file, whose
  // distributed loads and soil layers go to LongDist and LongSoil.
  ProblemRecordReader(TProgramData& problem, TWordReader& words, RecordLayout layout, bool long_term);

  // Reads the block; throws framework::EInOutError on a format error, leaving what
  // was read in the problem.
  void ReadBlock();

  // The records read so far that the problem could not keep as they stand.
  const std::vector<UnrepresentedRecord>& Unrepresented() const { return unrepresented_; }
  // The stage count as the control record gives it (1 before it is read).
  int DeclaredStages() const { return declared_stages_; }
  // The line on which a record read so far starts; 0 for a record not read.
  int RecordLine(BlockRecord record) const { return record_lines_[static_cast<std::size_t>(record)]; }

 private:
  void ReadControlRecord();
  void ReadWallProperties();
  void ReadRestraints();
  void ReadStiffness();
  void ReadLoads();
  void ReadSprings();
  void ReadTiebacks();
  void ReadPYModification();
  void ReadDistribution();
  void ReadWallConfiguration();
  void ReadSurcharges();
  void ReadSoilLayers();
  void ReadExternalCurves();
  void ReadMomentEICurves();

  // A count from the file that sizes a table. A count larger than the words left in
  // the file cannot be satisfied: "This file either invalid or incomplete." is
  // raised before the table grows.
  int Count();
  framework::TGridTable& T(const char* name) const { return p_.Table(name); }
  bool English() const;
  // Notes where a record starts, before its first word is read.
  void Start(BlockRecord record);
  void Note(BlockRecord record, std::string change);

  TProgramData& p_;
  TWordReader& in_;
  RecordLayout layout_;
  bool long_term_;
  std::vector<UnrepresentedRecord> unrepresented_;
  int declared_stages_ = 1;
  std::array<int, static_cast<std::size_t>(BlockRecord::kCount)> record_lines_{};
  // The wall properties' copies of values that the wall configuration gives again.
  EntryNumber properties_height_ = 0;
  EntryNumber properties_width_ = 0;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_PROBLEM_RECORD_READER_H

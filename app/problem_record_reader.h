// Reading one problem block of a data or stage file (from the control record to the
// moment-EI curves) into the current problem and the main window's tables. Shared by
// the data-file loader and the stage-file reader.
//
// A table's row count is set from the count in the file before its rows are read;
// the apply-options follow the counts (an option is on exactly when its table's count
// is positive). Older formats lack some records; RecordLayout says which a block
// holds.
#ifndef VELDRA_APP_PROBLEM_RECORD_READER_H
#define VELDRA_APP_PROBLEM_RECORD_READER_H

#include "app/program_data.h"
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

class ProblemRecordReader {
 public:
  // `long_term`: the long-term block of a short-term/long-term file, whose
  // distributed loads and soil layers go to LongDist and LongSoil.
  ProblemRecordReader(TProgramData& problem, TWordReader& words, RecordLayout layout, bool long_term);

  // Reads the block; throws framework::EInOutError on a format error, leaving what
  // was read in the problem.
  void ReadBlock();

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

  TProgramData& p_;
  TWordReader& in_;
  RecordLayout layout_;
  bool long_term_;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_PROBLEM_RECORD_READER_H

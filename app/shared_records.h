// The data a long-term block shares with its short-term block.
//
// A long-term problem in this program differs from its short-term problem only in
// its soil layers and its pressure distribution (tables of their own); every other
// record of the long-term block is read into the same fields and tables as the
// short-term block's. The loader takes a snapshot of those after each block and
// compares them, to name what the long-term block would replace.
#ifndef VELDRA_APP_SHARED_RECORDS_H
#define VELDRA_APP_SHARED_RECORDS_H

#include <string>
#include <vector>

#include "app/problem_record_reader.h"
#include "app/program_data.h"

namespace veldra::app {

struct SharedItem {
  BlockRecord record;  // the record it is read from
  const char* what;    // its name in a message, plural ("the wall stiffness rows")
  std::string value;   // its values as the writer would write them
};

// The shared items of the problem as it stands, in record order.
std::vector<SharedItem> SharedItems(const TProgramData& problem);

// Every item that differs between the snapshot after the short-term block and the
// one after the long-term block, as the change saving would make; `long_term` gives
// the lines of the long-term block's records.
std::vector<UnrepresentedRecord> LongTermDifferences(const std::vector<SharedItem>& short_term,
                                                     const std::vector<SharedItem>& long_term,
                                                     const ProblemRecordReader& long_term_reader);

}  // namespace veldra::app

#endif  // VELDRA_APP_SHARED_RECORDS_H

// The closing table of a batch: per data file its status, and per problem of the
// file the iterations, whether the deflections closed, and the largest deflection
// and moment with their depths. Files appear in the order they were given.
#ifndef VELDRA_CLI_BATCH_TABLE_H
#define VELDRA_CLI_BATCH_TABLE_H

#include "cli/batch_run.h"

#include <iosfwd>
#include <vector>

namespace veldra::cli {

void print_batch_table(std::ostream& out, const std::vector<BatchItem>& items);

// "5 files: 4 finished, 1 failed; 2 jobs, 0.04 s"
void print_batch_totals(std::ostream& out, const std::vector<BatchItem>& items, int workers,
                        double seconds);

// Exit status of a batch: 0 when every item finished and closed (the status 0 of a
// single file), 4 otherwise.
int batch_exit_status(const std::vector<BatchItem>& items);

}  // namespace veldra::cli

#endif

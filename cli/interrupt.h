// Interruption of a batch by SIGINT (Ctrl-C) or SIGTERM. The first signal asks the
// batch to start no further file: the analyses under way end normally, so that no
// file is left with a mix of old and new results and no scratch directory is left
// behind. A second signal ends the program at once, as without the handler.
#ifndef VELDRA_CLI_INTERRUPT_H
#define VELDRA_CLI_INTERRUPT_H

#include <atomic>

namespace veldra::cli {

// Installs the handlers; returns the flag they set.
const std::atomic<bool>& catch_interrupts();

// The signal that interrupted the batch, 0 if none came.
int interrupting_signal();

}  // namespace veldra::cli

#endif

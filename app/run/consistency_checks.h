// The checks a problem passes before it is handed to the engine: the wall-stiffness
// rows against the number of increments, the backfill slope against the friction
// angles of sand and silt layers, and the depth of the soil layering against the
// depth of the wall. They catch what the engine would otherwise analyse wrongly or
// refuse with a less helpful message.
#ifndef VELDRA_APP_RUN_CONSISTENCY_CHECKS_H
#define VELDRA_APP_RUN_CONSISTENCY_CHECKS_H

#include <optional>
#include <string>

#include "app/program_data.h"

namespace veldra::app {

// The message of the first check that fails, in the order above, or nothing when
// the problem passes all three. Lines of a message are separated by "\r".
std::optional<std::string> FirstInconsistency(const TProgramData& problem);

}  // namespace veldra::app

#endif  // VELDRA_APP_RUN_CONSISTENCY_CHECKS_H

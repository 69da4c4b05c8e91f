#include "engine/driver/data_error.h"

#include "engine/driver/run_context.h"
#include "engine/driver/run_stop.h"
#include "engine/format/fortran_format.h"

namespace veldra::engine {

void data_error(RunContext& ctx, const std::string& message) {
  fwrite(ctx.report, "(/,/,5X,A)", {message});
  throw InputErrorStop{message};
}

void too_much_data(RunContext& ctx, const std::string& detail) {
  if (detail.empty()) {
    fwrite(ctx.report, "(/,/,5X,A,/,/)", {kTooMuchData});
    throw InputErrorStop{kTooMuchData};
  }
  fwrite(ctx.report, "(/,/,5X,A,/,5X,A,/,/)", {kTooMuchData, detail});
  throw InputErrorStop{std::string(kTooMuchData) + " -- " + detail};
}

}  // namespace veldra::engine

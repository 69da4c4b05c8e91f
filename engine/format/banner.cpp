#include "engine/format/banner.h"

#include "engine/format/fortran_format.h"

namespace veldra::engine {

void write_banner(std::ostream& report, const std::string& framed_text) {
  fwrite(report, "(/,/,6X,50('*'),/,6X,A50,/,6X,50('*'))", {framed_text});
}

}  // namespace veldra::engine

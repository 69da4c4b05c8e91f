#include "framework/file_errors.h"

#include <cstring>

namespace veldra::framework {

std::string SystemReason(int error_number) { return error_number != 0 ? std::strerror(error_number) : "unknown error"; }

}  // namespace veldra::framework

#include "gui/core/decimal_symbol.h"

#include <clocale>

namespace veldra::gui {

DecimalSymbolScope::DecimalSymbolScope() {
  if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) saved_ = current;
  std::setlocale(LC_NUMERIC, "C");
}

DecimalSymbolScope::~DecimalSymbolScope() {
  if (!saved_.empty()) std::setlocale(LC_NUMERIC, saved_.c_str());
}

}  // namespace veldra::gui

#include "gui/core/decimal_symbol.h"

#include <clocale>

namespace veldra::gui {

// std::locale::global also sets the C library's locale when the new global locale
// has a name; so the C setting is saved whole and put back after each change of it.
DecimalSymbolScope::DecimalSymbolScope() : saved_global_(std::locale()) {
  if (const char* current = std::setlocale(LC_ALL, nullptr)) saved_ = current;
  std::locale::global(std::locale(saved_global_, std::locale::classic(), std::locale::numeric));
  if (!saved_.empty()) std::setlocale(LC_ALL, saved_.c_str());
  std::setlocale(LC_NUMERIC, "C");
}

DecimalSymbolScope::~DecimalSymbolScope() {
  std::locale::global(saved_global_);
  if (!saved_.empty()) std::setlocale(LC_ALL, saved_.c_str());
}

}  // namespace veldra::gui

// The decimal separator while data files are written and the engine runs: "."
// whatever the user's locale, for the C library and for C++ streams. Qt's
// application object adopts the user's locale at start-up, so a German desktop
// would otherwise print "1,5".
#ifndef VELDRA_GUI_CORE_DECIMAL_SYMBOL_H
#define VELDRA_GUI_CORE_DECIMAL_SYMBOL_H

#include <locale>
#include <string>

namespace veldra::gui {

// SetDecimalSymbol on construction, SetDefaultSymbol on destruction.
class DecimalSymbolScope {
 public:
  DecimalSymbolScope();
  ~DecimalSymbolScope();
  DecimalSymbolScope(const DecimalSymbolScope&) = delete;
  DecimalSymbolScope& operator=(const DecimalSymbolScope&) = delete;

 private:
  std::string saved_;         // the C library's locale before (all categories)
  std::locale saved_global_;  // the C++ global locale before
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_CORE_DECIMAL_SYMBOL_H

#include "engine/py/py_input_error.h"

#include "engine/format/fortran_format.h"

namespace veldra::engine::py {

const char* soil_type_name(int type) {
  switch (type) {
    case 2: return "STIFF CLAY WITH FREE WATER";
    case 3: return "STIFF CLAY WITHOUT FREE WATER";
    case 4: return "SAND";
    case 5: return "SILT";
    case 6: return "STRONG ROCK";
    case 7: return "WEAK ROCK";
    default: return "SOFT CLAY";  // every other code is generated as soft clay
  }
}

std::string length_text(double value, int units) {
  std::string text = fformat("(F16.4)", {value});
  text.erase(0, text.find_first_not_of(' '));
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (units == 1) return text + " IN";
  if (units == 2) return text + " M";
  return text;
}

std::string layer_error(int input_layer, int type, const std::string& where,
                        const std::string& what) {
  return "ERROR STOP -- SOIL LAYER " + std::to_string(input_layer) + " (" +
         soil_type_name(type) + ")" + where + ": " + what;
}

}  // namespace veldra::engine::py

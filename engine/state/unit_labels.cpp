#include "engine/state/unit_labels.h"

namespace veldra::engine {

UnitLabels unit_labels(int units_code) {
  switch (units_code) {
    case 1: return {" IN", " LBS", "IN", "LBS"};
    case 2: return {"  M", "  KN", " M", " KN"};
    default: return {"  L", "   F", " L", "  F"};
  }
}

}  // namespace veldra::engine

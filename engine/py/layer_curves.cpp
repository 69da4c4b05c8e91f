#include "engine/py/layer_curves.h"

#include "engine/py/rock.h"
#include "engine/py/sand.h"
#include "engine/py/silt.h"
#include "engine/py/soft_clay.h"
#include "engine/py/stiff_clay.h"

namespace veldra::engine::py {

void generate_layer_curves(CurveFrame& f, int j) {
  switch (f.model().layers[j].type) {
    case 2: stiff_clay_free_water(f, j); break;
    case 3: stiff_clay_no_free_water(f, j); break;
    case 4: sand(f, j); break;
    case 5: silt(f, j); break;
    case 6: strong_rock(f, j); break;
    case 7: weak_rock(f, j); break;
    default: soft_clay(f, j); break;
  }
}

}  // namespace veldra::engine::py

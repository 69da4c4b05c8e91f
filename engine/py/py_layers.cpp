#include "engine/py/py_layers.h"

#include "engine/py/py_constants.h"
#include "engine/py/py_input_error.h"
#include "engine/state/single_precision.h"

namespace veldra::engine::py {
namespace {

void read_problem(const ProblemState& st, PyModel& m) {
  m.units = st.ctl.units;
  m.h_exc = st.wall.hfree;
  m.wa = st.wall.wa;
  m.b = st.wall.wp;
  m.r = m.b > 0.0 ? m.wa / m.b : 1.0;
  if (m.r < 1.0) m.r = 1.0;
  m.water = st.wall.water_backfill;
  const bool si = st.ctl.units == 2;
  m.gamma_w = si ? kGammaWaterSI : kGammaWaterEnglish;
  m.inset = si ? kCurveInset / kCurveInsetSIDivisor : kCurveInset;
  m.lmax = st.wall_length + 2.0 * st.h - m.h_exc;
  // Without generated earth pressure no overburden at the excavation level is known;
  // the curves then carry no offset from it.
  m.sigma_exc = st.ctl.generate_pressure ? st.sigma_v_excavation : 0.0;
  for (int r = 1; r <= st.ctl.npymod; ++r) m.mods.push_back(st.pymod[r]);
}

// The two unit-weight points of layer K (top and bottom), reduced below the water
// table. `bottom` is the layer's own bottom, also when the strength profile is cut.
void add_unit_weights(PyModel& m, int input, double gamma, double top, double bottom) {
  const int k = m.npyl();  // the layer being added is already in the list
  const double h = m.h_exc;
  UnitWeightPoint p1{top, gamma}, p2{bottom, gamma};
  if (h + p1.x > m.water) p1.gamma -= m.gamma_w;
  if (h + p2.x > m.water) p2.gamma -= m.gamma_w;
  const double above = m.w[2 * k - 2].x;  // the point before; w[0] is depth 0
  if (h + p1.x == m.water && h + above == m.water) p1.gamma = gamma - m.gamma_w;
  // When the water table cut the layer above, this layer's effective unit weight
  // starts at the water table.
  if (input > 1 && p1.x > above) p1.x = above;
  if (h + p1.x < m.water && m.water < h + p2.x) p2 = {m.water - h, gamma};
  m.w.push_back(p1);
  m.w.push_back(p2);
}

StrengthPoint strength_point(double x, const std::array<double, 7>& v) {
  return {x, v[2], v[3], v[4], v[6]};
}

double cut_value(double top, double bottom, double f) { return top + (bottom - top) * f; }

void add_layers(const ProblemState& st, PyModel& m) {
  const double h = m.h_exc;
  const double min_thickness = 2.0 * m.inset;
  bool started = false;
  double zb_above = 0.0;
  for (int l = 1; l <= st.nlay; ++l) {
    const SoilLayerInput& in = st.layers[l];
    double t = 0.0;
    if (!started) {
      if (in.bottom <= h) continue;  // wholly above the excavation level
      t = in.bottom - h;
      started = true;
    } else {
      t = in.thickness;
    }
    const double zb = zb_above + t;
    const double zt = zb - t;
    const bool cut = zb > m.lmax;
    if (cut && m.lmax - zt < min_thickness) break;
    if (!cut && !(t >= min_thickness)) {
      throw PyInputError{layer_error(
          l, in.type, "",
          "IT IS THINNER THAN " + length_text(min_thickness, m.units) +
              " BELOW THE EXCAVATION LEVEL; CORRECT THE DEPTH OF ITS BOTTOM")};
    }

    PyLayer layer;
    layer.zt = zt;
    layer.zb = cut ? m.lmax : zb;
    layer.type = in.type;
    layer.input = l;
    layer.k = in.top[5];
    m.layers.push_back(layer);
    add_unit_weights(m, l, in.top[1], zt, zb);

    m.s.push_back(strength_point(zt, in.top));
    StrengthPoint bottom = strength_point(zb, in.bottom_values);
    if (cut) {
      const double f = (m.lmax - zt) / t;
      bottom = {m.lmax, cut_value(in.top[2], in.bottom_values[2], f),
                cut_value(in.top[3], in.bottom_values[3], f),
                cut_value(in.top[4], in.bottom_values[4], f),
                cut_value(in.top[6], in.bottom_values[6], f)};
    }
    m.s.push_back(bottom);
    zb_above = zb;
    if (cut) break;
  }

  // A water table inside the last layer: carry the reduced unit weight down to the
  // bottom of the strength profile.
  const int nw = m.nw();
  if (nw > 0 && m.w[nw].x < m.s[m.ns()].x) {
    const double reduced = m.w[nw].gamma - m.gamma_w;
    m.w.push_back({m.w[nw].x, reduced});
    m.w.push_back({m.s[m.ns()].x, reduced});
  }
}

void place_curves(PyModel& m) {
  for (int j = 1; j <= m.npyl(); ++j) {
    const PyLayer& layer = m.layers[j];
    const double t = layer.zb - layer.zt;
    m.xc.push_back(layer.zt + m.inset);
    m.xc.push_back(layer.zt + 0.25 * t);
    m.xc.push_back(layer.zt + 0.5 * t);
    m.xc.push_back(layer.zt + 0.75 * t);
    m.xc.push_back(layer.zb - m.inset);
  }
  for (int i = 1; i <= m.ns(); ++i) m.s[i].phi = m.s[i].phi * kPi / 180.0;
}

}  // namespace

PyModel build_py_model(const ProblemState& st) {
  PyModel m;
  read_problem(st, m);
  add_layers(st, m);
  place_curves(m);
  assign_curves(m);
  return m;
}

void assign_curves(PyModel& m) {
  const int n = m.npyl();
  const int nc = m.nc();
  for (int j = 0; j <= n; ++j) m.layers[j].l1 = m.layers[j].l2 = 0;
  if (nc == 0) return;
  int cur = 1;
  while (cur <= n && !(m.xc[1] < m.layers[cur].zb)) ++cur;
  if (cur > n) return;
  m.layers[cur].l1 = 1;
  for (int i = 2; i <= nc; ++i) {
    if (m.xc[i] <= m.layers[cur].zb) continue;
    m.layers[cur].l2 = i - 1;
    int next = cur + 1;
    while (next <= n && m.xc[i] > m.layers[next].zb) {
      m.layers[next].l1 = 0;  // passed over
      m.layers[next].l2 = m.layers[next - 1].l2;
      ++next;
    }
    if (next > n) return;  // below the last layer: no layer holds it
    cur = next;
    m.layers[cur].l1 = i;
  }
  m.layers[cur].l2 = nc;
  for (int j = cur + 1; j <= n; ++j) {
    m.layers[j].l1 = 0;
    m.layers[j].l2 = nc;
  }
}

bool layer_has_curves(const PyModel& m, int j) {
  const PyLayer& layer = m.layers[j];
  return layer.l1 != 0 && layer.l2 != m.layers[j - 1].l2;
}

}  // namespace veldra::engine::py

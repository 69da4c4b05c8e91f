#include "app/views/view_3d_state.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>


namespace veldra::app::views {

namespace {

constexpr Vec3 kXAxis{1, 0, 0};
constexpr Vec3 kYAxis{0, 1, 0};
constexpr Vec3 kZAxis{0, 0, 1};
// A zoom drag never turns the scene inside out: dragging down by the control's
// height or more leaves a hundredth of the zoom.
constexpr double kLeastZoomDragFactor = 0.01;

Matrix4 RotationOf(double ax, double ay, double az) {
  return Matrix4::Rotation(-90, kXAxis) * Matrix4::Rotation(ax, kXAxis) * Matrix4::Rotation(ay, kYAxis) *
         Matrix4::Rotation(az, kZAxis);
}

// Keeps only the larger component (Shift held).
void KeepLarger(double& a, double& b) {
  if (std::abs(a) >= std::abs(b))
    b = 0;
  else
    a = 0;
}

// m times ten to the power e, as the nearest double to the decimal number.
double Decimal(int m, int e) { return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e); }

}  // namespace

void View3DState::Fit(const SceneExtents& extents, ClientSize client) {
  if (fitted_) return;
  extents_ = extents;
  base_scale = BaseScale(extents, client);
  // The scene is symmetric along and across the section; only its height needs
  // centring: it runs from z = top down to z = -bottom.
  centring_pan_ = {0, 0, 0};
  depth_offset_ = {0, 0, (extents.bottom - extents.top) / 2};
  pan = centring_pan_;
  const double size = extents.LargestExtent();
  scene_size_ = size > 0 && std::isfinite(size) ? size : 1;
  fitted_ = true;
}

void View3DState::Resize(ClientSize client) {
  // A window opened small and then enlarged would otherwise keep a tiny scene.
  if (fitted_ && client.width > 0 && client.height > 0) base_scale = BaseScale(extents_, client);
}

void View3DState::SetMouseMode(MouseMode m) {
  mode = m;
  zoom_window = false;
}

void View3DState::SetZoomWindow(bool on) { zoom_window = on; }

void View3DState::Restart() {
  ax = ay = az = 0;
  zoom = 1;
  pan = centring_pan_;
}

void View3DState::Toggle(ShowItem item) {
  bool& flag = scene.show[static_cast<std::size_t>(item)];
  flag = !flag;
}

void View3DState::Press(ClientPoint at) {
  pressed_ = true;
  press_ = current_ = at;
  pan_at_press_ = pan;
  zoom_at_press_ = zoom;
  angles_at_press_[0] = ax;
  angles_at_press_[1] = ay;
  angles_at_press_[2] = az;
}

Vec3 View3DState::ScreenToWorld(double dx, double dy, const Matrix4& rotation) const {
  // Client y runs down, eye y up. The translation is applied before the scale, so
  // one world unit moves Scale() pixels: the scene follows the pointer.
  return rotation.Transposed().ApplyLinear({dx, -dy, 0}) * (1 / Scale());
}

void View3DState::Drag(ClientPoint at, bool shift, ClientSize client) {
  if (!pressed_) return;
  current_ = at;
  if (zoom_window || client.width <= 0 || client.height <= 0) return;
  double dx = at.x - press_.x;
  double dy = at.y - press_.y;
  switch (mode) {
    case MouseMode::kPanning:
      if (shift) KeepLarger(dx, dy);
      pan = pan_at_press_ + ScreenToWorld(dx, dy, Rotation());
      break;
    case MouseMode::kZooming:
      zoom = zoom_at_press_ * std::max(1 - dy / client.height, kLeastZoomDragFactor);
      break;
    case MouseMode::kRotating: {
      // About the screen's x axis for a vertical movement, its y axis for a
      // horizontal one, mapped into the scene's axes by the view at the press.
      double about_x = dy * 90 / client.height;
      double about_y = dx * 90 / client.width;
      if (shift) KeepLarger(about_x, about_y);
      const Matrix4 at_press = RotationOf(angles_at_press_[0], angles_at_press_[1], angles_at_press_[2]);
      const Vec3 change = at_press.Transposed().ApplyLinear({about_x, about_y, 0});
      ax = angles_at_press_[0] + change.x;
      ay = angles_at_press_[1] + change.y;
      az = angles_at_press_[2] + change.z;
      break;
    }
    case MouseMode::kNone: break;
  }
}

void View3DState::Release(ClientPoint at, ClientSize client) {
  if (!pressed_) return;
  current_ = at;
  pressed_ = false;
  if (!zoom_window) return;
  const int width = std::abs(at.x - press_.x);
  const int height = std::abs(at.y - press_.y);
  if (width == 0 || height == 0 || client.width <= 0 || client.height <= 0) return;
  const double cx = (at.x + press_.x) / 2.0;
  const double cy = (at.y + press_.y) / 2.0;
  pan = pan + ScreenToWorld(client.width / 2.0 - cx, client.height / 2.0 - cy, Rotation());
  zoom = zoom_at_press_ * std::min(static_cast<double>(client.height) / height, static_cast<double>(client.width) / width);
}

std::optional<ClientRect> View3DState::Selection() const {
  if (!pressed_ || !zoom_window) return std::nullopt;
  return ClientRect{std::min(press_.x, current_.x), std::min(press_.y, current_.y), std::abs(current_.x - press_.x),
                    std::abs(current_.y - press_.y)};
}

Matrix4 View3DState::Rotation() const { return RotationOf(ax, ay, az); }

Matrix4 View3DState::ModelView() const {
  return Rotation() * Matrix4::Scale(Scale()) * Matrix4::Translation(depth_offset_ + pan);
}

Matrix4 View3DState::Projection(ClientSize client) const {
  const double w = std::max(client.width, 1) / 2.0;
  const double h = std::max(client.height, 1) / 2.0;
  const Vec3 shift = depth_offset_ + pan;
  const double reach = std::sqrt(shift.x * shift.x + shift.y * shift.y + shift.z * shift.z);
  const double depth = Scale() * (2 * scene_size_ + reach) + 1000;
  return Matrix4::Ortho(-w, w, -h, h, -depth, depth);
}

WorldPoint View3DState::ToClient(const Vec3& world, ClientSize client) const {
  const Vec3 eye = ModelView().Apply(world);
  return {client.width / 2.0 + eye.x, client.height / 2.0 - eye.y};
}

double StepDeformationFactor(double factor, bool up) {
  if (!(factor > 0) || !std::isfinite(factor)) return 1;
  int e = static_cast<int>(std::floor(std::log10(factor)));
  int n = static_cast<int>(std::floor(factor / std::pow(10.0, e) + 1e-9));
  // log10 may land a hair off a power of ten: bring the digit back into 1..9.
  if (n >= 10) {
    n /= 10;
    ++e;
  } else if (n < 1) {
    --e;
    n = static_cast<int>(std::floor(factor / std::pow(10.0, e) + 1e-9));
  }
  if (up) return Decimal(n + 1, e);
  return n == 1 ? Decimal(9, e - 1) : Decimal(n - 1, e);
}

}  // namespace veldra::app::views

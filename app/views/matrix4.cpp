#include "app/views/matrix4.h"

#include <cmath>
#include <numbers>

namespace veldra::app::views {

Matrix4::Matrix4() {
  for (int i = 0; i < 4; ++i) At(i, i) = 1;
}

Matrix4 Matrix4::Rotation(double degrees, const Vec3& a) {
  const double r = degrees * std::numbers::pi / 180;
  const double c = std::cos(r);
  const double s = std::sin(r);
  const double t = 1 - c;
  Matrix4 m;
  m.At(0, 0) = t * a.x * a.x + c;
  m.At(0, 1) = t * a.x * a.y - s * a.z;
  m.At(0, 2) = t * a.x * a.z + s * a.y;
  m.At(1, 0) = t * a.x * a.y + s * a.z;
  m.At(1, 1) = t * a.y * a.y + c;
  m.At(1, 2) = t * a.y * a.z - s * a.x;
  m.At(2, 0) = t * a.x * a.z - s * a.y;
  m.At(2, 1) = t * a.y * a.z + s * a.x;
  m.At(2, 2) = t * a.z * a.z + c;
  return m;
}

Matrix4 Matrix4::Scale(double s) {
  Matrix4 m;
  for (int i = 0; i < 3; ++i) m.At(i, i) = s;
  return m;
}

Matrix4 Matrix4::Translation(const Vec3& t) {
  Matrix4 m;
  m.At(0, 3) = t.x;
  m.At(1, 3) = t.y;
  m.At(2, 3) = t.z;
  return m;
}

Matrix4 Matrix4::Ortho(double left, double right, double bottom, double top, double near, double far) {
  Matrix4 m;
  m.At(0, 0) = 2 / (right - left);
  m.At(1, 1) = 2 / (top - bottom);
  m.At(2, 2) = -2 / (far - near);
  m.At(0, 3) = -(right + left) / (right - left);
  m.At(1, 3) = -(top + bottom) / (top - bottom);
  m.At(2, 3) = -(far + near) / (far - near);
  return m;
}

Matrix4 Matrix4::operator*(const Matrix4& o) const {
  Matrix4 r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += At(i, k) * o.At(k, j);
      r.At(i, j) = sum;
    }
  }
  return r;
}

Vec3 Matrix4::Apply(const Vec3& p) const {
  return {At(0, 0) * p.x + At(0, 1) * p.y + At(0, 2) * p.z + At(0, 3),
          At(1, 0) * p.x + At(1, 1) * p.y + At(1, 2) * p.z + At(1, 3),
          At(2, 0) * p.x + At(2, 1) * p.y + At(2, 2) * p.z + At(2, 3)};
}

Vec3 Matrix4::ApplyLinear(const Vec3& v) const {
  return {At(0, 0) * v.x + At(0, 1) * v.y + At(0, 2) * v.z, At(1, 0) * v.x + At(1, 1) * v.y + At(1, 2) * v.z,
          At(2, 0) * v.x + At(2, 1) * v.y + At(2, 2) * v.z};
}

Matrix4 Matrix4::Transposed() const {
  Matrix4 r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) r.At(i, j) = At(j, i);
  return r;
}

std::array<float, 16> Matrix4::ToFloats() const {
  std::array<float, 16> f{};
  for (std::size_t i = 0; i < 16; ++i) f[i] = static_cast<float>(m_[i]);
  return f;
}

}  // namespace veldra::app::views

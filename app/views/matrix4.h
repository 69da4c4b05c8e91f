// 4 x 4 matrices of the 3D view's frame, column-major as OpenGL loads them, and the
// few operations the view needs.
#ifndef VELDRA_APP_VIEWS_MATRIX4_H
#define VELDRA_APP_VIEWS_MATRIX4_H

#include <array>

namespace veldra::app::views {

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
  Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
};

class Matrix4 {
 public:
  Matrix4();  // the identity

  static Matrix4 Rotation(double degrees, const Vec3& axis);  // right-handed, about a unit axis
  static Matrix4 Scale(double s);
  static Matrix4 Translation(const Vec3& t);
  // glOrtho(left, right, bottom, top, near, far).
  static Matrix4 Ortho(double left, double right, double bottom, double top, double near, double far);

  Matrix4 operator*(const Matrix4& o) const;
  Vec3 Apply(const Vec3& p) const;        // a point (w = 1)
  Vec3 ApplyLinear(const Vec3& v) const;  // a direction: no translation
  // The transpose: the inverse of a rotation.
  Matrix4 Transposed() const;

  double At(int row, int col) const { return m_[static_cast<std::size_t>(col * 4 + row)]; }
  double& At(int row, int col) { return m_[static_cast<std::size_t>(col * 4 + row)]; }
  std::array<float, 16> ToFloats() const;

 private:
  std::array<double, 16> m_{};
};

}  // namespace veldra::app::views

#endif  // VELDRA_APP_VIEWS_MATRIX4_H

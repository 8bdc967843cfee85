// SPDX-License-Identifier: MIT
// A point or a direction in graph space, and the few sums the surfaces, exact hiding and the
// meshes make with them.
#pragma once

#include <cmath>

struct Point3 {
  double x = 0, y = 0, z = 0;
  friend bool operator==(const Point3&, const Point3&) = default;
};

inline Point3 operator+(const Point3& a, const Point3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Point3 operator-(const Point3& a, const Point3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Point3 operator*(double t, const Point3& a) {
  return {t * a.x, t * a.y, t * a.z};
}
inline double dot(const Point3& a, const Point3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Point3 cross(const Point3& a, const Point3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// Every coordinate a number.
inline bool finite(const Point3& q) {
  return std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/vector.h"

#include <cmath>

#include "astro/angles.h"

namespace sdro {

tvektor operator+(const tvektor& a, const tvektor& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
tvektor operator-(const tvektor& a, const tvektor& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
tvektor operator*(double s, const tvektor& a) { return {s * a.x, s * a.y, s * a.z}; }
double dot(const tvektor& a, const tvektor& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
tvektor cross(const tvektor& a, const tvektor& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(const tvektor& a) { return std::sqrt(dot(a, a)); }

tvektor polar_to_cartesian(double l, double b, double r) {
  const double cb = cos_deg(b);
  return {r * cb * cos_deg(l), r * cb * sin_deg(l), r * sin_deg(b)};
}

void cartesian_to_angles(const tvektor& v, double& l, double& b) {
  b = atan2_deg(std::sqrt(v.x * v.x + v.y * v.y), v.z);
  l = normalize_degrees(atan2_deg(v.x, v.y));
}

tspherical cartesian_to_polar(const tvektor& v) {
  tspherical s;
  s.r = length(v);
  cartesian_to_angles(v, s.l, s.b);
  return s;
}

void matrix_times_vector(const tdrehmatrix& m, tvektor& v) { v = transformed(m, v); }

tvektor transformed(const tdrehmatrix& m, const tvektor& v) {
  return {m.m[0][0] * v.x + m.m[0][1] * v.y + m.m[0][2] * v.z,
          m.m[1][0] * v.x + m.m[1][1] * v.y + m.m[1][2] * v.z,
          m.m[2][0] * v.x + m.m[2][1] * v.y + m.m[2][2] * v.z};
}

tdrehmatrix matrix_product(const tdrehmatrix& a, const tdrehmatrix& b) {
  tdrehmatrix r;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    }
  }
  return r;
}

tdrehmatrix transposed(const tdrehmatrix& a) {
  tdrehmatrix r;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) r.m[i][j] = a.m[j][i];
  }
  return r;
}

tdrehmatrix rotation_x(double a) {
  double c = 0.0;
  const double s = sincos_deg(a, c);
  tdrehmatrix r;
  r.m[1][1] = c;
  r.m[1][2] = -s;
  r.m[2][1] = s;
  r.m[2][2] = c;
  return r;
}

tdrehmatrix rotation_z(double a) {
  double c = 0.0;
  const double s = sincos_deg(a, c);
  tdrehmatrix r;
  r.m[0][0] = c;
  r.m[0][1] = -s;
  r.m[1][0] = s;
  r.m[1][1] = c;
  return r;
}

tdrehmatrix matrix_from_three_angles(double a, double b, double c) {
  return matrix_product(rotation_z(c), matrix_product(rotation_x(b), rotation_z(a)));
}

}  // namespace sdro

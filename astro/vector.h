// Rectangular vectors, rotation matrices and the spherical conversions.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// Rectangular coordinates; AU for positions unless stated. x points to the
/// equinox, z to the pole of the reference plane (ecliptic or equator).
struct tvektor {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

/// 3×3 rotation matrix, row-major: m[row][column]; v' = M·v.
struct tdrehmatrix {
  double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

/// Spherical coordinates: longitude in [0, 360) and latitude in degrees, radius.
struct tspherical {
  double l = 0.0;
  double b = 0.0;
  double r = 0.0;
};

tvektor operator+(const tvektor& a, const tvektor& b);
tvektor operator-(const tvektor& a, const tvektor& b);
tvektor operator*(double s, const tvektor& a);
double dot(const tvektor& a, const tvektor& b);
tvektor cross(const tvektor& a, const tvektor& b);
double length(const tvektor& a);

/// (l, b, r) in degrees → rectangular.
tvektor polar_to_cartesian(double l, double b, double r);
/// Rectangular → (l in [0, 360), b, r) in degrees; the origin gives zeros.
tspherical cartesian_to_polar(const tvektor& v);
/// Rectangular → l in [0, 360) and b, without the radius.
void cartesian_to_angles(const tvektor& v, double& l, double& b);

/// v replaced by M·v.
void matrix_times_vector(const tdrehmatrix& m, tvektor& v);
/// M·v as a new vector.
tvektor transformed(const tdrehmatrix& m, const tvektor& v);
/// Product A·B.
tdrehmatrix matrix_product(const tdrehmatrix& a, const tdrehmatrix& b);
/// Transpose (the inverse of a rotation).
tdrehmatrix transposed(const tdrehmatrix& a);

/// Active rotations by an angle in degrees (the vector turns, the axes stay):
/// Rx(a) = [[1, 0, 0], [0, cos a, −sin a], [0, sin a, cos a]],
/// Rz(a) = [[cos a, −sin a, 0], [sin a, cos a, 0], [0, 0, 1]].
tdrehmatrix rotation_x(double a);
tdrehmatrix rotation_z(double a);

/// Orbit orientation Rz(c)·Rx(b)·Rz(a) from three angles in degrees; with
/// (a, b, c) = (ω, i, Ω) its columns are the Gauss vectors P, Q, W.
tdrehmatrix matrix_from_three_angles(double a, double b, double c);

}  // namespace sdro

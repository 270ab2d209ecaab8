// Angular separation of two points on the sphere.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// Separation of (α1, δ1) and (α2, δ2), all in degrees, in degrees; negative
/// when δ2 > δ1. The cosine formula serves from 10′ up; below it the
/// haversine formula, which keeps full precision for tiny separations and
/// at the poles. Any right ascensions are allowed (the difference is taken
/// modulo 360°). Accuracy better than 1e-9″ for separations below 10′ and
/// 1e-6″ elsewhere.
double angular_separation(double alpha1, double alpha2, double delta1, double delta2);

}  // namespace sdro

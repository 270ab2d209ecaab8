// Range checks shared by the catalogue file readers: a record whose fields
// are not finite or lie outside their physical range is not taken.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

namespace sdro {

/// A right ascension (any finite value) and a declination within ±90°.
inline bool valid_place(double ra, double dec) {
  return std::isfinite(ra) && std::isfinite(dec) && dec >= -90.0 && dec <= 90.0;
}
/// A proper motion of at most 1° per year.
inline bool valid_proper_motion(double mu) { return std::isfinite(mu) && std::fabs(mu) <= 1.0; }
/// A magnitude in hundredths within ±30 mag.
inline bool valid_magnitude(std::int32_t hundredths) { return hundredths >= -3000 && hundredths <= 3000; }
/// A unit vector as the files store it (length within 1 ± 0.001).
inline bool valid_unit_vector(double x, double y, double z) {
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return false;
  return std::fabs(std::sqrt(x * x + y * y + z * z) - 1.0) <= 1e-3;
}
}  // namespace sdro

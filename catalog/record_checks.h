// Range checks shared by the catalogue file readers: a record whose fields
// are not finite or lie outside their physical range is not taken; the head
// the line and deep-sky records share.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

#include "astro/binary_io.h"
#include "catalog/sky_places.h"

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

/// The head of a line-file and a deep-sky record: the place of date
/// (degrees) and the unit vector of the equinox 1950.0.
struct tplace_and_vector {
  float ra = 0.0f, dec = 0.0f;
  float x = 1.0f, y = 0.0f, z = 0.0f;
  bool valid() const { return valid_place(ra, dec) && valid_unit_vector(x, y, z); }
};
inline tplace_and_vector read_place_and_vector(tbytereader& r) {
  tplace_and_vector p;
  p.ra = r.f32();
  p.dec = r.f32();
  p.x = r.f32();
  p.y = r.f32();
  p.z = r.f32();
  return p;
}
/// Writes the head into a line point or deep-sky object.
template <class Record>
void take_place_and_vector(Record& record, const tplace_and_vector& p) {
  record.ra_date = float_ra(p.ra);
  record.dec_date = p.dec;
  record.x1950 = p.x;
  record.y1950 = p.y;
  record.z1950 = p.z;
}

}  // namespace sdro

/* SPDX-License-Identifier: GPL-3.0-or-later */
/* lunatheo: stand-in for the outside lunar theory library. Same two
 * functions, same meaning; see libs/lunatheo/README.md.
 *
 * ping_elp(): identification code, 17 for the working library.
 * ELP82B(jd, x, y, z, precision): geocentric rectangular position of the
 *   Moon in km, mean ecliptic and equinox of J2000.0 (inertial frame), at
 *   the Julian Date jd of dynamical time (TDB). precision: see
 *   libs/README.md; -1 (any negative value) evaluates the complete series.
 *   Defined for every jd; far from J2000.0 the series lose accuracy but the
 *   results stay finite.
 */
#ifndef SDRO_LIBS_LUNATHEO_LUNATHEO_H
#define SDRO_LIBS_LUNATHEO_LUNATHEO_H

#include <stdint.h>

#if defined(SDRO_BUILDING_THEORY_LIBRARY)
#define SDRO_LUNATHEO_API __attribute__((visibility("default")))
#else
#define SDRO_LUNATHEO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

SDRO_LUNATHEO_API int32_t ping_elp(void);
SDRO_LUNATHEO_API void ELP82B(double jd, double* x, double* y, double* z, double precision);

#ifdef __cplusplus
}
#endif

#endif

/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Import declarations of the planetary theory libraries plantheoc and
 * plantheod and of the lunar library lunatheo (declared in
 * libs/lunatheo/lunatheo.h). Link with the CMake targets plantheoc,
 * plantheod and lunatheo: the libraries are bound at load time.
 *
 * Only doubles by value and pointers to the caller's doubles cross the
 * boundary; the libraries keep no state. Calling convention: the platform's
 * C convention.
 *
 * T: Julian centuries of dynamical time (TDB) from J2000.0.
 * precision: the truncation of the series, see libs/README.md; -1 (any
 * negative value) evaluates the complete series.
 * Identification codes of the working libraries: ping() == 112,
 * ping_c() == 113, ping_elp() == 17; the placeholders answer 3 (and 0 for
 * the lunar placeholder).
 */
#ifndef SDRO_LIBS_THEORY_LIBRARIES_H
#define SDRO_LIBS_THEORY_LIBRARIES_H

#include <stdint.h>

#include "libs/lunatheo/lunatheo.h"

#if defined(SDRO_BUILDING_THEORY_LIBRARY)
#define SDRO_THEORY_API __attribute__((visibility("default")))
#else
#define SDRO_THEORY_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* plantheoc: heliocentric rectangular position (AU) and velocity (AU per
 * day), mean dynamical ecliptic and equinox of date. vsopcsun gives the
 * Earth (negate for the geocentric Sun). */
SDRO_THEORY_API void vsopcsun(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz,
                              double precision);
SDRO_THEORY_API void vsop_c_jup(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz,
                                double precision);
SDRO_THEORY_API void vsop_c_mar(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz,
                                double precision);
SDRO_THEORY_API void vsop_c_mer(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz,
                                double precision);
SDRO_THEORY_API void vsop_c_nep(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz,
                                double precision);
SDRO_THEORY_API void vsop_c_sat(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz,
                                double precision);
SDRO_THEORY_API void vsop_c_ura(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz,
                                double precision);
SDRO_THEORY_API void vsop_c_ven(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz,
                                double precision);
SDRO_THEORY_API int32_t ping_c(void);

/* plantheod: heliocentric longitude L and latitude B (degrees, L in
 * [0, 360)) and radius vector R (AU), mean dynamical ecliptic and equinox
 * of date. vsopsun_l gives the geometric geocentric Sun: the Earth's
 * L + 180 degrees, -B, R. */
SDRO_THEORY_API void vsopmerkur_hel(double T, double* L, double* B, double* R, double precision);
SDRO_THEORY_API void vsopsun_l(double T, double* L, double* B, double* R, double precision);
SDRO_THEORY_API void vsopmars_hel(double T, double* L, double* B, double* R, double precision);
SDRO_THEORY_API void vsopjupiter_hel(double T, double* L, double* B, double* R, double precision);
SDRO_THEORY_API void vsopvenus_hel(double T, double* L, double* B, double* R, double precision);
SDRO_THEORY_API void vsopsaturn_hel(double T, double* L, double* B, double* R, double precision);
SDRO_THEORY_API void vsopuranus_hel(double T, double* L, double* B, double* R, double precision);
SDRO_THEORY_API void vsopneptun_hel(double T, double* L, double* B, double* R, double precision);
SDRO_THEORY_API int32_t ping(void);

#ifdef __cplusplus
}
#endif

#endif

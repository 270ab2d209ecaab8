"""Star places in the program's own model of the catalogue files:
alpha = alpha0 + years * mu_alpha, delta = delta0 + years * mu_delta in the
frame of the catalogue equinox (mu_alpha in degrees of right ascension per
year, not multiplied by cos delta), then precession to the date.

catalogue_place(entry, t0) gives (alpha0, delta0, mu_alpha, mu_delta) for a
catalogue of epoch and equinox t0 (Julian centuries from J2000.0) such that
the program's forward step returns the star's J2000 place at J2000.0 and its
motion there.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math

from common import unit_vector, ra_dec, normalise, add, f32
from precession import precession_matrix, rotate, rotate_back

MAS = math.radians(1.0 / 3.6e6)
DERIVATIVE_SPAN_YEARS = 10.0


def _j2000_vector_at(entry, years):
    """Unit vector of the star at J2000 + years, by uniform motion on the tangent plane."""
    v = unit_vector(entry.ra, entry.dec)
    a, d = math.radians(entry.ra), math.radians(entry.dec)
    east = (-math.sin(a), math.cos(a), 0.0)
    north = (-math.sin(d) * math.cos(a), -math.sin(d) * math.sin(a), math.cos(d))
    step = add(east, north, entry.pmdec / entry.pmra) if entry.pmra else north
    k = entry.pmra * MAS * years if entry.pmra else entry.pmdec * MAS * years
    return normalise(add(v, step, k))


def _unwrap(a, reference):
    return a + 360.0 * round((reference - a) / 360.0)


def catalogue_place(entry, t0):
    """(alpha0, delta0, mu_alpha, mu_delta), degrees and degrees per year."""
    to_2000 = precession_matrix(0.0, t0)
    h = DERIVATIVE_SPAN_YEARS
    places = [ra_dec(rotate_back(to_2000, _j2000_vector_at(entry, y))) for y in (-h, 0.0, h)]
    ra_mid, dec_mid = places[1]
    ra_lo = _unwrap(places[0][0], ra_mid)
    ra_hi = _unwrap(places[2][0], ra_mid)
    mu_a = (ra_hi - ra_lo) / (2.0 * h)
    mu_d = (places[2][1] - places[0][1]) / (2.0 * h)
    years = -t0 * 100.0
    return (ra_mid - years * mu_a) % 360.0, dec_mid - years * mu_d, mu_a, mu_d


def forward_place(ra0, dec0, mu_a, mu_d, t0, t):
    """The program's step: move in the catalogue frame, then precess to t."""
    years = (t - t0) * 100.0
    v = unit_vector(ra0 + years * mu_a, dec0 + years * mu_d)
    return ra_dec(rotate(precession_matrix(t, t0), v))


def stored(values):
    """The values as the 32-bit floats the files hold."""
    return tuple(f32(x) for x in values)

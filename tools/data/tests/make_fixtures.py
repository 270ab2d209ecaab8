"""Reference places for the checks of the shipped star files, from sources
independent of them: the star list of PyEphem (Hipparcos places and proper
motions at J2000.0) carried to the epoch with ERFA's eraPmsafe and referred
to the mean equator and equinox of the epoch with ERFA's IAU 1976
precession (eraPmat76).

    /usr/bin/python3 tools/data/tests/make_fixtures.py   (writes tests/data/star_places.csv)
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import ctypes
import math
import os

import ephem
import ephem.stars

ERFA = ctypes.CDLL('liberfa.so.1')
D = ctypes.c_double
ERFA.eraPmsafe.argtypes = [D] * 10 + [ctypes.POINTER(D)] * 6
ERFA.eraPmat76.argtypes = [D, D, (D * 3) * 3]
EPOCHS = {'1950': 1950.0, '2025': 2025.0}   # Julian epochs
MAX_NAME = 8


def julian_epoch_jd(year):
    return 2451545.0 + (year - 2000.0) * 365.25


def mean_place(star, year):
    """(ra, dec) in degrees, mean equator and equinox of the Julian epoch."""
    ra, dec = float(star._ra), float(star._dec)
    pmr = star._pmra / math.cos(dec) / 3.6e6 / 180.0 * math.pi     # radians of RA per year
    pmd = star._pmdec / 3.6e6 / 180.0 * math.pi
    out = [D() for _ in range(6)]
    ERFA.eraPmsafe(ra, dec, pmr, pmd, 0.0, 0.0, 2451545.0, 0.0, julian_epoch_jd(year), 0.0,
                   *[ctypes.byref(o) for o in out])
    v = (math.cos(out[1].value) * math.cos(out[0].value), math.cos(out[1].value) * math.sin(out[0].value),
         math.sin(out[1].value))
    m = ((D * 3) * 3)()
    ERFA.eraPmat76(julian_epoch_jd(year), 0.0, m)
    w = [sum(m[i][k] * v[k] for k in range(3)) for i in range(3)]
    return math.degrees(math.atan2(w[1], w[0])) % 360.0, math.degrees(math.asin(w[2]))


def main():
    rows = ['# name,epoch,ra_deg,dec_deg  (mean place of the epoch, see make_fixtures.py)']
    names = sorted(line.split(',')[0] for line in ephem.stars.db.strip().split('\n'))
    for name in names:
        if len(name) > MAX_NAME:
            continue
        star = ephem.star(name)
        for label, year in EPOCHS.items():
            ra, dec = mean_place(star, year)
            rows.append(f'{name},{label},{ra:.7f},{dec:.7f}')
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'data', 'star_places.csv')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(rows) + '\n')
    print(f'{len(rows) - 1} reference places written to {path}')


if __name__ == '__main__':
    main()

"""Correcting the Hipparcos stars of the source whose stored place is not at
epoch J2000.0 but about 8 years earlier (a fault of the source files, seen
only for fast stars: Lacaille 9352 is 59" off, 61 Cyg A 44").

A fast star (proper motion of 100 mas/yr or more) takes the J2000 place of
KStars' Hipparcos-based stars.dat when a star of that list matches it in
magnitude and motion, and the source place lies behind that place along the
motion by 5 to 11 years of it.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math

from common import check, separation_deg, unit_vector, ra_dec

FAST_MAS = 100.0
SEARCH_ARCSEC = 150.0
YEARS_BEHIND = (5.0, 11.0)


def read_kstars_stars(path):
    """[(ra, dec, pmra*, pmdec, V)] of KStars' stars.dat (J2000, mas/yr)."""
    out = []
    with open(path, encoding='latin-1') as f:
        for line in f:
            if line.startswith('#') or len(line) < 51:
                continue
            ra = (int(line[0:2]) + int(line[2:4]) / 60.0 + float(line[4:9]) / 3600.0) * 15.0
            sign = -1.0 if line[10] == '-' else 1.0
            dec = sign * (int(line[11:13]) + int(line[13:15]) / 60.0 + float(line[15:19]) / 3600.0)
            out.append((ra, dec, float(line[20:29]), float(line[29:38]), float(line[45:51])))
    check(len(out) > 100000, f'only {len(out)} stars in stars.dat')
    return out


def _cells(stars):
    cells = {}
    for s in stars:
        cells.setdefault((int(math.floor(s[1])), int(math.floor(s[0]))), []).append(s)
    return cells


def corrected(star, cells):
    """The star with its J2000 place repaired, or None when nothing is to repair."""
    mu = math.hypot(star.pmra, star.pmdec)
    if not star.hip or mu < FAST_MAS:
        return None
    v = unit_vector(star.ra, star.dec)
    near = [s for dd in (-1, 0, 1) for dr in (-1, 0, 1)
            for s in cells.get((int(math.floor(star.dec)) + dd, (int(math.floor(star.ra)) + dr) % 360), [])]
    best = None
    for ra, dec, pma, pmd, mag in near:
        sep = separation_deg(v, unit_vector(ra, dec)) * 3600.0
        if sep > SEARCH_ARCSEC or abs(mag - star.vmag) > 0.6:
            continue
        if math.hypot(pma - star.pmra, pmd - star.pmdec) > 0.1 * mu + 20.0:
            continue
        if best is None or sep < best[0]:
            best = (sep, ra, dec)
    if best is None or best[0] < 1.0:
        return None
    _, ra, dec = best
    # offset of the stored place from the reference, in the local east/north frame, arcsec
    de = (star.ra - ra + 180.0) % 360.0 - 180.0
    east = de * math.cos(math.radians(dec)) * 3600.0
    north = (star.dec - dec) * 3600.0
    years = -(east * star.pmra + north * star.pmdec) / (mu * mu) * 1000.0
    across = abs(east * star.pmdec - north * star.pmra) / mu
    if not (YEARS_BEHIND[0] <= years <= YEARS_BEHIND[1]) or across > 0.2 * best[0] + 0.5:
        return None
    return star._replace(ra=ra, dec=dec)


def repair_epochs(stars, kstars_path):
    """Stars with the faulty epochs repaired, and how many were."""
    cells = _cells(read_kstars_stars(kstars_path))
    out, fixed = [], 0
    for s in stars:
        c = corrected(s, cells)
        if c is not None:
            fixed += 1
        out.append(c or s)
    return out, fixed

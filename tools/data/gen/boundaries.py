"""IAU constellation boundaries as polylines on the J2000 sky.

The boundaries are arcs of constant right ascension or declination of the
equinox B1875.0. The corners (J2000 in the source) are taken back to B1875,
every arc is filled with points along its B1875 parallel or meridian with a
common largest step chosen to use the point budget, and all points are
precessed back to J2000.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math

from common import check, ra_dec, unit_vector
from precession import J2000_FROM_1875, rotate, rotate_back

CORNER_TOLERANCE_DEG = 0.01   # corners of one arc share RA or Dec of 1875 to this


def _wrapped(dra):
    return (dra + 180.0) % 360.0 - 180.0


def _is_arc(a, b):
    """True when a-b runs along a B1875 parallel or meridian (corners (ra, dec))."""
    dra = _wrapped(b[0] - a[0])
    return min(abs(b[1] - a[1]), abs(dra) * math.cos(math.radians(max(abs(a[1]), abs(b[1]))))) <= CORNER_TOLERANCE_DEG


def repair_corners(corners):
    """[(a, b, dra)] arcs of a polyline. A run of corners that are joined by
    neither parallels nor meridians, between two corners of one declination,
    is one arc along that parallel (the source fills the arc near the pole
    with stray points); any other such run is refused."""
    arcs = []
    i = 0
    while i < len(corners) - 1:
        if _is_arc(corners[i], corners[i + 1]):
            arcs.append((corners[i], corners[i + 1], _wrapped(corners[i + 1][0] - corners[i][0])))
            i += 1
            continue
        j = i + 1
        while j < len(corners) - 1 and not _is_arc(corners[j], corners[j + 1]):
            j += 1
        check(abs(corners[j][1] - corners[i][1]) <= CORNER_TOLERANCE_DEG,
              f'boundary run {corners[i]}..{corners[j]} is no B1875 arc')
        total = sum(_wrapped(corners[k + 1][0] - corners[k][0]) for k in range(i, j))
        arcs.append((corners[i], corners[j], total))
        i = j
    return arcs


def _arc_points(a, b, dra, step):
    """Points after a up to and including b along a B1875 arc; a, b are (ra, dec)."""
    (ra1, d1), (ra2, d2) = a, b
    along_parallel = abs(d2 - d1) < abs(dra) * math.cos(math.radians((d1 + d2) / 2))
    if along_parallel:
        length = abs(dra) * math.cos(math.radians(d1))
        dec = (d1 + d2) / 2.0
        check(abs(d2 - d1) <= CORNER_TOLERANCE_DEG, f'arc {a}-{b} is not a B1875 parallel')
        n = max(1, int(math.ceil(length / step)))
        return [((ra1 + dra * k / n) % 360.0, dec) for k in range(1, n)] + [b]
    check(abs(dra) * math.cos(math.radians(max(abs(d1), abs(d2)))) <= CORNER_TOLERANCE_DEG,
          f'arc {a}-{b} is not a B1875 meridian')
    n = max(1, int(math.ceil(abs(d2 - d1) / step)))
    ra = (ra1 + dra / 2.0) % 360.0
    return [(ra, d1 + (d2 - d1) * k / n) for k in range(1, n)] + [b]


def _to_1875(lon, lat):
    return ra_dec(rotate_back(J2000_FROM_1875, unit_vector(lon % 360.0, lat)))


def densified_lines(lines_j2000, step):
    """[[J2000 unit vector]] for the polylines given as [[(lon, lat)]] in J2000."""
    out = []
    for line in lines_j2000:
        corners = [_to_1875(lon, lat) for lon, lat in line]
        pts = [corners[0]]
        for a, b, dra in repair_corners(corners):
            pts += _arc_points(a, b, dra, step)
        out.append([rotate(J2000_FROM_1875, unit_vector(ra, dec)) for ra, dec in pts])
    return out


def lines_to_budget(lines_j2000, budget):
    """The densified lines with the smallest step whose points fit the budget."""
    lo, hi = 0.01, 30.0
    best = None
    for _ in range(50):
        mid = math.sqrt(lo * hi)
        lines = densified_lines(lines_j2000, mid)
        if sum(len(l) for l in lines) <= budget:
            best, hi = (mid, lines), mid
        else:
            lo = mid
    check(best is not None, 'boundaries do not fit their budget')
    return best

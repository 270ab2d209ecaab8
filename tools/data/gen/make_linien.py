"""linien.dat: the line points of the sky charts, 28-byte records, in the
fixed index ranges the chart draws from:

    1..118       figures of the zodiacal constellations
    119..577     figures of the other constellations
    578..6718    constellation boundaries
    6719..7409   Milky Way, coarse (outermost contour)
    7410..7829   Milky Way, fine (third contour)
    7830..8571   Milky Way, medium (second contour)
    8572..8921   Milky Way, very fine (the two brightest contours)
    8922..       outlines of deep-sky objects

Each source is simplified (or densified) to fill its range; a range that is
not full is padded with its last point repeated as a move. The pen byte is
non-zero where a new polyline starts.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import json
import math
import os
import struct

import boundaries
import figures
import sphere_simplify
from common import check, cli_folders, report, run, unit_vector, ra_dec, write_atomically, f32, separation_deg
from precession import J2000_FROM_1950, rotate, to_1950

CAPACITY = 13649
CACHED_YEAR = 2000
RECORD = struct.Struct('<fffffB3xi')
ZODIAC = ('Ari', 'Tau', 'Gem', 'Cnc', 'Leo', 'Vir', 'Lib', 'Sco', 'Sgr', 'Cap', 'Aqr', 'Psc')
# (first, last) point of each range, 1-based
RANGES = [('zodiac figures', 1, 118), ('other figures', 119, 577), ('boundaries', 578, 6718),
          ('Milky Way coarse', 6719, 7409), ('Milky Way fine', 7410, 7829),
          ('Milky Way medium', 7830, 8571), ('Milky Way very fine', 8572, 8921)]
# The longest drawn segment allowed in each range, degrees. Stick figures join
# stars up to 25.6 deg apart in the source (the longest kept one is 21.9 deg);
# the Milky Way contours, the boundaries and the outlines have no step above
# 8 deg. A longer segment is a false line across the sky.
MAX_SEGMENT_DEG = {'zodiac figures': 30.0, 'other figures': 30.0}
MAX_SEGMENT_OTHERS_DEG = 12.0
MILKY_WAY_LEVELS = {'Milky Way coarse': ('ol1',), 'Milky Way fine': ('ol3',),
                    'Milky Way medium': ('ol2',), 'Milky Way very fine': ('ol4', 'ol5')}


def _lonlat(p):
    return unit_vector(p[0] % 360.0, p[1])


def polylines_to_points(lines):
    """[(J2000 unit vector, pen)] with pen 1 at the start of every polyline."""
    return [(v, 1 if k == 0 else 0) for line in lines for k, v in enumerate(line)]


def figure_points(d3, budget, zodiac):
    data = json.load(open(os.path.join(d3, 'constellations.lines.json')))
    stars = json.load(open(os.path.join(d3, 'stars.6.json')))['features']
    bright = [(_lonlat(s['geometry']['coordinates']), s['properties']['mag']) for s in stars]
    cells = {}
    for v, mag in bright:
        ra, dec = ra_dec(v)
        cells.setdefault((int(dec), int(ra // 5)), []).append((v, mag))

    def magnitude(vertex):
        v = _lonlat(vertex)
        ra, dec = ra_dec(v)
        near = [c for dd in (-1, 0, 1) for dr in (-1, 0, 1)
                for c in cells.get((int(dec) + dd, (int(ra // 5) + dr) % 72), [])]
        close = [mag for w, mag in near if separation_deg(v, w) < 0.05]
        return min(close) if close else 6.5

    figs = {}
    for f in data['features']:
        if (f['id'] in ZODIAC) != zodiac:
            continue
        edges = figs.setdefault(f['id'], set())   # Serpens comes in two parts
        for line in f['geometry']['coordinates']:
            for a, b in zip(line, line[1:]):
                a, b = tuple(a), tuple(b)
                if a != b:
                    edges.add(tuple(sorted((a, b))))
    check(len(figs) == (12 if zodiac else 76), f'{len(figs)} figures found')
    pruned = figures.prune_to_budget(figs, magnitude, budget)
    lines = []
    for name in sorted(pruned):
        lines += [[_lonlat(p) for p in trail] for trail in figures.euler_trails(pruned[name])]
    kept = sum(len(e) for e in pruned.values())
    print(f'  figures ({"zodiac" if zodiac else "others"}): {kept} of {sum(len(e) for e in figs.values())} segments kept')
    return polylines_to_points(lines)


def boundary_points(d3, budget):
    data = json.load(open(os.path.join(d3, 'constellations.borders.json')))
    lines = [l for f in data['features'] for l in f['geometry']['coordinates']]
    step, dense = boundaries.lines_to_budget(lines, budget)
    print(f'  boundaries: {len(lines)} polylines, points every {step:.2f} deg or closer')
    return polylines_to_points(dense)


def milky_way_points(d3, levels, budget):
    data = json.load(open(os.path.join(d3, 'mw.json')))
    rings = []
    for f in data['features']:
        if f['id'] in levels:
            for polygon in f['geometry']['coordinates']:
                for ring in polygon:
                    pts = [_lonlat(p) for p in ring]
                    rings.append(pts[:-1] if pts[0] == pts[-1] else pts)
    tol, kept = sphere_simplify.rings_to_budget(rings, budget)
    print(f'  Milky Way {"+".join(levels)}: {len(kept)} of {len(rings)} contours, tolerance {tol:.3f} deg')
    return polylines_to_points([ring + ring[:1] for ring in kept])


def outline_points(stellarium, budget):
    lines, current = [], None
    with open(os.path.join(stellarium, 'nebulae', 'default', 'outlines.dat'), encoding='utf-8') as f:
        for raw in f:
            parts = raw.split()
            if not parts or parts[0].startswith('#'):
                continue
            v = unit_vector(float(parts[0]) * 15.0, float(parts[1]))
            if parts[2] == 'start':
                current = [v]
                lines.append(current)
            else:
                check(current is not None, 'outline vertex before its start')
                current.append(v)
    lines = [l + l[:1] if separation_deg(l[0], l[-1]) > 1e-6 else l for l in lines]
    points = polylines_to_points(lines)
    check(len(points) <= budget, f'{len(points)} outline points exceed the {budget} left')
    print(f'  deep-sky outlines: {len(lines)} outlines')
    return points


def pad(points, size):
    check(points and len(points) <= size, f'{len(points)} points for a range of {size}')
    return points + [(points[-1][0], 1)] * (size - len(points))


def check_segments(name, part):
    """A range starts with a move and no drawn segment in it is
    longer than the range allows; returns the longest one (degrees)."""
    check(part[0][1] == 1, f'{name} does not start a new polyline')
    bound = MAX_SEGMENT_DEG.get(name, MAX_SEGMENT_OTHERS_DEG)
    longest = 0.0
    for k in range(1, len(part)):
        if part[k][1] == 0:
            step = separation_deg(part[k - 1][0], part[k][0])
            check(step <= bound, f'{name}: point {k + 1} of the range is drawn from a point '
                                 f'{step:.1f} deg away (at most {bound:g} allowed)')
            longest = max(longest, step)
    return longest


def line_record(v2000, pen):
    v = tuple(f32(x) for x in to_1950(v2000))
    ra, dec = ra_dec(rotate(J2000_FROM_1950, v))
    return RECORD.pack(ra, dec, v[0], v[1], v[2], pen, CACHED_YEAR)


def main(argv):
    args = cli_folders(argv, __doc__)
    d3 = os.path.join(args.cache, 'd3-celestial', 'package', 'data')
    stellarium = os.path.join(args.cache, 'stellarium-data', 'usr', 'share', 'stellarium')
    points, longest = [], {}
    for name, first, last in RANGES:
        check(len(points) == first - 1, f'{name} does not start at point {first}')
        size = last - first + 1
        if name == 'zodiac figures':
            part = figure_points(d3, size, zodiac=True)
        elif name == 'other figures':
            part = figure_points(d3, size, zodiac=False)
        elif name == 'boundaries':
            part = boundary_points(d3, size)
        else:
            part = milky_way_points(d3, MILKY_WAY_LEVELS[name], size)
        part = pad(part, size)
        longest[name] = check_segments(name, part)
        points += part
    part = outline_points(stellarium, CAPACITY - len(points))
    longest['deep-sky outlines'] = check_segments('deep-sky outlines', part)
    points += part
    print('  longest drawn segment: ' + ', '.join(f'{n} {d:.2f}' for n, d in longest.items()) + ' deg')
    check(len(points) <= CAPACITY, f'{len(points)} points exceed the capacity {CAPACITY}')
    data = b''.join(line_record(v, pen) for v, pen in points)
    check(RECORD.size == 28 and len(data) == 28 * len(points), 'record size is not 28 bytes')
    write_atomically(os.path.join(args.out, 'linien.dat'), data)
    report('linien.dat', len(points), len(data))


if __name__ == '__main__':
    run(main)

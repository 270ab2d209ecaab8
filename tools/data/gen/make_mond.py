"""The lunar formation files of the Moon map, from the IAU/USGS Gazetteer of
Planetary Nomenclature (as shipped in stellarium-data's nomenclature.dat):

  sdk.dat    craters (named craters and their satellite craters), 32-byte
             records, largest diameter first; longitude positive WEST
             (the Moon map negates it), latitude north, diameter km, name
  sdkm.dat   outlines of maria, oceanus, lacus, sinus and paludes, 12-byte
             points; longitude positive EAST (used as stored). The gazetteer
             has no outlines: each outline is the circle of the feature's
             stated size around its centre, an approximation.
  sdkmn.dat  names of those and of the mountains (montes, mons), 32-byte
             records, longitude positive EAST, largest first
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import gzip
import math
import os
import re
import struct

from common import check, cli_folders, report, run, short_string, to_cp1252, write_atomically, zero_padded

MOON_RADIUS_KM = 1737.4
CRATER = struct.Struct('<fff20s')
OUTLINE_POINT = struct.Struct('<ffB3x')
NAME_RECORD = struct.Struct('<ff24s')
CRATER_TYPES = ('AA', 'SF')
AREA_TYPES = ('ME', 'OC', 'LC', 'SI', 'PA')
NAMED_TYPES = AREA_TYPES + ('MO',)
OUTLINE_POINTS = 48
NAME = re.compile(r'^_\("(.*?)"(,"[^"]*")?\)$')


def east_longitude(lon):
    """Gazetteer longitude (0..360 east, sometimes negative) in (-180, 180]."""
    lon = math.fmod(lon, 360.0)
    if lon > 180.0:
        lon -= 360.0
    if lon <= -180.0:
        lon += 360.0
    return lon


def read_features(path):
    """[(type, name, latitude, east longitude, size km)] of the Moon."""
    out = []
    with gzip.open(path, 'rt', encoding='utf-8') as f:
        for line in f:
            if line.startswith('#') or not line.strip():
                continue
            fields = line.rstrip('\n').split('\t')
            if fields[0] != 'Moon':
                continue
            check(len(fields) >= 7, f'nomenclature: short line {line!r}')
            m = NAME.match(fields[2])
            check(m is not None, f'nomenclature: unexpected name field {fields[2]!r}')
            out.append((fields[3], m.group(1), float(fields[4]), east_longitude(float(fields[5])),
                        float(fields[6]) if fields[6] else 0.0))
    return out


def encoded(name, width):
    raw = to_cp1252(name)
    check(raw is not None, f'{name!r} has no Windows-1252 form')
    return raw[:width]


def circle(lat, lon, diameter_km):
    """Points of the small circle of the given diameter around (lat, lon), degrees."""
    r = diameter_km / 2.0 / MOON_RADIUS_KM
    la, lo = math.radians(lat), math.radians(lon)
    pts = []
    for k in range(OUTLINE_POINTS + 1):
        az = 2.0 * math.pi * (k % OUTLINE_POINTS) / OUTLINE_POINTS
        plat = math.asin(math.sin(la) * math.cos(r) + math.cos(la) * math.sin(r) * math.cos(az))
        plon = lo + math.atan2(math.sin(az) * math.sin(r) * math.cos(la),
                               math.cos(r) - math.sin(la) * math.sin(plat))
        pts.append((math.degrees(plat), east_longitude(math.degrees(plon))))
    return pts


def main(argv):
    args = cli_folders(argv, __doc__)
    path = os.path.join(args.cache, 'stellarium-data', 'usr', 'share', 'stellarium', 'data', 'nomenclature.dat')
    features = read_features(path)
    craters = sorted((f for f in features if f[0] in CRATER_TYPES and f[4] > 0),
                     key=lambda f: (-f[4], f[1]))
    check(len(craters) > 8000, f'only {len(craters)} craters')
    data = b''.join(CRATER.pack(-lon, lat, size, zero_padded(encoded(name, 20), 20))
                    for _, name, lat, lon, size in craters)
    sizes = [CRATER.unpack_from(data, 32 * i)[2] for i in range(len(craters))]
    check(all(a >= b for a, b in zip(sizes, sizes[1:])), 'craters not sorted by diameter')
    write_atomically(os.path.join(args.out, 'sdk.dat'), data)
    report('sdk.dat', len(craters), len(data))

    areas = sorted((f for f in features if f[0] in AREA_TYPES and f[4] > 0), key=lambda f: (-f[4], f[1]))
    points = b''
    for _, _, lat, lon, size in areas:
        for k, (plat, plon) in enumerate(circle(lat, lon, size)):
            points += OUTLINE_POINT.pack(plon, plat, 1 if k == 0 else 0)
    write_atomically(os.path.join(args.out, 'sdkm.dat'), points)
    report('sdkm.dat', len(points) // 12, len(points))

    named = sorted((f for f in features if f[0] in NAMED_TYPES), key=lambda f: (-f[4], f[1]))
    check(len(named) > 100, f'only {len(named)} maria and mountains')
    names = b''.join(NAME_RECORD.pack(lon, lat, short_string(encoded(name, 23), 23))
                     for _, name, lat, lon, _ in named)
    write_atomically(os.path.join(args.out, 'sdkmn.dat'), names)
    report('sdkmn.dat', len(named), len(names))


if __name__ == '__main__':
    run(main)

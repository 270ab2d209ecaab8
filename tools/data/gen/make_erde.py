"""The Earth map files.

Sdkg.dat   coastlines, lake shores and islands of the Micro World Data Bank II
           (public domain; marble-qt-data's PCOAST, PISLAND, PLAKE), 8-byte
           records: float latitude, float longitude (degrees, east positive);
           a record with latitude 9999 starts a segment, its second field the
           segment number (1, 2, ...).
Sdkg2.dat  cities: every capital and the cities of a million people and more
           (GeoNames), 52-byte records: float latitude, float longitude
           (degrees, WEST positive: the program negates it), the name as a
           length byte and up to 43 Windows-1252 characters.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import struct

from common import check, cli_folders, report, run, short_string, to_cp1252, write_atomically
from marble_places import read_places

POINT = struct.Struct('<ff')
CITY = struct.Struct('<ff44s')
SEGMENT_MARK = 9999.0
MAP_FILES = ('PCOAST.PNT', 'PISLAND.PNT', 'PLAKE.PNT')
CITY_POPULATION = 1000000


def read_pnt(path):
    """Polylines of a Data Bank file: [[(lat, lon)]] in degrees, east positive.
    Records are int16 triples (code, latitude, longitude in arc minutes);
    a code of 1000 or more starts a polyline."""
    with open(path, 'rb') as f:
        data = f.read()
    check(len(data) % 6 == 0, f'{path}: size not a multiple of 6')
    lines = []
    for code, lat, lon in struct.iter_unpack('<hhh', data):
        check(abs(lat) <= 5400 and abs(lon) <= 10800, f'{path}: point out of range')
        if code >= 1000 or not lines:
            lines.append([])
        lines[-1].append((lat / 60.0, lon / 60.0))
    return lines


def main(argv):
    args = cli_folders(argv, __doc__)
    marble = os.path.join(args.cache, 'marble-qt-data', 'usr', 'share', 'marble', 'data')
    out = []
    segments = 0
    for name in MAP_FILES:
        for line in read_pnt(os.path.join(marble, 'mwdbii', name)):
            if len(line) < 2:
                continue
            segments += 1
            out.append(POINT.pack(SEGMENT_MARK, float(segments)))
            out += [POINT.pack(lat, lon) for lat, lon in line]
    coast = b''.join(out)
    check(segments > 400 and len(coast) // 8 > 100000, 'coastline data smaller than expected')
    write_atomically(os.path.join(args.out, 'Sdkg.dat'), coast)
    report('Sdkg.dat', len(coast) // 8, len(coast))

    places = read_places(os.path.join(marble, 'placemarks', 'cityplacemarks.cache'))
    cities = sorted((p for p in places if p.role == 'PPLC' or p.population >= CITY_POPULATION),
                    key=lambda p: (-p.population, p.name))
    records = []
    for p in cities:
        raw = to_cp1252(p.name)
        if raw is None:
            continue
        records.append(CITY.pack(p.lat, -p.lon, short_string(raw[:43], 43)))
    check(len(records) > 400, f'only {len(records)} cities for the map')
    data = b''.join(records)
    write_atomically(os.path.join(args.out, 'Sdkg2.dat'), data)
    report('Sdkg2.dat', len(records), len(data))


if __name__ == '__main__':
    run(main)

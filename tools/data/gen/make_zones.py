"""The SAO (*.dat, epoch and equinox 1950.0) and PPM (*.ppm, 2000.0) zone
catalogues: 28-byte records, brightest first, one file per zone.

SAO files name a star by its SAO number where it has one, else by "HIP" and
its Hipparcos number; PPM files by "HIP" and the number. Stars without a
catalogue number (the Tycho-2 stars of the source) have an empty designation.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math
import os
import struct

from common import check, cli_folders, run, write_atomically, zero_padded
from precession import T1950
from star_list import build_star_list
from star_places import catalogue_place, stored
from zones import ZONE_COUNT, zone_of, zone_table

FAINTEST = 10.5
RECORD = struct.Struct('<ffffh10s')


def designation(entry, sao_file):
    if sao_file and entry.sao:
        return str(entry.sao)
    return f'HIP{entry.hip}' if entry.hip else ''


def j2000_place(entry):
    cosd = math.cos(math.radians(entry.dec))
    mu_a = entry.pmra / 3.6e6 / cosd if cosd > 1e-9 else 0.0
    return stored((entry.ra, entry.dec, mu_a, entry.pmdec / 3.6e6))


def zone_records(entries, sao_file):
    """{zone: [(sort key, record bytes)]}"""
    zones = {z: [] for z in range(1, ZONE_COUNT + 1)}
    for e in entries:
        ra, dec, mu_a, mu_d = stored(catalogue_place(e, T1950)) if sao_file else j2000_place(e)
        text = designation(e, sao_file).encode('ascii')
        check(len(text) <= 9, f'designation {text!r} longer than 9 characters')
        tenths = int(round(e.vmag * 10.0))
        rec = RECORD.pack(ra, mu_a, dec, mu_d, tenths, zero_padded(text, 10))
        zones[zone_of(ra, dec)].append(((tenths, e.vmag, ra, dec), rec))
    return zones


def write_catalogue(entries, out, sao_file):
    table = zone_table(sao_file)
    extension = '.dat' if sao_file else '.ppm'
    total = 0
    for zone, items in zone_records(entries, sao_file).items():
        items.sort(key=lambda item: item[0])
        data = b''.join(rec for _, rec in items)
        write_atomically(os.path.join(out, table[zone - 1][0] + extension), data)
        total += len(items)
    check(total == len(entries), 'a star was lost between zones')
    print(f'  {"SAO" if sao_file else "PPM"} zones: {total} stars in {len(table)} files')


def main(argv):
    args = cli_folders(argv, __doc__)
    entries = build_star_list(args.cache, FAINTEST)
    check(len(entries) > 550000, f'only {len(entries)} stars for the zone catalogues')
    write_catalogue(entries, args.out, sao_file=False)
    write_catalogue(entries, args.out, sao_file=True)


if __name__ == '__main__':
    run(main)

"""sterne.dat: the main star file, 40-byte records sorted faintest first.

Places at epoch and equinox 1950.0 in the program's model (star_places.py),
so that the program's forward step returns the J2000 places; the cached place
of date is that of the year 2000 (year byte 100), which the program renews on
its first start in a later year.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import struct
import sys

from common import check, cli_folders, report, run, short_string, to_cp1252, write_atomically, unit_vector, separation_deg
from precession import T1950
from star_list import build_star_list
from star_places import catalogue_place, forward_place, stored

FAINTEST = 9.65          # magnitude estimate; the file holds every star brighter
CACHED_YEAR = 2000
RECORD = struct.Struct('<ffffffi9sB2x')
MAX_ROUND_TRIP_ARCSEC = 0.2


def magnitude_hundredths(vmag):
    return int(round(vmag * 100.0))


def star_record(entry):
    ra0, dec0, mu_a, mu_d = stored(catalogue_place(entry, T1950))
    check(-90.0 <= dec0 <= 90.0, f'HIP {entry.hip}: 1950 declination {dec0} out of range')
    ra_d, dec_d = stored(forward_place(ra0, dec0, mu_a, mu_d, T1950, (CACHED_YEAR - 2000) / 100.0))
    back = separation_deg(unit_vector(ra_d, dec_d), unit_vector(entry.ra, entry.dec)) * 3600.0
    check(back <= MAX_ROUND_TRIP_ARCSEC, f'HIP {entry.hip}: forward step misses the J2000 place by {back:.3f}"')
    name = to_cp1252(entry.name)
    check(name is not None and len(name) <= 8, f'designation {entry.name!r} does not fit')
    return RECORD.pack(ra_d, dec_d, ra0, dec0, mu_a, mu_d, magnitude_hundredths(entry.vmag),
                       short_string(name, 8), (CACHED_YEAR - 1900) % 256)


def level_counts(mags):
    """Stars not fainter than m/10 for the loading levels m = 50..119."""
    return [sum(1 for m in mags if m <= 10 * level) for level in range(50, 120)]


def main(argv):
    args = cli_folders(argv, __doc__)
    entries = build_star_list(args.cache, FAINTEST)
    entries.sort(key=lambda e: (-magnitude_hundredths(e.vmag), -e.vmag, e.ra, e.dec))
    data = b''.join(star_record(e) for e in entries)
    mags = [magnitude_hundredths(e.vmag) for e in entries]
    check(240000 <= len(entries) <= 270000, f'{len(entries)} stars, expected about 250000')
    check(all(a >= b for a, b in zip(mags, mags[1:])), 'stars not sorted faintest first')
    check(len(data) == RECORD.size * len(entries) and RECORD.size == 40, 'record size is not 40 bytes')
    check(mags[-1] < -100 and mags[0] < int(FAINTEST * 100) + 1, 'magnitude range unexpected')
    write_atomically(os.path.join(args.out, 'sterne.dat'), data)
    report('sterne.dat', len(entries), len(data))
    counts = level_counts(mags)
    print('  level counts (m = 50..119):', ', '.join(map(str, counts)))


if __name__ == '__main__':
    run(main)

"""nebel_ext.dat: every OpenNGC object (NGC, IC and the Messier objects under
their Messier numbers), 48-byte records.

An NGC object is stored as its bare number ("7000"); one with a component
suffix keeps its prefix ("NGC 1234A"), since only a whole number gets the
prefix when shown. IC and Messier objects carry their prefix ("IC 434",
"M 31"). Unknown magnitude: 19.00; unknown size or position angle: 0.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import re
import sqlite3
import struct

from common import check, cli_folders, report, run, short_string, unit_vector, write_atomically, ra_dec, f32
from precession import J2000_FROM_1950, rotate, to_1950

RECORD = struct.Struct('<fffffi16sBBhhh')
UNKNOWN_MAGNITUDE = 1900
CACHED_YEAR = 2000
# OpenNGC object types as KStars codes them -> our deep-sky types
TYPE_MAP = {3: 0, 4: 1, 8: 2, 5: 3, 7: 3, 6: 4}
NAME = re.compile(r'^(NGC|IC|M) (\d+)(.*)$')


def designation(name):
    m = NAME.match(name)
    check(m is not None, f'unexpected designation {name!r}')
    prefix, number, rest = m.groups()
    if prefix == 'NGC' and not rest:
        return number
    return name


def sort_key(name):
    prefix, number, rest = NAME.match(name).groups()
    return ({'NGC': 0, 'IC': 1, 'M': 2}[prefix], int(number), rest)


def arcminutes(value):
    """Whole arcminutes; a known size below half a minute counts as 1'."""
    if value is None or value <= 0:
        return 0
    return max(1, int(round(value)))


def nebula_record(row):
    name, ra, dec, mag, kind, major, minor, pa = row
    v = tuple(f32(x) for x in to_1950(unit_vector(ra, dec)))
    ra_d, dec_d = ra_dec(rotate(J2000_FROM_1950, v))
    text = designation(name).encode('ascii')
    mag100 = UNKNOWN_MAGNITUDE if mag is None else int(round(mag * 100.0))
    angle = 0 if pa is None else int(round(pa)) % 360
    return RECORD.pack(ra_d, dec_d, v[0], v[1], v[2], mag100, short_string(text, 15),
                       TYPE_MAP.get(kind, 5), (CACHED_YEAR - 1900) % 256,
                       arcminutes(major), arcminutes(minor), angle)


def main(argv):
    args = cli_folders(argv, __doc__)
    db = os.path.join(args.cache, 'kstars-data', 'usr', 'share', 'kstars', 'OpenNGC.kscat')
    check(os.path.exists(db), f'{db} missing')
    con = sqlite3.connect(f'file:{db}?mode=ro', uri=True)
    rows = con.execute('select name, ra, dec, magnitude, type, major_axis, minor_axis, position_angle from cat').fetchall()
    con.close()
    rows.sort(key=lambda r: sort_key(r[0]))
    names = [designation(r[0]) for r in rows]
    check(len(rows) > 13000, f'only {len(rows)} deep-sky objects')
    check(len(set(names)) == len(names), 'duplicate designations')
    check(all(0.0 <= r[1] < 360.0 and -90.0 <= r[2] <= 90.0 for r in rows), 'place out of range')
    for n in names:
        check(('M' in n) == n.startswith('M '), f'{n!r} would land in the wrong chooser list')
        check(('IC' in n) == n.startswith('IC '), f'{n!r} would land in the wrong chooser list')
    data = b''.join(nebula_record(r) for r in rows)
    check(RECORD.size == 48 and len(data) == 48 * len(rows), 'record size is not 48 bytes')
    write_atomically(os.path.join(args.out, 'nebel_ext.dat'), data)
    report('nebel_ext.dat', len(rows), len(data))
    kinds = {}
    for r in rows:
        kinds[TYPE_MAP.get(r[4], 5)] = kinds.get(TYPE_MAP.get(r[4], 5), 0) + 1
    print('  types:', ', '.join(f'{k}: {kinds[k]}' for k in sorted(kinds)),
          f'; messier: {sum(1 for n in names if n.startswith("M "))}',
          f'; unknown magnitude: {sum(1 for r in rows if r[3] is None)}')


if __name__ == '__main__':
    run(main)

"""Reader of the Hipparcos/Tycho-2 zone star files shipped in Debian's
stellarium-data 0.22 (stars_0..3_*.cat), with the HIP -> SAO/HD table
(cross-id.dat) and the designations (name.fab, star_names.fab).

Positions come out as ICRS/J2000 places at epoch J2000.0 in degrees, proper
motions as (mu_alpha*cos(delta), mu_delta) in mas/yr, magnitudes as the
stored V (floored to 0.05 mag by the writer of the files).
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math
import os
import struct
from collections import namedtuple

from common import check, normalise, cross, add, ra_dec

MAGIC = 0x835F040A
MAX_POS = {0: 2147483647, 1: 524287}
RECORD_SIZE = {0: 28, 1: 10}
CATALOGUE_FILES = ('stars_0_0v0_8.cat', 'stars_1_0v0_8.cat', 'stars_2_0v0_8.cat', 'stars_3_1v0_4.cat')

Star = namedtuple('Star', 'hip cid ra dec pmra pmdec vmag')

_G = (1.0 + math.sqrt(5.0)) / 2.0
_B = 1.0 / math.sqrt(1.0 + _G * _G)
_A = _G * _B
_VERTICES = ((_A, -_B, 0), (_A, _B, 0), (-_A, _B, 0), (-_A, -_B, 0), (0, _A, -_B), (0, _A, _B),
             (0, -_A, _B), (0, -_A, -_B), (-_B, 0, _A), (_B, 0, _A), (_B, 0, -_A), (-_B, 0, -_A))
_FACES = ((1, 0, 10), (0, 1, 9), (0, 9, 6), (9, 8, 6), (0, 7, 10), (6, 7, 0), (7, 6, 3), (6, 8, 3),
          (11, 10, 7), (7, 3, 11), (3, 2, 11), (2, 3, 8), (10, 11, 4), (2, 4, 11), (5, 4, 2),
          (2, 8, 5), (4, 1, 10), (4, 5, 1), (5, 9, 1), (8, 9, 5))


def grid_triangles(level):
    """Ordered corner triples of the zones of one level, in zone order."""
    tris = [tuple(_VERTICES[i] for i in f) for f in _FACES]
    for _ in range(level):
        nxt = []
        for c0, c1, c2 in tris:
            e0 = normalise(add(c1, c2))
            e1 = normalise(add(c2, c0))
            e2 = normalise(add(c0, c1))
            nxt += [(c0, e2, e1), (e2, c1, e0), (e1, e0, c2), (e0, e1, e2)]
        tris = nxt
    return tris


def zone_frames(level):
    """(centre, axis0, axis1) per zone and the position scale S_L of the level."""
    frames = []
    scale = 0.0
    for tri in grid_triangles(level):
        c = normalise(add(add(tri[0], tri[1]), tri[2]))
        a0 = normalise(cross((0.0, 0.0, 1.0), c))
        a1 = cross(c, a0)
        frames.append((c, a0, a1))
        for corner in tri:
            cc = sum(corner[i] * c[i] for i in range(3))
            for axis in (a0, a1):
                scale = max(scale, abs(sum(corner[i] * axis[i] for i in range(3)) / cc))
    return frames, scale


def _signed(value, bits):
    return value - (1 << bits) if value >= 1 << (bits - 1) else value


def _decode_position(frame, u0, u1, d0, d1):
    """J2000 place (degrees) and (mu_alpha*, mu_delta) in mas/yr of one record."""
    c, a0, a1 = frame
    p = (c[0] + u0 * a0[0] + u1 * a1[0], c[1] + u0 * a0[1] + u1 * a1[1], c[2] + u0 * a0[2] + u1 * a1[2])
    ra, dec = ra_dec(p)
    r = math.sqrt(1.0 + u0 * u0 + u1 * u1)
    m0, m1, q = u0 / r, u1 / r, 1.0 / r
    k = m0 * d0 + m1 * d1
    return ra, dec, q * (d0 - m0 * k), q * (d1 - m1 * k)


def read_catalogue_file(path):
    """All stars of one zone file."""
    with open(path, 'rb') as f:
        data = f.read()
    check(len(data) >= 32, f'{path}: too short for a star file header')
    magic, rtype, major, _minor, level, mag_min, mag_range, mag_steps = struct.unpack_from('<IIIIIiiI', data, 0)
    check(magic == MAGIC, f'{path}: not a star file of the expected format (magic {magic:#x})')
    check(rtype in RECORD_SIZE and major == 0, f'{path}: record type {rtype} / version {major} not supported')
    nzones = 20 * 4 ** level
    counts = struct.unpack_from(f'<{nzones}I', data, 32)
    size = RECORD_SIZE[rtype]
    offset = 32 + 4 * nzones
    check(len(data) == offset + size * sum(counts), f'{path}: file size does not match its zone table')
    frames, scale = zone_frames(level)
    unit = scale / MAX_POS[rtype]
    step = mag_range / mag_steps / 1000.0
    base = mag_min / 1000.0
    stars = []
    for zone, n in enumerate(counts):
        frame = frames[zone]
        for _ in range(n):
            if rtype == 0:
                w0, x0, x1, _bv, mag, _sp, dx0, dx1, _plx = struct.unpack_from('<IiiBBHiii', data, offset)
                hip, cid = w0 & 0xFFFFFF, w0 >> 24
            else:
                b = data[offset:offset + 10]
                x0 = _signed(b[0] | b[1] << 8 | (b[2] & 0x0F) << 16, 20)
                x1 = _signed(b[2] >> 4 | b[3] << 4 | b[4] << 12, 20)
                dx0 = _signed(b[5] | (b[6] & 0x3F) << 8, 14)
                dx1 = _signed(b[6] >> 6 | b[7] << 2 | (b[8] & 0x0F) << 10, 14)
                mag = b[9] >> 3
                hip, cid = 0, 0
            offset += size
            ra, dec, pmra, pmdec = _decode_position(frame, x0 * unit, x1 * unit, 0.1 * dx0, 0.1 * dx1)
            stars.append(Star(hip, cid, ra, dec, pmra, pmdec, round(base + mag * step, 3)))
    return stars


def read_all_stars(folder):
    stars = []
    for name in CATALOGUE_FILES:
        stars += read_catalogue_file(os.path.join(folder, name))
    return stars


def read_cross_ids(folder):
    """{(hip, component letter): (sao, hd)} with 0 for a missing number."""
    table = {}
    with open(os.path.join(folder, 'cross-id.dat'), encoding='utf-8') as f:
        for line in f:
            if line.startswith('#') or not line.strip():
                continue
            fields = line.rstrip('\n').split('\t')
            check(len(fields) >= 4, f'cross-id.dat: unexpected line {line!r}')
            hip = int(fields[0])
            sao = int(fields[2]) if fields[2].strip() else 0
            hd = int(fields[3]) if fields[3].strip() else 0
            table.setdefault((hip, fields[1].strip()), (sao, hd))
    return table


def read_designations(path):
    """{hip: [designation, ...]} in file order from a name.fab-style file;
    common names lose their _("...") wrapper, '_' stands for a blank."""
    table = {}
    with open(path, encoding='utf-8') as f:
        for line in f:
            if line.startswith('#') or '|' not in line:
                continue
            hip_text, rest = line.rstrip('\n').split('|', 1)
            rest = rest.strip()
            if rest.startswith('_("'):
                rest = rest[3:rest.index('")')]
            else:
                rest = rest.split()[0].replace('_', ' ')
            table.setdefault(int(hip_text), []).append(rest)
    return table


COMPONENT_LETTERS = ('', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'K', 'N', 'P', 'R', 'S')

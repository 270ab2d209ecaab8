"""Helpers shared by the data generators: atomic output, fixed-layout records,
Windows-1252 text, checks that stop the build loudly, and vector geometry.

All generators write little-endian fixed-size records; every text that goes
into a file is Windows-1252 (the program decodes it to UTF-8 when reading).
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math
import os
import struct
import sys
import tempfile
import unicodedata


class DataError(Exception):
    """A generator found its input or its output not as it must be."""


def check(condition, message):
    """Stop the generator with a clear message when a condition fails."""
    if not condition:
        raise DataError(message)


def write_atomically(path, data):
    """Write bytes to path through a temporary file renamed over the target."""
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, tmp = tempfile.mkstemp(prefix='.tmp-', dir=folder)
    try:
        with os.fdopen(fd, 'wb') as f:
            f.write(data)
            f.flush()
            os.fsync(f.fileno())
        os.chmod(tmp, 0o644)
        os.replace(tmp, path)
    except BaseException:
        if os.path.exists(tmp):
            os.unlink(tmp)
        raise


def report(name, records, size):
    print(f'  {name:<14} {records:>8} records {size:>10} bytes', flush=True)


# ---------------------------------------------------------------- text

# Letters that Windows-1252 lacks and that have no decomposition to a base letter.
_CP1252_FALLBACK = {
    'Ł': 'L', 'ł': 'l', 'Đ': 'D', 'đ': 'd', 'ı': 'i', 'Ħ': 'H', 'ħ': 'h',
    'ŀ': 'l', 'Ŀ': 'L', 'ʻ': "'", 'ʼ': "'", '‘': "'", '’': "'", 'ß': 'ß',
    'Ə': 'A', 'ə': 'a', 'Ŋ': 'N', 'ŋ': 'n', 'Ʃ': 'S', 'Ð': 'Ð',
}


def to_cp1252(text):
    """Text as Windows-1252 bytes; letters outside the code page lose their
    accents (Łódź -> Lodz); returns None when that is not enough."""
    try:
        return text.encode('cp1252')
    except UnicodeEncodeError:
        pass
    out = []
    for ch in text:
        try:
            ch.encode('cp1252')
            out.append(ch)
            continue
        except UnicodeEncodeError:
            pass
        if ch in _CP1252_FALLBACK:
            out.append(_CP1252_FALLBACK[ch])
            continue
        base = ''.join(c for c in unicodedata.normalize('NFKD', ch)
                       if not unicodedata.combining(c))
        try:
            base.encode('cp1252')
        except UnicodeEncodeError:
            return None
        if not base:
            return None
        out.append(base)
    return ''.join(out).encode('cp1252')


def short_string(raw, capacity):
    """A length-prefixed string field of 1 + capacity bytes (Pascal style);
    raw is bytes and must fit."""
    check(len(raw) <= capacity, f'text {raw!r} longer than {capacity} bytes')
    return bytes([len(raw)]) + raw + bytes(capacity - len(raw))


def zero_padded(raw, size):
    """A fixed field of size bytes, zero-filled after the text (no terminator
    when the text fills the field)."""
    check(len(raw) <= size, f'text {raw!r} longer than {size} bytes')
    return raw + bytes(size - len(raw))


def f32(value):
    """Round-trip a number through a 32-bit float, refusing NaN and infinity."""
    check(math.isfinite(value), f'not a finite number: {value}')
    return struct.unpack('<f', struct.pack('<f', value))[0]


# ---------------------------------------------------------------- geometry

def unit_vector(ra_deg, dec_deg):
    a = math.radians(ra_deg)
    d = math.radians(dec_deg)
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def ra_dec(v):
    """Right ascension in [0, 360) and declination, degrees, of a vector."""
    x, y, z = v
    ra = math.degrees(math.atan2(y, x)) % 360.0
    if ra >= 360.0:
        ra = 0.0
    dec = math.degrees(math.atan2(z, math.hypot(x, y)))
    return ra, dec


def normalise(v):
    n = math.sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2])
    return (v[0] / n, v[1] / n, v[2] / n)


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def add(a, b, k=1.0):
    return (a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2])


def separation_deg(a, b):
    """Angle between two unit vectors, degrees (stable for small angles)."""
    return math.degrees(math.atan2(math.sqrt(max(0.0, dot(cross(a, b), cross(a, b)))), dot(a, b)))


def cli_folders(argv, description):
    """--cache DIR --out DIR from the command line."""
    import argparse
    p = argparse.ArgumentParser(description=description)
    p.add_argument('--cache', required=True, help='folder with the unpacked sources')
    p.add_argument('--out', required=True, help='data folder to write')
    return p.parse_args(argv)


def run(main):
    """Run a generator's main, turning DataError into a clear exit code."""
    try:
        main(sys.argv[1:])
    except DataError as e:
        print(f'error: {e}', file=sys.stderr)
        sys.exit(1)

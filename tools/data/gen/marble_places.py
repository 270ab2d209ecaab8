"""Reader of the city placemark cache of Debian's marble-qt-data
(data/placemarks/cityplacemarks.cache; GeoNames cities of 15,000 people and
more). The file is a big-endian Qt data stream: a magic number and a version,
then per place: name, longitude, latitude, altitude (radians, radians,
metres), feature class, state, country code, a further text, area,
population and three bytes of display flags.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math
import struct
from collections import namedtuple

from common import check

MAGIC = 0x31415926
Place = namedtuple('Place', 'name lat lon role country population')


def _text(data, pos):
    (n,) = struct.unpack_from('>I', data, pos)
    pos += 4
    if n == 0xFFFFFFFF:
        return '', pos
    check(n % 2 == 0 and pos + n <= len(data), f'bad text field at byte {pos}')
    return data[pos:pos + n].decode('utf-16-be'), pos + n


def read_places(path):
    with open(path, 'rb') as f:
        data = f.read()
    magic, _version = struct.unpack_from('>II', data, 0)
    check(magic == MAGIC, f'{path}: not a placemark cache')
    pos = 8
    places = []
    while pos < len(data):
        name, pos = _text(data, pos)
        lon, lat, _alt = struct.unpack_from('>ddd', data, pos)
        pos += 24
        role, pos = _text(data, pos)
        _state, pos = _text(data, pos)
        country, pos = _text(data, pos)
        _other, pos = _text(data, pos)
        _area, population = struct.unpack_from('>dq', data, pos)
        pos += 16 + 3
        check(abs(lat) <= math.pi / 2 + 1e-9 and abs(lon) <= math.pi + 1e-9, f'{name}: place out of range')
        places.append(Place(name, math.degrees(lat), math.degrees(lon), role, country, population))
    check(pos == len(data), f'{path}: trailing bytes')
    return places

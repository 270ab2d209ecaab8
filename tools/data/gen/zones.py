"""The 362 zones of the SAO and PPM zone catalogues: names, centres and the
zone a place belongs to.

Zones 1..168: northern bands of 10 deg (0..+70), 24 one-hour strips each;
169..336: southern bands (0..-70); 337..348: +70..+80 in two-hour strips;
349..360: -70..-80 likewise; 361: +80..+90; 362: -80..-90.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math

ZONE_COUNT = 362


def _band_name(index, northern, sao):
    if northern:
        return f'+{index}+{index + 1}'
    if index == 0:
        return '-1+0'
    if index == 6 and sao:
        return '-6-7'
    return f'-{index + 1}-{index}'


def zone_table(sao):
    """[(name, centre RA hours, centre Dec degrees)] for zones 1..362."""
    table = []
    for northern in (True, False):
        for band in range(7):
            dec = (5 + 10 * band) * (1 if northern else -1)
            for hour in range(24):
                table.append((f'{hour:02d}{hour + 1:02d}' + _band_name(band, northern, sao), hour + 0.5, dec))
    for sign, suffix in ((1, '+7+8'), (-1, '-7-8')):
        for strip in range(12):
            table.append((f'{2 * strip + 1:02d}{2 * strip + 2:02d}{suffix}', 2 * strip + 1.0, 75 * sign))
    table.append(('0024+8+9', 0.0, 90.0))
    table.append(('0024-8-9', 0.0, -90.0))
    assert len(table) == ZONE_COUNT
    return table


def zone_of(ra_deg, dec_deg):
    """1-based zone number of a place (right ascension in [0, 360))."""
    hour = min(23, int(math.floor(ra_deg / 15.0)))
    if dec_deg >= 80.0:
        return 361
    if dec_deg <= -80.0:
        return 362
    if dec_deg >= 70.0:
        return 337 + hour // 2
    if dec_deg <= -70.0:
        return 349 + hour // 2
    if dec_deg >= 0.0:
        return 1 + 24 * int(dec_deg // 10.0) + hour
    return 169 + 24 * int(-dec_deg // 10.0) + hour

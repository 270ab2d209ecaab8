"""The asteroid and comet element files the program opens by default.

planeten.csv       asteroid elements, semicolon format with kind line
                   (":BAHNELEMENTE PLANETOIDEN KYREL!"), decimal comma, CR LF
planetoiden.sdp    the same asteroids as object configuration: 136-byte element
                   records, display flag 1 for the ten brightest main-belt
                   asteroids (H < 6), 0 for the others
kometen.csv        comet elements, semicolon format (":BAHNELEMENTE KOMETEN KYREL EXT!")
kometen.sdk        the same comets as object configuration: 128-byte records,
                   display flag 1 for the numbered periodic comets with M0 <= 5

Asteroids: JPL Small-Body Database selection of kstars-data (asteroids.dat,
public domain), equinox J2000, epoch as given. Comets: Minor Planet Center
elements of kstars-data (cometels.json.gz), whose absolute magnitude H and
slope G are the program's M0 and n (m = M0 + 5 log D + 2.5 n log r).
Names are written as the program normalises them: "Ceres (00001)".
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import gzip
import json
import math
import os
import re
import struct

from common import check, cli_folders, report, run, short_string, to_cp1252, write_atomically

ASTEROID = struct.Struct('<11d41sB6x')
COMET = struct.Struct('<10d41sB6x')
ASTEROID_KIND = ':BAHNELEMENTE PLANETOIDEN KYREL!'
COMET_KIND = ':BAHNELEMENTE KOMETEN KYREL EXT!'
GAUSS_K_DEG = math.degrees(0.01720209895)   # mean daily motion at 1 AU, degrees per day
NAME = re.compile(r'^(\d+)\s+(.*?)\s*(\(.*\))?$')


def padded_number(number):
    return f'{number:05d}' if number < 10000 else f'0{number}'


def asteroid_name(full):
    """JPL '1 Ceres (A801 AA)' -> 'Ceres (00001)'; '3708 (1974 FV1)' ->
    '1974 FV1 (03708)'; unnumbered '(2015 RR245)' stays as it is."""
    full = full.strip()
    m = NAME.match(full)
    if not m:
        return full
    number, name, provisional = m.groups()
    if not name:
        name = (provisional or '').strip('()')
    return f'{name} ({padded_number(int(number))})'


def julian_date(year, month, day):
    """Julian date of a Gregorian calendar date, day with fraction."""
    if month <= 2:
        year, month = year - 1, month + 12
    a = year // 100
    b = 2 - a + a // 4
    return math.floor(365.25 * (year + 4716)) + math.floor(30.6001 * (month + 1)) + day + b - 1524.5


def number(value, decimals):
    return f'{value:.{decimals}f}'.replace('.', ',')


def read_asteroids(path):
    with open(path, encoding='utf-8') as f:
        table = json.load(f)
    fld = {n: i for i, n in enumerate(table['fields'])}
    out = []
    for r in table['data']:
        if any(r[fld[k]] in (None, '') for k in ('a', 'e', 'i', 'om', 'w', 'ma', 'epoch_mjd', 'H')):
            print(f'  asteroid {r[fld["full_name"]].strip()} left out: incomplete elements')
            continue
        a = float(r[fld['a']])
        h = float(r[fld['H']])
        g = float(r[fld['G']]) if r[fld['G']] not in (None, '') else 0.15
        out.append(dict(name=asteroid_name(r[fld['full_name']]), a=a, e=float(r[fld['e']]),
                        i=float(r[fld['i']]), node=float(r[fld['om']]), peri=float(r[fld['w']]),
                        M=float(r[fld['ma']]), n=GAUSS_K_DEG / a ** 1.5 if a > 0 else 0.0,
                        equinox=2000.0, epoch=float(r[fld['epoch_mjd']]) + 2400000.5, H=h, G=g,
                        shown=h < 6.0 and 0 < a < 6.0, cls=r[fld['class']]))
    return out


def read_comets(path):
    with gzip.open(path, 'rt', encoding='utf-8') as f:
        table = json.load(f)
    out = []
    for c in table:
        if c.get('H') is None or c.get('G') is None:
            continue
        name = c['Designation_and_name'].strip()
        t = julian_date(c['Year_of_perihelion'], c['Month_of_perihelion'], c['Day_of_perihelion'])
        epoch = julian_date(c['Epoch_year'], c['Epoch_month'], c['Epoch_day']) if 'Epoch_year' in c else t
        out.append(dict(name=name, q=c['Perihelion_dist'], e=c['e'], i=c['i'], node=c['Node'], peri=c['Peri'],
                        equinox=2000.0, T=t, M0=float(c['H']), n=float(c['G']), epoch=epoch,
                        shown=bool(re.match(r'^\d+P/', name)) and float(c['H']) <= 5.0))
    return out


def encoded_name(name):
    raw = to_cp1252(name)
    check(raw is not None and len(raw) <= 40 and ';' not in name, f'name {name!r} does not fit')
    return raw


def asteroid_files(rows):
    lines = [ASTEROID_KIND]
    records = []
    for r in rows:
        lines.append(';'.join([r['name'], number(r['a'], 8), number(r['e'], 8), number(r['i'], 6),
                               number(r['node'], 6), number(r['peri'], 6), number(r['M'], 6), number(r['n'], 6),
                               number(r['equinox'], 2), number(r['epoch'], 5), number(r['H'], 2), number(r['G'], 2)]))
        records.append(ASTEROID.pack(r['a'], r['e'], r['i'], r['node'], r['peri'], r['M'], r['n'], r['equinox'],
                                     r['epoch'], r['H'], r['G'], short_string(encoded_name(r['name']), 40),
                                     1 if r['shown'] else 0))
    return to_cp1252('\r\n'.join(lines) + '\r\n'), b''.join(records)


def comet_files(rows):
    lines = [COMET_KIND]
    records = []
    for r in rows:
        lines.append(';'.join([r['name'], number(r['q'], 8), number(r['e'], 8), number(r['i'], 6),
                               number(r['node'], 6), number(r['peri'], 6), number(r['equinox'], 2),
                               number(r['T'], 5), number(r['M0'], 2), number(r['n'], 2), number(r['epoch'], 5)]))
        records.append(COMET.pack(r['q'], r['e'], r['i'], r['node'], r['peri'], r['equinox'], r['T'], r['M0'],
                                  r['n'], r['epoch'], short_string(encoded_name(r['name']), 40),
                                  1 if r['shown'] else 0))
    return to_cp1252('\r\n'.join(lines) + '\r\n'), b''.join(records)


def main(argv):
    args = cli_folders(argv, __doc__)
    kstars = os.path.join(args.cache, 'kstars-data', 'usr', 'share', 'kstars')
    asteroids = sorted(read_asteroids(os.path.join(kstars, 'asteroids.dat')), key=lambda r: r['name'])
    comets = sorted(read_comets(os.path.join(kstars, 'cometels.json.gz')), key=lambda r: r['name'])
    check(len(asteroids) > 5000 and all(0 <= r['e'] < 1 and r['a'] > 0 for r in asteroids), 'asteroid elements unexpected')
    check(len(comets) > 800 and all(r['q'] > 0 and r['e'] >= 0 for r in comets), 'comet elements unexpected')
    check(len({r['name'] for r in asteroids}) == len(asteroids), 'duplicate asteroid names')
    check(len(asteroids) <= 32000 and len(comets) <= 32000, 'more entries than the tables hold')
    shown = [r['name'] for r in asteroids if r['shown']]
    check(len(shown) == 10 and 'Ceres (00001)' in shown, f'displayed asteroids: {shown}')
    csv, sdp = asteroid_files(asteroids)
    check(len(sdp) == 136 * len(asteroids), 'asteroid record size')
    write_atomically(os.path.join(args.out, 'planeten.csv'), csv)
    write_atomically(os.path.join(args.out, 'planetoiden.sdp'), sdp)
    report('planeten.csv', len(asteroids), len(csv))
    report('planetoiden.sdp', len(asteroids), len(sdp))
    csv, sdk = comet_files(comets)
    check(len(sdk) == 128 * len(comets), 'comet record size')
    write_atomically(os.path.join(args.out, 'kometen.csv'), csv)
    write_atomically(os.path.join(args.out, 'kometen.sdk'), sdk)
    report('kometen.csv', len(comets), len(csv))
    report('kometen.sdk', len(comets), len(sdk))
    print('  displayed:', ', '.join(shown), '|', ', '.join(r['name'] for r in comets if r['shown']))


if __name__ == '__main__':
    run(main)

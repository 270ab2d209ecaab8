"""The small default files:

meteore.csv   major meteor showers (tables/meteor_showers.tsv, after the IMO
              working list): name;day;month;rate;RA hours;Dec degrees (J2000),
              decimal comma, Windows-1252, CR LF; lines beginning with ":" are
              comments
lables.sdl    an empty user label database: its 31-byte header only
Satelite.tle  a sample of two-line element sets in the three-line format: the
              valid real sets of the SGP4 verification file (python3-sgp4,
              after Vallado et al. 2006), names from its comments. Their epochs
              are 1958-2006: current elements are for the user to bring.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import re

from common import check, cli_folders, report, run, to_cp1252, write_atomically

LABEL_HEADER = b'\x1esdro User Defined Labels 0.002'
TLE_NAMES = {'00005': 'VANGUARD 1'}


def meteor_lines(path):
    lines = [':Meteorstroeme / meteor showers: Name;Tag;Monat;ZHR (0 = variabel);'
             'Radiant RA (h, J2000);Radiant Dekl. (Grad, J2000)',
             ':nach der Arbeitsliste der International Meteor Organization (IMO)']
    with open(path, encoding='utf-8') as f:
        for raw in f:
            if raw.startswith('#') or not raw.strip():
                continue
            name, code, month, day, zhr, ra, dec = raw.rstrip('\n').split('\t')
            text = f'{name} ({code})'
            check(len(text) <= 30, f'shower name {text!r} longer than 30 characters')
            check(1 <= int(month) <= 12 and 1 <= int(day) <= 31 and 0 <= float(ra) < 360
                  and -90 <= float(dec) <= 90, f'shower {name}: field out of range')
            hours = f'{float(ra) / 15.0:.2f}'.replace('.', ',')
            lines.append(f'{text};{int(day)};{int(month)};{int(zhr)};{hours};{int(dec)}')
    return lines


def tle_checksum_ok(line):
    total = sum(int(c) if c.isdigit() else 1 if c == '-' else 0 for c in line[:68])
    return len(line) >= 69 and line[68].isdigit() and total % 10 == int(line[68])


def tle_set_ok(l1, l2):
    """The checks the program applies when reading a set."""
    return (tle_checksum_ok(l1) and tle_checksum_ok(l2) and l1[0] == '1' and l2[0] == '2'
            and l1[2:7] == l2[2:7] and l1[23] == '.' and l1[34] == '.' and l1[61:64] == ' 0 '
            and all(l2[k - 1] == '.' for k in (12, 21, 38, 47, 55)))


def tle_sets(path):
    sets, comment = [], []
    with open(path, encoding='ascii') as f:
        lines = [l.rstrip('\n') for l in f]
    k = 0
    while k < len(lines):
        line = lines[k]
        if line.startswith('#'):
            comment.append(line)
            k += 1
            continue
        if line.startswith('1 ') and k + 1 < len(lines) and lines[k + 1].startswith('2 '):
            l1, l2 = line[:69], lines[k + 1][:69]
            names = [m.group(1).strip() for m in (re.match(r'^#([^#]*)#', c) for c in comment) if m and m.group(1).strip()]
            number = l1[2:7]
            name = TLE_NAMES.get(number, names[-1] if names else f'NORAD {number}')
            if tle_set_ok(l1, l2):
                sets.append((name, l1, l2))
            k += 2
        else:
            k += 1
        comment = []
    return sets


def main(argv):
    args = cli_folders(argv, __doc__)
    here = os.path.dirname(os.path.abspath(__file__))
    lines = meteor_lines(os.path.join(here, '..', 'tables', 'meteor_showers.tsv'))
    data = to_cp1252('\r\n'.join(lines) + '\r\n')
    write_atomically(os.path.join(args.out, 'meteore.csv'), data)
    report('meteore.csv', len(lines) - 2, len(data))

    check(len(LABEL_HEADER) == 31, 'label header is not 31 bytes')
    write_atomically(os.path.join(args.out, 'lables.sdl'), LABEL_HEADER)
    report('lables.sdl', 0, len(LABEL_HEADER))

    sets = tle_sets(os.path.join(args.cache, 'python3-sgp4', 'usr', 'lib', 'python3', 'dist-packages', 'sgp4',
                                 'SGP4-VER.TLE'))
    check(20 <= len(sets) <= 1300, f'{len(sets)} element sets')
    text = ''.join(f'{n[:50]}\r\n{a}\r\n{b}\r\n' for n, a, b in sets)
    write_atomically(os.path.join(args.out, 'Satelite.tle'), text.encode('ascii'))
    report('Satelite.tle', len(sets), len(text))


if __name__ == '__main__':
    run(main)

"""Orte.csv: the location database, text in Windows-1252 with CR LF line ends.

The kind line comes first; then one place per line as
name;longitude;latitude;zone with the longitude in degrees positive WEST
(east negative), the latitude north positive, both with four decimals and a
decimal comma, and the zone the whole hours of standard time east of UT.
The zone is that of the tz database for the place's country; where a country
has several, the zone of the world time-zone map at the place decides.
Places: every German city of 50,000 people and more, the cities of Austria
and Switzerland from 50,000, those of Europe from 100,000, the world's from
200,000 and every capital (GeoNames populations). Where a zone is not whole
hours the file holds its whole hours (toward zero) and the name says the
minutes to add, e.g. "Delhi (+30 min)".
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import os

from common import check, cli_folders, report, run, to_cp1252, write_atomically, separation_deg, unit_vector
from marble_places import read_places
from time_zones import ZoneFinder, ZonePolygons, standard_offset

KIND_LINE = ':ORTDATEI KYREL! Sidaro-Orte nach GeoNames (CC BY 4.0); Länge westlich positiv'
EUROPE = set('AD AL AT BA BE BG BY CH CY CZ DE DK EE ES FI FO FR GB GG GI GR HR HU IE IM IS IT JE LI LT '
             'LU LV MC MD ME MK MT NL NO PL PT RO RS RU SE SI SK SM UA VA XK'.split())
LOCAL_NAMES = {('DE', 'Munich'): 'München'}
ZONE_COUNTRY = {'XK': 'RS'}      # the tz database files Kosovo under Serbia's zone
SAME_PLACE_KM = 30.0


def without_duplicates(places):
    """One entry per town: of places of one name and country closer than
    SAME_PLACE_KM, the most populous stays."""
    kept = []
    for p in sorted(places, key=lambda p: (-p.population, p.name, p.lat, p.lon)):
        v = unit_vector(p.lon % 360.0, p.lat)
        if not any(q.name == p.name and q.country == p.country
                   and separation_deg(v, unit_vector(q.lon % 360.0, q.lat)) * 111.2 < SAME_PLACE_KM for q in kept):
            kept.append(p)
    return kept


def selected(place):
    if place.role == 'PPLC':
        return True
    if place.country == 'DE' or place.country in ('AT', 'CH'):
        return place.population >= 50000
    if place.country in EUROPE:
        return place.population >= 100000
    return place.population >= 200000


def decimal(value):
    return f'{value:.4f}'.replace('.', ',')


def place_lines(places, zones, polygons):
    """[(name, line)] sorted by name; also the count of places left out."""
    rows, skipped = [], []
    for p in places:
        name = LOCAL_NAMES.get((p.country, p.name), p.name)
        minutes = standard_offset(zones, polygons, ZONE_COUNTRY.get(p.country, p.country), p.lat, p.lon)
        if minutes is None:
            skipped.append((p.name, 'no zone'))
            continue
        hours = int(minutes / 60)          # toward zero, so the extra minutes share the sign
        extra = minutes - 60 * hours
        if abs(hours) > 12:
            skipped.append((p.name, f'zone {minutes / 60:+.2f} h outside -12..+12'))
            continue
        if extra:
            name += f' ({extra:+d} min)'
        if to_cp1252(name) is None or ';' in name:
            skipped.append((p.name, 'name not in Windows-1252'))
            continue
        rows.append([name, p.country, -p.lon, p.lat, hours])
    counts = {}
    for r in rows:
        counts[r[0]] = counts.get(r[0], 0) + 1
    for r in rows:
        if counts[r[0]] > 1:
            r[0] += f' ({r[1]})'
    # still the same name: towns of one name within one country get a number
    seen = {}
    for r in sorted(rows, key=lambda r: (r[0], -r[3], r[2])):
        seen[r[0]] = seen.get(r[0], 0) + 1
        if seen[r[0]] > 1:
            r[0] = f'{r[0][:-1]} {seen[r[0]]})' if r[0].endswith(')') else f'{r[0]} ({seen[r[0]]})'
    rows.sort(key=lambda r: (r[0].casefold(), r[0], r[2], r[3]))
    lines = [(r[0], f'{r[0]};{decimal(r[2])};{decimal(r[3])};{r[4]}') for r in rows]
    return lines, skipped


def main(argv):
    args = cli_folders(argv, __doc__)
    places = read_places(os.path.join(args.cache, 'marble-qt-data', 'usr', 'share', 'marble', 'data',
                                      'placemarks', 'cityplacemarks.cache'))
    zones = ZoneFinder(os.path.join(args.cache, 'tzdata', 'usr', 'share', 'zoneinfo'))
    chosen = without_duplicates([p for p in places if selected(p)])
    polygons = ZonePolygons(os.path.join(args.cache, 'd3-celestial', 'package', 'data', 'timezones.json'))
    lines, skipped = place_lines(chosen, zones, polygons)
    names = [n for n, _ in lines]
    check(2000 <= len(lines) <= 6000, f'{len(lines)} places, expected a few thousand')
    check('Kassel;-9,5000;51,3167;1' in [l for _, l in lines], 'Kassel missing or misplaced')
    german = [p for p in places if p.country == 'DE' and p.population >= 50000]
    check(len(german) >= 180, f'only {len(german)} German cities of 50,000 and more')
    for p in german:
        n = LOCAL_NAMES.get((p.country, p.name), p.name)
        check(n in names or f'{n} (DE)' in names, f'German city {n} missing')
    check(all(len(l.split(';')) == 4 for _, l in lines), 'a line does not have four fields')
    text = '\r\n'.join([KIND_LINE] + [l for _, l in lines]) + '\r\n'
    data = to_cp1252(text)
    check(data is not None, 'location file not Windows-1252')
    write_atomically(os.path.join(args.out, 'Orte.csv'), data)
    report('Orte.csv', len(lines), len(data))
    if skipped:
        print(f'  left out {len(skipped)}:', '; '.join(f'{n} ({why})' for n, why in skipped[:12]))


if __name__ == '__main__':
    run(main)

"""Standard time offsets of places from the tz database (tzdata's zone.tab
and compiled zone files): a place takes the zone of its country whose
principal location lies nearest to it."""
# SPDX-License-Identifier: GPL-3.0-or-later
import datetime
import math
import os
import zoneinfo

from common import check, separation_deg, unit_vector


def _iso6709(text):
    """'+4230+00131' or '+423000+0013100' -> (lat, lon) degrees."""
    split = max(text.rfind('+'), text.rfind('-'))
    def part(s, deg_digits):
        sign = -1.0 if s[0] == '-' else 1.0
        d = s[1:]
        deg, rest = int(d[:deg_digits]), d[deg_digits:]
        minutes = int(rest[:2])
        seconds = int(rest[2:4]) if len(rest) >= 4 else 0
        return sign * (deg + minutes / 60.0 + seconds / 3600.0)
    return part(text[:split], 2), part(text[split:], 3)


class ZoneFinder:
    def __init__(self, zoneinfo_dir):
        zoneinfo_dir = os.path.abspath(zoneinfo_dir)
        zoneinfo.reset_tzpath(to=[zoneinfo_dir])
        self.by_country = {}
        with open(os.path.join(zoneinfo_dir, 'zone.tab'), encoding='utf-8') as f:
            for line in f:
                if line.startswith('#') or not line.strip():
                    continue
                cc, coords, name = line.split('\t')[:3]
                lat, lon = _iso6709(coords)
                self.by_country.setdefault(cc, []).append((unit_vector(lon % 360.0, lat), name.strip()))
        self._offsets = {}

    def zone_name(self, country, lat, lon):
        """Name of the zone for a place, None for a country the table lacks."""
        zones = self.by_country.get(country)
        if not zones:
            return None
        v = unit_vector(lon % 360.0, lat)
        return min(zones, key=lambda z: (separation_deg(v, z[0]), z[1]))[1]

    def standard_offset_minutes(self, zone):
        """Offset from UT of the zone's standard time (the smaller of January
        and July 2025), minutes, east positive."""
        if zone not in self._offsets:
            tz = zoneinfo.ZoneInfo(zone)
            offsets = [datetime.datetime(2025, m, 15, 12, tzinfo=tz).utcoffset() for m in (1, 7)]
            minutes = min(o.total_seconds() for o in offsets) / 60.0
            check(minutes == int(minutes), f'{zone}: offset not whole minutes')
            self._offsets[zone] = int(minutes)
        return self._offsets[zone]


class ZonePolygons:
    """Standard-time zones of the world map (Natural Earth time zones, as
    TopoJSON in d3-celestial's timezones.json): offset hours by place."""

    def __init__(self, path):
        import json
        with open(path, encoding='utf-8') as f:
            topo = json.load(f)
        sx, sy = topo['transform']['scale']
        tx, ty = topo['transform']['translate']
        arcs = []
        for arc in topo['arcs']:
            x = y = 0
            pts = []
            for dx, dy in arc:
                x += dx
                y += dy
                pts.append((x * sx + tx, y * sy + ty))
            arcs.append(pts)
        self.zones = []
        for g in topo['objects']['ne_10m_time_zones']['geometries']:
            polys = g['arcs'] if g['type'] == 'MultiPolygon' else [g['arcs']] if g['type'] == 'Polygon' else []
            rings = []
            for poly in polys:
                for ring in poly:
                    pts = []
                    for i in ring:
                        seg = arcs[i] if i >= 0 else arcs[~i][::-1]
                        pts += seg if not pts else seg[1:]
                    rings.append(pts)
            self.zones.append((float(g['properties']['zone']), rings))

    @staticmethod
    def _inside(rings, lon, lat):
        inside = False
        for ring in rings:
            for (x1, y1), (x2, y2) in zip(ring, ring[1:] + ring[:1]):
                if (y1 > lat) != (y2 > lat) and lon < x1 + (lat - y1) * (x2 - x1) / (y2 - y1):
                    inside = not inside
        return inside

    def offset_hours(self, lat, lon):
        """Standard offset at the place, or None outside every zone polygon."""
        for zone, rings in self.zones:
            if self._inside(rings, lon, lat):
                return zone
        return None


MAP_ZONE_REACH = 2.0          # how much farther the map's zone may lie than the nearest
MAP_ZONE_SLACK_DEG = 2.0


def standard_offset(finder, polygons, country, lat, lon):
    """Standard offset in minutes of a place: the offset of its country when
    all the country's zones agree; else that of the country's zone whose
    principal location is nearest, unless the world map puts the place in
    another of the country's offsets whose nearest zone is not much farther
    away (the map's borders follow states and provinces; it is older than
    the tz database, which wins near its own zone locations)."""
    zones = finder.by_country.get(country)
    if not zones:
        return None
    offsets = {finder.standard_offset_minutes(name) for _, name in zones}
    if len(offsets) == 1:
        return offsets.pop()
    v = unit_vector(lon % 360.0, lat)
    ranked = sorted((separation_deg(v, zv), name, finder.standard_offset_minutes(name)) for zv, name in zones)
    nearest = ranked[0]
    hours = polygons.offset_hours(lat, lon)
    if hours is None or round(hours * 60) == nearest[2]:
        return nearest[2]
    same = [z for z in ranked if z[2] == round(hours * 60)]
    if same and same[0][0] <= MAP_ZONE_REACH * nearest[0] + MAP_ZONE_SLACK_DEG:
        return same[0][2]
    return nearest[2]

"""The star list shared by the main star file and the zone catalogues:
components of one Hipparcos star that lie within a few arcseconds of each
other are merged into one star with their combined light, every star gets a
central magnitude estimate, an SAO and HD number where cross-id.dat has one,
and an 8-character designation.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math
import os
from collections import namedtuple

import star_catalogue as sc
from epoch_fix import repair_epochs
from common import check, separation_deg, unit_vector, to_cp1252

MERGE_RADIUS_ARCSEC = 10.0
# The files floor V to the 0.05 mag grid: the true value lies in [V, V + 0.05).
MAGNITUDE_BIN_CENTRE = 0.025

Entry = namedtuple('Entry', 'hip component ra dec pmra pmdec vmag sao hd name')

GREEK = {'α': 'alf', 'β': 'bet', 'γ': 'gam', 'δ': 'del', 'ε': 'eps', 'ζ': 'zet', 'η': 'eta',
         'θ': 'the', 'ι': 'iot', 'κ': 'kap', 'λ': 'lam', 'μ': 'mu', 'ν': 'nu', 'ξ': 'xi',
         'ο': 'omi', 'π': 'pi', 'ρ': 'rho', 'σ': 'sig', 'τ': 'tau', 'υ': 'ups', 'φ': 'phi',
         'χ': 'chi', 'ψ': 'psi', 'ω': 'ome'}


def latin_designation(text):
    """'α1_Cen'-style designations as 'alf1 Cen' (Windows-1252 has no Greek)."""
    out = ''.join(GREEK.get(ch, ch) for ch in text.replace('_', ' '))
    return ' '.join(out.split())


def combined_magnitude(mags):
    return -2.5 * math.log10(sum(10.0 ** (-0.4 * m) for m in mags))


def choose_designation(proper, scientific, hd, width=8):
    """The star's first (primary) proper name when it fits the field, else its
    Bayer/Flamsteed designation, else the proper name cut to the field, else
    the HD number, else empty."""
    proper = proper[:1]
    if proper and len(proper[0]) <= width and to_cp1252(proper[0]) is not None:
        return proper[0]
    for s in scientific:
        latin = latin_designation(s)
        if len(latin) <= width and to_cp1252(latin) is not None:
            return latin
    for n in proper:
        raw = to_cp1252(n)
        if raw is not None:
            return raw[:width].decode('cp1252').rstrip()
    if hd:
        text = f'HD {hd}'
        return text if len(text) <= width else f'HD{hd}'
    return ''


def _merge_components(stars):
    """Components sharing a HIP number and lying within the merge radius become
    one star: place and motion of the brightest, the light of all."""
    by_hip = {}
    rest = []
    for s in stars:
        (by_hip.setdefault(s.hip, []) if s.hip else rest).append(s)
    merged = []
    for hip in sorted(by_hip):
        group = sorted(by_hip[hip], key=lambda s: (s.vmag, s.cid))
        while group:
            primary = group[0]
            pv = unit_vector(primary.ra, primary.dec)
            close = [s for s in group if separation_deg(pv, unit_vector(s.ra, s.dec)) * 3600.0 <= MERGE_RADIUS_ARCSEC]
            group = [s for s in group if s not in close]
            mag = combined_magnitude([s.vmag + MAGNITUDE_BIN_CENTRE for s in close])
            merged.append((primary, mag))
    return merged + [(s, s.vmag + MAGNITUDE_BIN_CENTRE) for s in rest]


def build_star_list(cache, faintest):
    """All stars with a magnitude estimate below faintest, with numbers and names."""
    stellarium_root = os.path.join(cache, 'stellarium-data', 'usr', 'share', 'stellarium')
    stars_dir = os.path.join(stellarium_root, 'stars', 'default')
    raw = sc.read_all_stars(stars_dir)
    check(len(raw) > 600000, f'only {len(raw)} stars in the source catalogue')
    raw, fixed = repair_epochs(raw, os.path.join(cache, 'kstars-data', 'usr', 'share', 'kstars', 'stars.dat'))
    check(100 <= fixed <= 200, f'{fixed} stars with repaired epochs, expected about 140')
    cross = sc.read_cross_ids(stars_dir)
    scientific = sc.read_designations(os.path.join(stars_dir, 'name.fab'))
    proper = sc.read_designations(os.path.join(stellarium_root, 'skycultures', 'western', 'star_names.fab'))
    named_hips = set()
    entries = []
    for s, mag in _merge_components(raw):
        if mag >= faintest:
            continue
        letter = sc.COMPONENT_LETTERS[s.cid] if s.cid < len(sc.COMPONENT_LETTERS) else ''
        sao, hd = cross.get((s.hip, letter), cross.get((s.hip, ''), (0, 0))) if s.hip else (0, 0)
        entries.append([s, mag, sao, hd, letter])
    # The brightest record of a HIP number carries its names; its other
    # components are known by their HD number only.
    entries.sort(key=lambda e: (e[1], e[0].hip, e[0].ra))
    result = []
    for s, mag, sao, hd, letter in entries:
        if s.hip and s.hip not in named_hips:
            named_hips.add(s.hip)
            name = choose_designation(proper.get(s.hip, []), scientific.get(s.hip, []), hd)
        else:
            name = choose_designation([], [], hd)
        result.append(Entry(s.hip, letter, s.ra, s.dec, s.pmra, s.pmdec, mag, sao, hd, name))
    return result

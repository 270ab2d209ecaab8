#!/usr/bin/python3
"""Reference positions of VSOP87 D from python3-pymeeus (Debian), an
independent transcription and evaluation of the complete series.

Writes libs/tests/data/vsop87d_pymeeus.csv: body, JD (TDB), L (rad, reduced
to [0, 2pi)), B (rad), R (AU), mean dynamical ecliptic and equinox of date,
without the FK5 correction. Run with Debian's interpreter:
    /usr/bin/python3 tools/libs/make_vsop87_fixtures.py
"""
import importlib
import math
import os

from pymeeus.Coordinates import vsop_pos
from pymeeus.Epoch import Epoch

BODIES = ["mercury", "venus", "earth", "mars", "jupiter", "saturn", "uranus", "neptune"]

# 1900-01-01 to 2100-01-01 in 40 steps of an irrational fraction of the
# interval (so no two bodies share phases), and a few instants far out to
# exercise the higher powers of tau: -2000, +1000, +3000, +4000.
JD_1900, JD_2100 = 2415020.5, 2488069.5
FAR = [990557.5, 2086307.5, 2816787.5, 3182027.5]


def instants(index):
    step = (JD_2100 - JD_1900) / 40.0
    offset = (index * 0.6180339887498949) % 1.0
    jds = [JD_1900 + (k + offset) * step for k in range(40)]
    return [round(j, 4) for j in jds] + FAR


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = os.path.join(root, "libs", "tests", "data", "vsop87d_pymeeus.csv")
    rows = ["# body,jd_tdb,L_rad,B_rad,R_au  (python3-pymeeus VSOP87 D, no FK5 correction)"]
    for i, body in enumerate(BODIES):
        m = importlib.import_module("pymeeus." + body.capitalize())
        for jd in instants(i):
            lon, lat, r = vsop_pos(Epoch(jd), m.VSOP87_L, m.VSOP87_B, m.VSOP87_R)
            l_rad = math.radians(lon()) % (2.0 * math.pi)
            rows.append(f"{body},{jd!r},{l_rad!r},{math.radians(lat())!r},{r!r}")
    tmp = out + ".tmp"
    with open(tmp, "w") as f:
        f.write("\n".join(rows) + "\n")
    os.replace(tmp, out)
    print(f"wrote {out}: {len(rows) - 1} rows")


if __name__ == "__main__":
    main()

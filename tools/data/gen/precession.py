"""The program's equatorial precession (IAU 1976, Lieske), in the same form
as the program evaluates it, so that places written here come back exactly
when the program precesses them forward.

precession_matrix(t2, t1): rotation from the mean equator and equinox of t1
to that of t2, both in Julian centuries from J2000.0; apply as v2 = M v1.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import math

T1950 = -0.5   # J1950.0, the epoch of the 1950 places in the catalogue files
T1875 = -1.25  # B1875.0, the equinox of the constellation boundaries (as J1875.0)


def precession_angles(t2, t1):
    """zeta, z, theta in degrees for precession from t1 to t2."""
    dt = t2 - t1
    zeta = ((2306.2181 + (1.39656 - 0.000139 * t1) * t1)
            + ((0.30188 - 0.000344 * t1) + 0.017998 * dt) * dt) * dt / 3600.0
    z = zeta + ((0.7928 + 0.000411 * t1) + 0.000205 * dt) * dt * dt / 3600.0
    theta = ((2004.3109 - (0.8533 + 0.000217 * t1) * t1)
             - ((0.42665 + 0.000217 * t1) + 0.041833 * dt) * dt) * dt / 3600.0
    return zeta, z, theta


def precession_matrix(t2, t1):
    zeta, z, theta = (math.radians(a) for a in precession_angles(t2, t1))
    cz, sz = math.cos(z), math.sin(z)
    ct, st = math.cos(theta), math.sin(theta)
    cs, ss = math.cos(zeta), math.sin(zeta)
    return ((cz * ct * cs - sz * ss, -cz * ct * ss - sz * cs, -cz * st),
            (sz * ct * cs + cz * ss, -sz * ct * ss + cz * cs, -sz * st),
            (st * cs, -st * ss, ct))


def rotate(m, v):
    return tuple(m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2] for i in range(3))


def rotate_back(m, v):
    """Apply the inverse (transpose) of the rotation m."""
    return tuple(m[0][i] * v[0] + m[1][i] * v[1] + m[2][i] * v[2] for i in range(3))


J2000_FROM_1950 = precession_matrix(0.0, T1950)
J2000_FROM_1875 = precession_matrix(0.0, T1875)


def to_1950(v2000):
    """J2000 unit vector -> the 1950 vector whose forward precession is v2000."""
    return rotate_back(J2000_FROM_1950, v2000)

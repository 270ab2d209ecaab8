"""Simplifying a Milky Way contour: the result is the ring's own points in the
ring's order, and every dropped point stays within the tolerance."""
# SPDX-License-Identifier: GPL-3.0-or-later
import math
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'gen'))
from sphere_simplify import simplify_ring  # noqa: E402


def vec(lon, lat):
    a, d = math.radians(lon), math.radians(lat)
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def off_great_circle_deg(p, a, b):
    n = (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])
    length = math.sqrt(sum(x * x for x in n))
    return math.degrees(math.asin(abs(sum(p[i] * n[i] for i in range(3))) / length))


class SimplifyRingTest(unittest.TestCase):
    def test_ring_around_the_sky_keeps_order_and_shape(self):
        # the edge of a wavy band round the whole sky, like the Milky Way's
        # outer contour: its farthest point from the first lies half way round
        ring = [vec(0.1 * k, 20.0 + 3.0 * math.sin(math.radians(0.7 * k)) + 0.5 * math.sin(math.radians(3.1 * k)))
                for k in range(3600)]
        tolerance = 0.15
        kept = simplify_ring(ring, tolerance)
        at = {p: k for k, p in enumerate(ring)}
        indices = [at[p] for p in kept]
        self.assertEqual(indices[0], 0)
        self.assertEqual(indices, sorted(set(indices)), 'kept points out of the ring order')
        self.assertGreater(len(kept), 20)
        self.assertLess(len(kept), len(ring) // 4)
        # each dropped point lies near the chord between the kept points around it
        spans = list(zip(indices, indices[1:] + [len(ring)]))
        for i, j in spans:
            a, b = ring[i], ring[j % len(ring)]
            self.assertLess(max((off_great_circle_deg(ring[k], a, b) for k in range(i + 1, j)), default=0.0),
                            tolerance + 1e-9, f'between points {i} and {j}')


if __name__ == '__main__':
    unittest.main()

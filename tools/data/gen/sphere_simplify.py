"""Simplifying polylines and rings on the sphere to a point budget
(Douglas-Peucker with the angular distance from the great-circle chord)."""
# SPDX-License-Identifier: GPL-3.0-or-later
import math

from common import cross, dot, normalise, separation_deg


def _distance_from_arc(p, a, b):
    """Angle (degrees) of p from the great-circle arc a-b."""
    n = cross(a, b)
    nn = math.sqrt(dot(n, n))
    if nn < 1e-15:
        return separation_deg(p, a)
    n = (n[0] / nn, n[1] / nn, n[2] / nn)
    off = math.degrees(math.asin(max(-1.0, min(1.0, dot(p, n)))))
    # inside the arc's span when p's projection lies between a and b
    if dot(cross(a, p), n) >= 0.0 and dot(cross(p, b), n) >= 0.0:
        return abs(off)
    return min(separation_deg(p, a), separation_deg(p, b))


def simplify_polyline(points, tolerance):
    """Indices of the kept points of an open polyline (unit vectors)."""
    keep = {0, len(points) - 1}
    stack = [(0, len(points) - 1)]
    while stack:
        i, j = stack.pop()
        if j <= i + 1:
            continue
        worst, at = -1.0, -1
        for k in range(i + 1, j):
            d = _distance_from_arc(points[k], points[i], points[j])
            if d > worst:
                worst, at = d, k
        if worst > tolerance:
            keep.add(at)
            stack += [(i, at), (at, j)]
    return sorted(keep)


def simplify_ring(ring, tolerance):
    """A closed ring (first point not repeated) simplified; [] when it shrinks
    below a triangle."""
    if len(ring) < 3:
        return []
    # split at the point farthest from the first one; both halves are open
    # polylines (the second one ends at the first point again), and each
    # half's kept indices refer to that half, not to the ring
    far = max(range(len(ring)), key=lambda k: (separation_deg(ring[0], ring[k]), -k))
    head = ring[:far + 1]
    tail = ring[far:] + ring[:1]
    first = [head[k] for k in simplify_polyline(head, tolerance)]
    second = [tail[k] for k in simplify_polyline(tail, tolerance)]
    out = first + second[1:-1]
    return out if len(out) >= 3 else []


def rings_to_budget(rings, budget, closing=True):
    """Simplify all rings with one tolerance, the smallest that fits the point
    budget (each ring costs its points plus one closing point)."""
    def cost(tol):
        kept = [simplify_ring(r, tol) for r in rings]
        kept = [k for k in kept if k]
        return sum(len(k) + (1 if closing else 0) for k in kept), kept
    lo, hi = 1e-4, 30.0
    best = None
    for _ in range(60):
        mid = math.sqrt(lo * hi)
        n, kept = cost(mid)
        if n <= budget:
            best, hi = (mid, kept), mid
        else:
            lo = mid
    if best is None:
        raise ValueError('rings do not fit the budget at any tolerance')
    return best


def densify(a, b, step_deg):
    """Points strictly between a and b along the great circle, at most step apart."""
    angle = separation_deg(a, b)
    n = int(math.ceil(angle / step_deg)) if angle > 0 else 1
    out = []
    for k in range(1, n):
        t = k / n
        out.append(normalise((a[0] * (1 - t) + b[0] * t, a[1] * (1 - t) + b[1] * t, a[2] * (1 - t) + b[2] * t)))
    return out

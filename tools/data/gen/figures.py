"""Constellation stick figures reduced to a point budget.

A figure is a set of edges between stars. Drawn as polylines it costs one
point per edge plus one per polyline, and a connected figure needs at least
max(1, odd vertices / 2) polylines. Each figure of a group gets a share of
the group's budget in proportion to its own cost (at least one line), and
while a figure costs more than its share, its edge to its faintest end star
(a star that ends a line) is dropped. The remaining edges are then covered
with the fewest polylines (Euler trails).
"""
# SPDX-License-Identifier: GPL-3.0-or-later


def _adjacency(edges):
    adj = {}
    for a, b in edges:
        adj.setdefault(a, set()).add(b)
        adj.setdefault(b, set()).add(a)
    return adj


def _components(adj):
    seen, comps = set(), []
    for v in sorted(adj):
        if v in seen:
            continue
        comp, stack = [], [v]
        seen.add(v)
        while stack:
            u = stack.pop()
            comp.append(u)
            for w in sorted(adj[u]):
                if w not in seen:
                    seen.add(w)
                    stack.append(w)
        comps.append(sorted(comp))
    return comps


def figure_cost(edges):
    adj = _adjacency(edges)
    trails = sum(max(1, sum(1 for v in c if len(adj[v]) % 2) // 2) for c in _components(adj))
    return len(edges) + trails


def shares(costs, budget):
    """Budget split among the figures: each first gets up to 4 points (two
    lines, so that a cross stays a cross), the rest goes in proportion to
    what each figure still lacks, largest remainders first."""
    total = sum(costs.values())
    if total <= budget:
        return dict(costs)
    out = {k: min(c, 4) for k, c in costs.items()}
    lack = {k: costs[k] - out[k] for k in costs}
    spare = budget - sum(out.values())
    if spare < 0:
        raise ValueError('budget below the minimum share of every figure')
    exact = {k: lack[k] * spare / sum(lack.values()) for k in costs}
    for k in costs:
        out[k] += int(exact[k])
    spare -= sum(int(e) for e in exact.values())
    for k in sorted(costs, key=lambda k: (-(exact[k] - int(exact[k])), k))[:spare]:
        out[k] += 1
    return out


def prune_figure(edges, magnitude, budget):
    """Drop the edge to the faintest end star until the figure fits."""
    edges = set(edges)
    while figure_cost(edges) > budget and len(edges) > 1:
        adj = _adjacency(edges)
        leaves = [(magnitude(leaf), e) for e in sorted(edges) for leaf in e if len(adj[leaf]) == 1]
        if not leaves:
            leaves = [(max(magnitude(e[0]), magnitude(e[1])), e) for e in sorted(edges)]
        edges.discard(max(leaves)[1])
    return edges


def prune_to_budget(figures, magnitude, budget):
    """figures: {name: set of (a, b)} with sorted vertex pairs; magnitude(v) of
    a vertex. Returns the pruned figures (new sets)."""
    share = shares({k: figure_cost(v) for k, v in figures.items()}, budget)
    pruned = {k: prune_figure(v, magnitude, share[k]) for k, v in figures.items()}
    if sum(figure_cost(e) for e in pruned.values()) > budget:
        raise ValueError('figures cannot be pruned to the budget')
    return pruned


def euler_trails(edges):
    """Cover the edges with the fewest polylines; each a list of vertices."""
    adj = {v: sorted(n) for v, n in _adjacency(edges).items()}
    trails = []
    for comp in _components(_adjacency(edges)):
        odd = [v for v in comp if len(adj[v]) % 2]
        # pair the odd vertices with virtual edges, then walk one Euler circuit
        used = set()
        graph = {v: [(w, ('e',) + tuple(sorted((v, w)))) for w in adj[v]] for v in comp}
        for i in range(0, len(odd), 2):
            a, b = odd[i], odd[i + 1]
            tag = ('v', i)
            graph[a].append((b, tag))
            graph[b].append((a, tag))
        start = comp[0]
        stack, circuit = [(start, None)], []
        pos = {v: 0 for v in comp}
        while stack:
            v, via = stack[-1]
            while pos[v] < len(graph[v]) and graph[v][pos[v]][1] in used:
                pos[v] += 1
            if pos[v] == len(graph[v]):
                circuit.append(stack.pop())
            else:
                w, tag = graph[v][pos[v]]
                used.add(tag)
                stack.append((w, tag))
        circuit.reverse()
        # split the circuit at the virtual edges
        current = [circuit[0][0]]
        pieces = []
        for v, tag in circuit[1:]:
            if tag[0] == 'v':
                pieces.append(current)
                current = [v]
            else:
                current.append(v)
        pieces.append(current)
        if odd:
            # the circuit is closed: the last piece continues into the first
            if len(pieces) > 1 and pieces[-1][-1] == pieces[0][0]:
                pieces[0] = pieces[-1] + pieces[0][1:]
                pieces.pop()
        trails += [p for p in pieces if len(p) > 1]
    return trails

#!/usr/bin/env python3
"""Reduces the us-atlas and world-atlas npm packages (ISC licence; Census Bureau and Natural
Earth data) to outlines.tsv, the land and borders the service map is drawn over, and to
state_bounds.tsv, the bounding box of every state and territory.

Run once by hand when a package changes; the build never downloads anything:
    mkdir -p /tmp/atlas && cd /tmp/atlas && npm pack us-atlas world-atlas
    mkdir us world && tar xzf us-atlas-*.tgz -C us && tar xzf world-atlas-*.tgz -C world
    python3 convert_outlines.py /tmp/atlas/us/package /tmp/atlas/world/package
"""
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# The part of the world the map can show (longitude west, east; latitude south, north).
WINDOW = (-140.0, -50.0, 8.0, 66.0)
# Degrees a simplified line may stray from the original: well under a pixel of the map.
TOLERANCE = 0.03
# Islands and lakes smaller than this many square degrees are left out.
SMALLEST_RING = 0.01

# Census state names (us-atlas) to the postal abbreviations state.dat uses.
STATES = {
    "Alabama": "AL", "Alaska": "AK", "Arizona": "AZ", "Arkansas": "AR", "California": "CA",
    "Colorado": "CO", "Connecticut": "CT", "Delaware": "DE", "District of Columbia": "DC",
    "Florida": "FL", "Georgia": "GA", "Hawaii": "HI", "Idaho": "ID", "Illinois": "IL",
    "Indiana": "IN", "Iowa": "IA", "Kansas": "KS", "Kentucky": "KY", "Louisiana": "LA",
    "Maine": "ME", "Maryland": "MD", "Massachusetts": "MA", "Michigan": "MI", "Minnesota": "MN",
    "Mississippi": "MS", "Missouri": "MO", "Montana": "MT", "Nebraska": "NE", "Nevada": "NV",
    "New Hampshire": "NH", "New Jersey": "NJ", "New Mexico": "NM", "New York": "NY",
    "North Carolina": "NC", "North Dakota": "ND", "Ohio": "OH", "Oklahoma": "OK", "Oregon": "OR",
    "Pennsylvania": "PA", "Rhode Island": "RI", "South Carolina": "SC", "South Dakota": "SD",
    "Tennessee": "TN", "Texas": "TX", "Utah": "UT", "Vermont": "VT", "Virginia": "VA",
    "Washington": "WA", "West Virginia": "WV", "Wisconsin": "WI", "Wyoming": "WY",
    "Puerto Rico": "PR", "United States Virgin Islands": "VI", "Guam": "GU",
    "American Samoa": "AS", "Commonwealth of the Northern Mariana Islands": "MP",
}


def topology(path):
    with open(path, encoding="utf-8") as f:
        topo = json.load(f)
    (sx, sy), (tx, ty) = topo["transform"]["scale"], topo["transform"]["translate"]
    arcs = []
    for arc in topo["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * sx + tx, y * sy + ty))
        arcs.append(points)
    return topo, arcs


def arc_points(arcs, i):
    return arcs[i] if i >= 0 else arcs[~i][::-1]


def rings_of(arcs, geometry):
    polygons = {"Polygon": [geometry["arcs"]], "MultiPolygon": geometry["arcs"]}.get(
        geometry["type"], [])
    out = []
    for polygon in polygons:
        for ring in polygon:
            points = []
            for i in ring:
                a = arc_points(arcs, i)
                points.extend(a if not points else a[1:])
            out.append(points)
    return out


def area(ring):
    return abs(sum(x1 * y2 - x2 * y1 for (x1, y1), (x2, y2) in zip(ring, ring[1:] + ring[:1]))) / 2


def simplify(points, tolerance):
    """Douglas-Peucker, keeping both ends."""
    if len(points) < 3:
        return points
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        a, b = stack.pop()
        (ax, ay), (bx, by) = points[a], points[b]
        dx, dy = bx - ax, by - ay
        length = (dx * dx + dy * dy) ** 0.5
        worst, at = -1.0, -1
        for i in range(a + 1, b):
            px, py = points[i]
            if length == 0:
                d = ((px - ax) ** 2 + (py - ay) ** 2) ** 0.5
            else:
                d = abs(dy * px - dx * py + bx * ay - by * ax) / length
            if d > worst:
                worst, at = d, i
        if worst > tolerance:
            keep[at] = True
            stack += [(a, at), (at, b)]
    return [p for p, k in zip(points, keep) if k]


def clip(ring):
    """Sutherland-Hodgman against the window, so that a ring still fills what it filled."""
    west, east, south, north = WINDOW
    edges = [(lambda p: p[0] >= west, lambda p, q: cut_x(p, q, west)),
             (lambda p: p[0] <= east, lambda p, q: cut_x(p, q, east)),
             (lambda p: p[1] >= south, lambda p, q: cut_y(p, q, south)),
             (lambda p: p[1] <= north, lambda p, q: cut_y(p, q, north))]
    for inside, cut in edges:
        if not ring:
            break
        out = []
        for i, p in enumerate(ring):
            q = ring[i - 1]
            if inside(p):
                if not inside(q):
                    out.append(cut(q, p))
                out.append(p)
            elif inside(q):
                out.append(cut(q, p))
        ring = out
    return ring


def cut_x(p, q, x):
    t = (x - p[0]) / (q[0] - p[0])
    return (x, p[1] + t * (q[1] - p[1]))


def cut_y(p, q, y):
    t = (y - p[1]) / (q[1] - p[1])
    return (p[0] + t * (q[0] - p[0]), y)


def in_window(points):
    west, east, south, north = WINDOW
    return any(west <= x <= east and south <= y <= north for x, y in points)


def rounded(points):
    """The points as written (hundredths of a degree), none twice in a row."""
    out = []
    for x, y in points:
        t = "%.2f,%.2f" % (x, y)
        if not out or out[-1] != t:
            out.append(t)
    return out


def rings_line(kind, ring):
    ring = clip(simplify(ring, TOLERANCE))
    points = rounded(ring)
    if len(points) > 1 and points[0] == points[-1]:
        points.pop()
    if len(points) < 3 or area(ring) < SMALLEST_RING:
        return None
    return kind + "\t" + " ".join(points)


def main(us_package, world_package):
    lines = []

    us, us_arcs = topology(os.path.join(us_package, "states-10m.json"))
    states = us["objects"]["states"]["geometries"]
    bounds = []
    uses = {}
    for g in states:
        name = g["properties"]["name"]
        rings = rings_of(us_arcs, g)
        xs = [x for r in rings for x, _ in r]
        ys = [y for r in rings for _, y in r]
        if max(xs) - min(xs) > 180:  # across the date line (the Aleutians): west of it
            xs = [x - 360 if x > 0 else x for x in xs]
        bounds.append("%s\t%.2f\t%.2f\t%.2f\t%.2f" % (STATES[name], min(ys), max(ys),
                                                      min(xs), max(xs)))
        for polygon in {"Polygon": [g["arcs"]], "MultiPolygon": g["arcs"]}.get(g["type"], []):
            for ring in polygon:
                for i in ring:
                    uses[i if i >= 0 else ~i] = uses.get(i if i >= 0 else ~i, 0) + 1
    nation = us["objects"]["nation"]["geometries"][0]
    for ring in rings_of(us_arcs, nation):
        if in_window(ring):
            line = rings_line("US", ring)
            if line:
                lines.append(line)
    # Arcs two states share are their common border.
    for i, n in sorted(uses.items()):
        if n == 2 and in_window(us_arcs[i]):
            points = rounded(simplify(us_arcs[i], TOLERANCE))
            if len(points) >= 2:
                lines.append("STATE\t" + " ".join(points))

    world, world_arcs = topology(os.path.join(world_package, "countries-50m.json"))
    for g in world["objects"]["countries"]["geometries"]:
        name = g.get("properties", {}).get("name", "")
        if name == "United States of America":
            continue  # drawn from the Census outlines above
        kind = {"Canada": "CA", "Mexico": "MX"}.get(name, "LAND")
        for ring in rings_of(world_arcs, g):
            if in_window(ring):
                line = rings_line(kind, ring)
                if line:
                    lines.append(line)

    header = [
        "# Land and borders the service map is drawn over, in degrees (longitude,latitude).",
        "# Written by convert_outlines.py from the us-atlas package (Census Bureau state",
        "# outlines: US, STATE) and the world-atlas package (Natural Earth 1:50m countries: CA,",
        "# MX and LAND for the other countries). US, CA, MX and LAND are closed rings of land,",
        "# clipped to the part of the world a map can show; the rings of a kind are filled by",
        "# the even-odd rule. STATE is the border between two states, a line.",
        "# kind\tpoints",
    ]
    with open(os.path.join(HERE, "outlines.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(header + lines) + "\n")
    with open(os.path.join(HERE, "state_bounds.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# Bounding box of each state and territory: the extremes of its Census outline\n"
                "# (us-atlas). Written by convert_outlines.py.\n"
                "# state\tsouth\tnorth\twest\teast\n")
        f.write("\n".join(sorted(bounds)) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/tmp/atlas/us/package",
         sys.argv[2] if len(sys.argv) > 2 else "/tmp/atlas/world/package")

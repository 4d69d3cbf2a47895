#!/usr/bin/python3
"""Makes the world map that the program ships: coastlines and national borders.

Source: the GSHHG shorelines and the WDBII political borders as installed by Debian's
gmt-gshhg-low package, dumped as multi-segment text by Debian's `gmt pscoast`.  The dump is cut
into pieces along GMT's storage bins; the pieces are joined back into whole polylines,
thinned with Douglas-Peucker to about the density the program was designed for, rounded to
two decimals, and written as

  resources/map/karte.txt        the map text built into the program: every polyline opened
                                 by "> -b", points as "longitude<TAB>latitude" (east and north
                                 positive, two decimals); coastlines first, then the line
                                 "Grenze", then the borders
  resources/map/coastUmb.dat     the coastlines as a map data file for the program folder
  resources/map/grenzenUmb.dat   the borders likewise

Run from anywhere: /usr/bin/python3 tools/make_map_data.py  (needs: apt-get install gmt
gmt-gshhg-low).  Nothing here runs at build or test time; the outputs are committed.
"""

import math
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Shorelines at low resolution: land against ocean (level 1) for land of at least 50 square
# kilometres, and the lakes (level 2) of at least 1000.  Borders: national borders (WDBII level
# 1) at intermediate resolution.  The tolerances (degrees of arc, longitude scaled by the
# cosine of the latitude) bring the map to about 20,000 coastline points.
COAST_DUMPS = [["-Dl", "-A50/1/1", "-W"], ["-Dl", "-A1000/2/2", "-W"]]
BORDER_DUMPS = [["-Di", "-N1"]]
COAST_TOLERANCE = 0.095
BORDER_TOLERANCE = 0.01

SEPARATOR = "> -b"


def gmt_dump(args):
    """Runs gmt pscoast and returns its segments as lists of (lon, lat) floats."""
    with tempfile.TemporaryDirectory() as work:  # gmt leaves its history file in the working folder
        out = subprocess.run(["gmt", "pscoast", "-Rd", "-M"] + args, cwd=work,
                             check=True, capture_output=True, text=True).stdout
    segments, current = [], None
    for line in out.splitlines():
        if line.startswith(">"):
            current = []
            segments.append(current)
            continue
        fields = line.split()
        if len(fields) >= 2 and current is not None:
            current.append((float(fields[0]), float(fields[1])))
    return [s for s in segments if len(s) >= 2]


def key(p):
    return (round(p[0], 7), round(p[1], 7))


def drop_duplicates(segments):
    """Drops pieces that repeat another piece, in the same or the opposite direction (the
    border data holds some borders once for each of the two countries)."""
    seen, out = set(), []
    for s in segments:
        k = tuple(key(p) for p in s)
        if k in seen or k[::-1] in seen:
            continue
        seen.add(k)
        out.append(s)
    return out


def join_segments(segments):
    """Joins pieces whose ends meet (in either direction) into the longest possible lines."""
    pieces = [list(s) for s in drop_duplicates(segments)]
    alive = [True] * len(pieces)
    ends = {}
    for i, s in enumerate(pieces):
        if key(s[0]) == key(s[-1]):
            continue  # already a closed ring
        ends.setdefault(key(s[0]), []).append(i)
        ends.setdefault(key(s[-1]), []).append(i)

    def take_partner(point, me):
        for j in ends.get(point, []):
            if j != me and alive[j]:
                return j
        return None

    def unlink(i):
        for p in (key(pieces[i][0]), key(pieces[i][-1])):
            lst = ends.get(p, [])
            if i in lst:
                lst.remove(i)

    result = []
    for i in range(len(pieces)):
        if not alive[i]:
            continue
        alive[i] = False
        unlink(i)
        line = pieces[i]
        # grow at the end, then at the start
        for _ in range(2):
            while key(line[0]) != key(line[-1]):
                j = take_partner(key(line[-1]), i)
                if j is None:
                    break
                alive[j] = False
                unlink(j)
                other = pieces[j]
                if key(other[0]) != key(line[-1]):
                    other = other[::-1]
                line = line + other[1:]
            line.reverse()
        result.append(line)
    return result


def dp_simplify(points, tolerance):
    """Douglas-Peucker on the sphere's local plane (longitude scaled by cos latitude)."""
    n = len(points)
    if n <= 2:
        return points
    keep = [False] * n
    keep[0] = keep[-1] = True
    stack = [(0, n - 1)]
    while stack:
        a, b = stack.pop()
        if b <= a + 1:
            continue
        ax, ay = points[a]
        bx, by = points[b]
        c = math.cos(math.radians((ay + by) / 2))
        dx, dy = (bx - ax) * c, by - ay
        length = math.hypot(dx, dy)
        best, best_d = -1, -1.0
        for k in range(a + 1, b):
            px, py = (points[k][0] - ax) * c, points[k][1] - ay
            if length == 0:
                d = math.hypot(px, py)
            else:
                d = abs(px * dy - py * dx) / length
            if d > best_d:
                best, best_d = k, d
        if best_d > tolerance:
            keep[best] = True
            stack.append((a, best))
            stack.append((best, b))
    return [p for p, k in zip(points, keep) if k]


def fmt(v):
    s = "%.2f" % v
    return "0.00" if s == "-0.00" else s


def prepare(lines, tolerance, min_points):
    """Simplifies, rounds and drops repeated points; returns the polylines as text pairs."""
    out = []
    for line in lines:
        closed = key(line[0]) == key(line[-1])
        simple = dp_simplify(line, tolerance)
        texts = []
        for lon, lat in simple:
            t = (fmt(lon), fmt(lat))
            if not texts or texts[-1] != t:
                texts.append(t)
        if closed and len(texts) < 4:
            continue  # a ring thinner than the tolerance: an islet too small to show
        if len(texts) >= min_points:
            out.append(texts)
    return out


def map_lines(polylines):
    lines = []
    for pl in polylines:
        lines.append(SEPARATOR)
        lines.extend("%s\t%s" % p for p in pl)
    return lines


def write_text(path, lines):
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    coast = prepare(join_segments(sum((gmt_dump(a) for a in COAST_DUMPS), [])), COAST_TOLERANCE, 2)
    borders = prepare(join_segments(sum((gmt_dump(a) for a in BORDER_DUMPS), [])), BORDER_TOLERANCE, 2)
    coast_lines = map_lines(coast)
    border_lines = map_lines(borders)

    out_dir = os.path.join(ROOT, "resources", "map")
    os.makedirs(out_dir, exist_ok=True)
    karte = coast_lines + ["Grenze"] + border_lines
    write_text(os.path.join(out_dir, "karte.txt"), karte)
    write_text(os.path.join(out_dir, "coastUmb.dat"), coast_lines)
    write_text(os.path.join(out_dir, "grenzenUmb.dat"), border_lines)

    cp = sum(len(p) for p in coast)
    bp = sum(len(p) for p in borders)
    print("coastlines: %d polylines, %d points, %d lines" % (len(coast), cp, len(coast_lines)))
    print("borders:    %d polylines, %d points, %d lines" % (len(borders), bp, len(border_lines)))
    print("total:      %d polylines, %d lines" % (len(coast) + len(borders), len(karte)))
    return 0


if __name__ == "__main__":
    sys.exit(main())

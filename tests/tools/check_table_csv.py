#!/usr/bin/python3
"""Reads a table CSV file as a spreadsheet would (Windows-1252, ";") and checks its day rows.

kinds: eot (year table of the equation of time, cells "m:ss"), decl (year table of the
declination, cells of degrees), transit (year table of transit times, cells "hh:mm:ss"),
month (one month: 9 cells per day), halfyear (18 cells). In a month table the row of column
heads and the units row under it have as many fields as the day rows. Every cell must hold what its
column heading says: a clock time or "-----" where rise and set stand, a text such as
"immer sichtbar" whole in the first cell of its pair with the second empty, the equation of
time as "m:ss", the declination as a number.
Prints what is wrong and exits 1; exits 0 when the file is sound.
"""
import argparse
import calendar
import csv
import re
import sys


EOT = r"^\s*-?\d+:\d\d\s*$"
ZEIT = re.compile(r"^\s*(-?\d+:\d\d|-----)\s*$")
TEXTE = {"immer sichtbar", "immer hell", "nie sichtbar", "immer dunkel",
         "always seen", "always bright", "not visible", "always  dark"}


def paar(r, i):
    """The cells i, i+1 of a rise-and-set pair: two times, or one text and an empty cell."""
    a, b = r[i], r[i + 1]
    if a.strip() in TEXTE and b == "":
        return []
    if ZEIT.match(a) and ZEIT.match(b):
        return []
    return [f"row {r[0]!r}: cells {i}, {i + 1} are {a!r}, {b!r}, no rise and set"]


def monatszeile(r):
    if "entfallen" in r[1] or "omitted" in r[1]:
        return [] if all(c == "" for c in r[2:]) else [f"row {r[0]!r}: values beside the dropped day"]
    f = paar(r, 1) + paar(r, 3) + paar(r, 5)
    if not re.match(EOT, r[7]):
        f.append(f"row {r[0]!r}: equation of time {r[7]!r}")
    if not re.match(r"^\s*-?\d+\.\d\d\s*$", r[8]):
        f.append(f"row {r[0]!r}: declination {r[8]!r}")
    if r[9].strip():
        f.append(f"row {r[0]!r}: last cell {r[9]!r} not empty")
    return f


def halbjahreszeile(r):
    f = []
    for m in range(6):
        i = 1 + 3 * m
        if r[i:i + 3] == ["", "-------", ""]:
            continue
        f += paar(r, i)
        if not re.match(EOT, r[i + 2]):
            f.append(f"row {r[0]!r}: equation of time {r[i + 2]!r} in month {m + 1}")
    return f


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("datei")
    ap.add_argument("--kind", required=True, choices=["eot", "decl", "transit", "month", "halfyear"])
    ap.add_argument("--year", type=int, required=True)
    ap.add_argument("--month", type=int, default=1)
    ap.add_argument("--first", default=None, help="the expected cell of 1 January (year tables)")
    a = ap.parse_args()

    with open(a.datei, newline="", encoding="cp1252") as f:
        rows = list(csv.reader(f, delimiter=";"))
    fehler = []
    tag = re.compile(r"^\s*(\d+)\.\s*$")
    tage = [r for r in rows if r and tag.match(r[0])]

    if a.kind in ("eot", "decl", "transit"):
        zelle = re.compile({"eot": EOT, "decl": r"^\s*-?\d+\.\d\d\s*$", "transit": r"^\s*\d\d:\d\d:\d\d\s*$"}[a.kind])
        if len(tage) != 31:
            fehler.append(f"{len(tage)} day rows, not 31")
        for r in tage:
            d = int(tag.match(r[0]).group(1))
            if len(r) != 13:
                fehler.append(f"day {d}: {len(r)} cells, not 13")
                continue
            for m in range(1, 13):
                gibt = d <= calendar.monthrange(a.year, m)[1]
                c = r[m]
                if gibt and not zelle.match(c):
                    fehler.append(f"day {d} month {m}: cell {c!r} is no value")
                if not gibt and c.strip():
                    fehler.append(f"day {d} month {m}: cell {c!r} should be blank")
        if a.first is not None and tage and tage[0][1] != a.first:
            fehler.append(f"1 January: {tage[0][1]!r}, expected {a.first!r}")
    else:
        zellen = 9 if a.kind == "month" else 18
        soll = calendar.monthrange(a.year, a.month)[1] if a.kind == "month" else 31
        if len(tage) != soll:
            fehler.append(f"{len(tage)} day rows, not {soll}")
        # the column heads and the units row below them stand in the day rows' columns
        k = next((i for i, r in enumerate(rows) if r and r[0].strip() in ("Datum", "Date")), len(rows) - 1)
        kopf, einheiten = rows[k], rows[k + 1] if k + 1 < len(rows) else []
        if len(kopf) != zellen + 2 or len(einheiten) != zellen + 2 or sum(c.strip() != "" for c in einheiten[1:]) != zellen - (a.kind == "month"):
            fehler.append(f"column heads {kopf!r} and units {einheiten!r}: not in the day rows' {zellen + 2} fields")
        for r in tage:
            # the day, the cells, and the empty field after the closing ";"
            if len(r) != zellen + 2 or r[-1] != "":
                fehler.append(f"row {r[0]!r}: {len(r)} fields, not {zellen + 2}")
                continue
            if a.kind == "month":
                fehler += monatszeile(r)
            else:
                fehler += halbjahreszeile(r)
    for z in fehler[:20]:
        print(z)
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())

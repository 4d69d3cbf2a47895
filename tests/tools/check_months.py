#!/usr/bin/python3
"""Checks the equation of time and the declination of a month table against NOAA's
solar-calculator equations, read from the file as the program writes it.

Usage: check_months.py FILE --year Y --month M --zone DEG

FILE holds the month table (UTF-8 or Windows-1252), one row per day: "ddd. ", sun rise and
set, twilight end and begin, moon rise and set (14 characters each), the equation of time
"m:ss" (6), a blank and the declination (6). The zone meridian is east negative, as the
program holds it.

Checks, with the equations coded here: the equation of time at 12:00 zone time within 10
seconds; the declination within 0.02 degrees. Prints one line per finding and "OK" at the end.
Exit status: 0 all checks passed, 1 a check failed.
"""
import argparse
import math
import re
import sys

R = math.pi / 180.0


def julian_day(year, month, day, hour_ut):
    if month <= 2:
        year -= 1
        month += 12
    a = year // 100
    b = 2 - a + a // 4
    return (math.floor(365.25 * (year + 4716)) + math.floor(30.6001 * (month + 1)) + day + b - 1524.5
            + hour_ut / 24.0)


def sun(jd):
    """Declination (degrees) and equation of time (minutes) after NOAA's calculator."""
    t = (jd - 2451545.0) / 36525.0
    l0 = (280.46646 + t * (36000.76983 + t * 0.0003032)) % 360.0
    m = 357.52911 + t * (35999.05029 - 0.0001537 * t)
    e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t)
    c = (math.sin(m * R) * (1.914602 - t * (0.004817 + 0.000014 * t))
         + math.sin(2 * m * R) * (0.019993 - 0.000101 * t) + math.sin(3 * m * R) * 0.000289)
    omega = 125.04 - 1934.136 * t
    lam = l0 + c - 0.00569 - 0.00478 * math.sin(omega * R)
    eps0 = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0
    eps = eps0 + 0.00256 * math.cos(omega * R)
    decl = math.asin(math.sin(eps * R) * math.sin(lam * R)) / R
    y = math.tan(eps * R / 2) ** 2
    eot = 4.0 / R * (y * math.sin(2 * l0 * R) - 2 * e * math.sin(m * R)
                     + 4 * e * y * math.sin(m * R) * math.cos(2 * l0 * R)
                     - 0.5 * y * y * math.sin(4 * l0 * R) - 1.25 * e * e * math.sin(2 * m * R))
    return decl, eot


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file")
    parser.add_argument("--year", type=int, required=True)
    parser.add_argument("--month", type=int, required=True)
    parser.add_argument("--zone", type=float, required=True)
    args = parser.parse_args()

    raw = open(args.file, "rb").read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        text = raw.decode("cp1252")
    zone_hours = -args.zone / 15.0

    failures = 0
    rows = 0

    def fail(msg):
        nonlocal failures
        failures += 1
        print(msg)

    for line in text.splitlines():
        m = re.match(r"^ *(\d+)\. ", line)
        if not m or len(line) < 60:
            continue
        day = int(m.group(1))
        rows += 1
        decl, eot = sun(julian_day(args.year, args.month, day, 12.0 - zone_hours))
        eot_text = line[47:53].strip()
        em = re.fullmatch(r"(-?)(\d+):(\d\d)", eot_text)
        if not em:
            fail(f"day {day}: equation of time {eot_text!r} unreadable")
        else:
            value = int(em.group(2)) + int(em.group(3)) / 60.0
            if em.group(1):
                value = -value
            if abs(value - eot) * 60.0 > 10.0:
                fail(f"day {day}: equation of time {eot_text} vs NOAA {eot:.3f} min")
        table_decl = float(line[54:60])
        if abs(table_decl - decl) > 0.02:
            fail(f"day {day}: declination {table_decl} vs NOAA {decl:.3f}")

    if rows == 0:
        fail("no day rows found")
    print(f"{rows} days checked")
    if failures:
        return 1
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Checks a month table of rise and set against NOAA's solar-calculator equations.

Usage: check_months.py FILE --year Y --month M --lat DEG --lon DEG --zone DEG --twilight K

FILE holds the month table as the program writes it (UTF-8 or Windows-1252), one row per
day: "ddd. ", sun rise and set, twilight end and begin, moon rise and set (14 characters
each), the equation of time "m:ss" (6), a blank and the declination (6). Longitude and zone
meridian are east negative, as the program holds them; K is 0 civil, 1 nautical,
2 astronomical twilight.

Checks, with the equations coded here: sunrise, sunset and civil twilight within 2 minutes,
nautical and astronomical twilight within 3 minutes (days whose deepest or highest sun lies
within 1.5 degrees of the event's altitude are skipped, as are the twilight kinds of such
days); a day shown without the event has none by NOAA either; the equation of time at 12:00
zone time within 10 seconds; the declination within 0.02 degrees. Prints one line per finding
and "OK" at the end. Exit status: 0 all checks passed, 1 a check failed.
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


def event(year, month, day, lat, lon_east, zone_hours, altitude, rising):
    """Zone time (hours) of the sun crossing the altitude, or None when it does not."""
    guess = 12.0 - lon_east / 15.0 + zone_hours + (-6.0 if rising else 6.0)
    for _ in range(4):
        decl, eot = sun(julian_day(year, month, day, guess - zone_hours))
        noon = (720.0 - 4.0 * lon_east - eot + zone_hours * 60.0) / 60.0
        cos_ha = ((math.cos((90.0 - altitude) * R) / (math.cos(lat * R) * math.cos(decl * R)))
                  - math.tan(lat * R) * math.tan(decl * R))
        if abs(cos_ha) > 1.0:
            return None
        ha = math.acos(cos_ha) / R
        guess = noon - ha / 15.0 if rising else noon + ha / 15.0
    return guess


def extremes(year, month, day, lat, zone_hours):
    decl, _ = sun(julian_day(year, month, day, 12.0 - zone_hours))
    return abs(lat + decl) - 90.0, 90.0 - abs(lat - decl)


def minutes(text):
    text = text.strip()
    if not re.fullmatch(r"\d{1,2}:\d\d", text):
        return None
    h, m = text.split(":")
    return int(h) * 60 + int(m)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file")
    parser.add_argument("--year", type=int, required=True)
    parser.add_argument("--month", type=int, required=True)
    parser.add_argument("--lat", type=float, required=True)
    parser.add_argument("--lon", type=float, required=True)
    parser.add_argument("--zone", type=float, required=True)
    parser.add_argument("--twilight", type=int, required=True)
    args = parser.parse_args()

    raw = open(args.file, "rb").read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        text = raw.decode("cp1252")
    lon_east = -args.lon
    zone_hours = -args.zone / 15.0
    twilight_alt, twilight_tol = [(-6.0, 2.0), (-12.0, 3.0), (-18.0, 3.0)][args.twilight]

    failures = 0
    rows = 0
    checked = 0

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
        low, high = extremes(args.year, args.month, day, args.lat, zone_hours)
        cells = [(line[5:19], -0.8333333, 2.0, False), (line[19:33], twilight_alt, twilight_tol, True)]
        for cell, alt, tol, evening_first in cells:
            if abs(low - alt) < 1.5 or abs(high - alt) < 1.5:
                continue
            rise = event(args.year, args.month, day, args.lat, lon_east, zone_hours, alt, True)
            fall = event(args.year, args.month, day, args.lat, lon_east, zone_hours, alt, False)
            shown = [cell[6:12], cell[0:6]] if evening_first else [cell[0:6], cell[6:12]]
            for name, expected, txt in (("rise", rise, shown[0]), ("set", fall, shown[1])):
                got = minutes(txt)
                if expected is None:
                    if got is not None:
                        fail(f"day {day}, altitude {alt}: {name} {txt.strip()} shown, NOAA has none")
                    continue
                if got is None:
                    fail(f"day {day}, altitude {alt}: {name} missing ({cell!r}), NOAA {expected:.3f} h")
                    continue
                diff = abs(got - expected * 60.0)
                diff = min(diff, 1440.0 - diff)
                checked += 1
                if diff > tol:
                    fail(f"day {day}, altitude {alt}: {name} {txt.strip()} vs NOAA {expected * 60.0:.1f} min, "
                         f"off by {diff:.1f} min")
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
    print(f"{rows} days, {checked} event times checked")
    if failures:
        return 1
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Reads a DXF drawing with ezdxf and checks it as a CAD program would see it.

Usage: check_dxf.py FILE [--width MM --height MM [--tolerance MM]] [--text TEXT ...]

Checks: ezdxf.readfile succeeds; doc.audit() reports no errors; the modelspace is not empty;
the header's $EXTMIN..$EXTMAX hold the drawn entities' extents within the tolerance (1 drawing
unit = 1 mm); with --width/--height, those extents run from (0, 0) to (width, height); every --text
is found as the text of a TEXT entity. Prints one line per finding and "OK" at the end.
Exit status: 0 all checks passed, 1 a check failed, 3 ezdxf is not available.
Run it with Debian's own /usr/bin/python3 (python3-ezdxf).
"""
import argparse
import sys

try:
    import ezdxf
    from ezdxf import bbox
except ImportError:
    print("ezdxf not available")
    sys.exit(3)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file")
    parser.add_argument("--width", type=float)
    parser.add_argument("--height", type=float)
    parser.add_argument("--tolerance", type=float, default=0.5)
    parser.add_argument("--text", action="append", default=[])
    args = parser.parse_args()

    failures = []
    try:
        doc = ezdxf.readfile(args.file)
    except Exception as error:  # any reader failure is a finding
        print(f"FAIL readfile: {type(error).__name__}: {error}")
        return 1

    auditor = doc.audit()
    for error in auditor.errors:
        failures.append(f"audit error {error.code}: {error.message}")

    msp = doc.modelspace()
    entities = list(msp)
    counts = {}
    for entity in entities:
        counts[entity.dxftype()] = counts.get(entity.dxftype(), 0) + 1
    print("entities " + " ".join(f"{k}={v}" for k, v in sorted(counts.items())))
    if not entities:
        failures.append("modelspace is empty")

    print(f"encoding {doc.encoding}")
    if entities:
        box = bbox.extents(msp)
        low, high = box.extmin, box.extmax
        print(f"extents {low.x:.4f} {low.y:.4f} {high.x:.4f} {high.y:.4f}")
        tol = args.tolerance
        # The header's extents hold the drawing, as a CAD program's default view shows it.
        extmin, extmax = doc.header.get("$EXTMIN"), doc.header.get("$EXTMAX")
        if extmin is None or extmax is None or min(low.x - extmin[0], low.y - extmin[1],
                                                   extmax[0] - high.x, extmax[1] - high.y) < -tol:
            failures.append(f"header extents {extmin} .. {extmax} do not hold the drawing")
    if args.width is not None and args.height is not None and entities:
        if abs(low.x) > tol or abs(low.y) > tol:
            failures.append(f"extents start at ({low.x:.4f}, {low.y:.4f}), not at the origin")
        if abs(high.x - args.width) > tol or abs(high.y - args.height) > tol:
            failures.append(
                f"extents end at ({high.x:.4f}, {high.y:.4f}), not at ({args.width}, {args.height})")

    texts = {e.dxf.text for e in entities if e.dxftype() == "TEXT"}
    for wanted in args.text:
        if wanted not in texts:
            failures.append(f"text {wanted!r} not found")

    for failure in failures:
        print("FAIL " + failure)
    if failures:
        return 1
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())

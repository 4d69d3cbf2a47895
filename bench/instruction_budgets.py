#!/usr/bin/env python3
"""Instruction budgets of the drawing benchmarks, checked by the test command.

Usage: instruction_budgets.py <folder of the bench_* programs> <work folder> [jobs]

Each benchmark of the table runs under callgrind, one valgrind process each, several at once.
How a figure is counted: the programs are started with instrumentation and collection off
(--instr-atstart=no --collect-atstart=no) and UMBRIN_BENCH_RUNDEN set; bench::runde
(bench/Messrahmen.h) switches the count on around one iteration's work only and writes a dump
after it. Google Benchmark is held to one iteration a repetition (--benchmark_min_time=0), so
each repetition gives one dump of exactly one iteration, without the set-up around the loop.
The first dump is the cold one (fonts and glyphs loaded, caches filled) and is left out; the
figure is the median of the others (they agree to a few instructions, the program being the
same each time). A count of instructions does not change with the load of the machine.

Prints a table (benchmark, figure, budget, in millions of instructions) and fails naming every
benchmark over its budget, or missing from its program. A benchmark whose loop does not run its
iterations through bench::runde gives no figure and fails as uncounted.
"""
import concurrent.futures
import glob
import os
import re
import shutil
import statistics
import subprocess
import sys

# (program, benchmark with its arguments, budget in millions of instructions)
PICTURE = 75.0
BUDGETS = [
    ("bench_altitude", "HoehenuhrBild1920x1080", PICTURE),
    ("bench_altitude", "HirtenuhrBild1920x1080", PICTURE),
    ("bench_altitude", "SchinkenuhrBild1920x1080", PICTURE),
    *[("bench_azimutal", f"AzimutalBild1920x1080/{v}", PICTURE) for v in range(5)],
    *[("bench_biazimutal", f"BiazimutalBild1920x1080/{v}", PICTURE) for v in range(2)],
    ("bench_cylinders", "FilterhutBild1920x1080", PICTURE),
    ("bench_cylinders", "PolstabBild1920x1080", PICTURE),
    *[("bench_habermel", f"HabermelBild1920x1080/{v}", PICTURE) for v in range(1, 4)],
    ("bench_planar", "VertikaleUhrBild1920x1080", PICTURE),
    *[("bench_quadrant", f"QuadrantBild1920x1080/{a}/{b}", PICTURE) for a in range(3) for b in range(2)],
    ("bench_ring", "RingZweiBaender1920x1080", PICTURE),
    ("bench_ring", "RingEinBand1920x1080", PICTURE),
    ("bench_ring", "RingKorrektur1920x1080", 60.0),
    ("bench_peaucellier_sawyer", "PeaucellierBild1920x1080", PICTURE),
    ("bench_peaucellier_sawyer", "SawyerBild1920x1080/0", 90.0),
    ("bench_peaucellier_sawyer", "SawyerBild1920x1080/1", 75.0),
    # The foot moved over the small screen's image, default options (0) and with quarter
    # hours, four date lines a sign and the half analemma (1).
    ("bench_peaucellier_sawyer", "SawyerFussVerschieben1366x768/0", 40.0),
    ("bench_peaucellier_sawyer", "SawyerFussVerschieben1366x768/1", 80.0),
    *[("bench_cone", f"KegelUhrBild1920x1080/{e}", 60.0) for e in range(3)],
    *[("bench_cone", f"KegelUhrAufzeichnung/{e}", 40.0) for e in range(3)],
    *[("bench_cone", f"KegelFussVerschieben1366x768/{e}", 55.0) for e in range(3)],
    ("bench_zeichenfenster", "BM_FusspunktVerschieben1920x1080", 3.6),
    ("bench_zeichenfenster", "BM_DialGeaendert1920x1080/0", 56.0),
]


def filter_for(name):
    # The name as Google Benchmark gives it, followed by nothing or its own suffixes
    # (/repeats:5 ...), so that /1 does not also take /10.
    return "^" + re.escape(name) + "(/[a-z_]+:.*)?$"


def measure(programs, work, program, name):
    """The dumps' instruction counts of one benchmark, or None when its program lacks it."""
    exe = os.path.join(programs, program)
    if not os.path.exists(exe):
        return None
    listed = subprocess.run([exe, "--benchmark_list_tests=true", "--benchmark_filter=" + filter_for(name)],
                            capture_output=True, text=True, env=environment())
    if not listed.stdout.strip():
        return None
    folder = os.path.join(work, re.sub(r"[^A-Za-z0-9]+", "_", program + "_" + name))
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    try:
        command = ["valgrind", "--tool=callgrind", "--instr-atstart=no", "--collect-atstart=no",
                   "--callgrind-out-file=" + os.path.join(folder, "cg.out"), exe,
                   "--benchmark_filter=" + filter_for(name), "--benchmark_min_time=0"]
        run = subprocess.run(command, capture_output=True, text=True, env=environment())
        if run.returncode != 0:
            raise RuntimeError(f"{program} {name} ended with {run.returncode}:\n{run.stderr[-2000:]}")
        counts = []
        for dump in sorted(glob.glob(os.path.join(folder, "cg.out.*")), key=lambda p: int(p.rsplit(".", 1)[1])):
            with open(dump, encoding="utf-8", errors="replace") as f:
                for line in f:
                    if line.startswith("totals:") or line.startswith("summary:"):
                        counts.append(int(line.split()[1]))
                        break
        return counts
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def environment():
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    env["UMBRIN_BENCH_RUNDEN"] = "1"
    return env


def main():
    programs, work = sys.argv[1], sys.argv[2]
    jobs = int(sys.argv[3]) if len(sys.argv) > 3 else 4
    if not shutil.which("valgrind"):
        print("valgrind is not installed (scripts/setup.sh installs it): no figures")
        return 1
    os.makedirs(work, exist_ok=True)
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        futures = [pool.submit(measure, programs, work, program, name) for program, name, _ in BUDGETS]
        results = [f.result() for f in futures]
    try:
        os.rmdir(work)
    except OSError:
        pass
    faults = []
    print(f"{'benchmark':<48} {'figure (M)':>11} {'budget (M)':>11}")
    for (program, name, budget), counts in zip(BUDGETS, results):
        if counts is None:
            print(f"{name:<48} {'absent':>11} {budget:>11.1f}")
            faults.append(f"{name} ({program}): no such benchmark")
            continue
        if not counts:
            print(f"{name:<48} {'uncounted':>11} {budget:>11.1f}")
            faults.append(f"{name} ({program}): no iteration counted (its loop must run through bench::runde)")
            continue
        warm = counts[1:] or counts
        figure = statistics.median(warm) / 1e6
        mark = "" if figure <= budget else "  OVER"
        print(f"{name:<48} {figure:>11.2f} {budget:>11.1f}{mark}")
        if figure > budget:
            faults.append(f"{name}: {figure:.2f} M instructions, budget {budget:.1f} M")
    if faults:
        print("\nOver budget or not measured:\n  " + "\n  ".join(faults))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Instruction budgets of the drawing benchmarks, checked by the test command.

Usage: instruction_budgets.py <folder of the bench_* programs> <work folder> [jobs]

Each benchmark of the table runs under callgrind, one valgrind process each, several at once.
How a figure is counted: the programs are started with instrumentation off and collection on
(--instr-atstart=no --collect-atstart=yes) and UMBRIN_BENCH_RUNDEN set; bench::runde
(bench/Messrahmen.h) switches instrumentation on, sets the counters of every thread to zero
before one iteration's work and writes a dump after it, so a figure holds what all threads did
for the iteration (Qt's pool threads included), without the set-up around the loop. Google
Benchmark is held to one iteration a repetition (--benchmark_min_time=0), so each repetition
gives one dump of exactly one iteration. The first dump is the cold one: what a user pays for
the first picture (fonts and glyphs loaded, stores filled); it is judged against a budget of its
own. The warm figure is the median of the others (they agree to a few instructions, the program
being the same each time). A count of instructions does not change with the load of the machine.

Every budget stands at most about 15 % over its own figure, so that a drawing 30 % dearer, warm
or cold, fails in every row.

Prints a table (benchmark, warm figure and budget, cold figure and budget, in millions of
instructions) and fails naming every figure over its budget, or a benchmark missing from its
program. A benchmark whose loop does not run its iterations through bench::runde gives no
figure and fails as uncounted; one with fewer than two repetitions has no warm figure and fails
too.
"""
import concurrent.futures
import glob
import os
import re
import shutil
import statistics
import subprocess
import sys

# (program, benchmark with its arguments, budget of a warm picture, budget of the first picture,
# in millions of instructions). The Sawyer and cone foot moves are the foot moved over the small
# screen's image; the Sawyer's /1 is with quarter hours, four date lines a sign and the half
# analemma. BM_ErstesBild is a drawing window opened, shown and drawn.
BUDGETS = [
    ("bench_altitude", "HoehenuhrBild1920x1080", 6.7, 53.2),
    ("bench_altitude", "HirtenuhrBild1920x1080", 36.0, 85.8),
    ("bench_altitude", "SchinkenuhrBild1920x1080", 7.8, 53.0),
    ("bench_azimutal", "AzimutalBild1920x1080/0", 82.0, 131.7),
    ("bench_azimutal", "AzimutalBild1920x1080/1", 42.1, 112.7),
    ("bench_azimutal", "AzimutalBild1920x1080/2", 33.8, 82.9),
    ("bench_azimutal", "AzimutalBild1920x1080/3", 34.1, 84.1),
    ("bench_azimutal", "AzimutalBild1920x1080/4", 39.1, 94.8),
    ("bench_biazimutal", "BiazimutalBild1920x1080/0", 13.7, 58.5),
    ("bench_biazimutal", "BiazimutalBild1920x1080/1", 82.2, 127.1),
    ("bench_cylinders", "FilterhutBild1920x1080", 55.2, 98.5),
    ("bench_cylinders", "PolstabBild1920x1080", 51.3, 96.0),
    ("bench_habermel", "HabermelBild1920x1080/1", 29.1, 91.3),
    ("bench_habermel", "HabermelBild1920x1080/2", 32.7, 93.2),
    ("bench_habermel", "HabermelBild1920x1080/3", 19.8, 75.9),
    ("bench_planar", "VertikaleUhrBild1920x1080", 35.8, 73.7),
    ("bench_quadrant", "QuadrantBild1920x1080/0/0", 13.4, 58.1),
    ("bench_quadrant", "QuadrantBild1920x1080/0/1", 16.3, 61.0),
    ("bench_quadrant", "QuadrantBild1920x1080/1/0", 10.6, 72.3),
    ("bench_quadrant", "QuadrantBild1920x1080/1/1", 11.2, 68.3),
    ("bench_quadrant", "QuadrantBild1920x1080/2/0", 23.2, 80.1),
    ("bench_quadrant", "QuadrantBild1920x1080/2/1", 23.2, 80.3),
    ("bench_ring", "RingZweiBaender1920x1080", 60.7, 127.8),
    ("bench_ring", "RingEinBand1920x1080", 55.5, 121.9),
    ("bench_ring", "RingKorrektur1920x1080", 60.4, 109.6),
    ("bench_peaucellier_sawyer", "PeaucellierBild1920x1080", 11.4, 63.2),
    ("bench_peaucellier_sawyer", "SawyerBild1920x1080/0", 81.6, 142.9),
    ("bench_peaucellier_sawyer", "SawyerBild1920x1080/1", 74.2, 135.9),
    ("bench_peaucellier_sawyer", "SawyerFussVerschieben1366x768/0", 32.0, 60.3),
    ("bench_peaucellier_sawyer", "SawyerFussVerschieben1366x768/1", 63.1, 91.7),
    ("bench_cone", "KegelUhrBild1920x1080/0", 57.1, 68.3),
    ("bench_cone", "KegelUhrBild1920x1080/1", 37.4, 48.8),
    ("bench_cone", "KegelUhrBild1920x1080/2", 50.2, 61.8),
    ("bench_cone", "KegelUhrAufzeichnung/0", 33.2, 33.2),
    ("bench_cone", "KegelUhrAufzeichnung/1", 25.9, 25.9),
    ("bench_cone", "KegelUhrAufzeichnung/2", 27.3, 27.4),
    ("bench_cone", "KegelFussVerschieben1366x768/0", 51.8, 63.1),
    ("bench_cone", "KegelFussVerschieben1366x768/1", 39.6, 51.0),
    ("bench_cone", "KegelFussVerschieben1366x768/2", 54.3, 65.8),
    ("bench_zeichenfenster", "BM_FusspunktVerschieben1920x1080", 6.1, 4.9),
    ("bench_zeichenfenster", "BM_DialGeaendert1920x1080/0", 40.9, 40.7),
    ("bench_zeichenfenster", "BM_ErstesBild1920x1080", 137.0, 197.2),
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
        command = ["valgrind", "--tool=callgrind", "--instr-atstart=no", "--collect-atstart=yes",
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
        futures = [pool.submit(measure, programs, work, program, name) for program, name, _, _ in BUDGETS]
        results = [f.result() for f in futures]
    try:
        os.rmdir(work)
    except OSError:
        pass
    faults = []
    print(f"{'benchmark':<48} {'warm (M)':>9} {'budget':>7} {'cold (M)':>9} {'budget':>7}")
    for (program, name, budget, kalt), counts in zip(BUDGETS, results):
        if counts is None:
            print(f"{name:<48} {'absent':>9}")
            faults.append(f"{name} ({program}): no such benchmark")
            continue
        if len(counts) < 2:
            print(f"{name:<48} {'uncounted':>9}")
            faults.append(f"{name} ({program}): {len(counts)} iteration(s) counted, at least two wanted"
                          " (its loop must run through bench::runde, with repetitions)")
            continue
        figure = statistics.median(counts[1:]) / 1e6
        first = counts[0] / 1e6
        mark = ""
        if figure > budget:
            mark += "  OVER (warm)"
            faults.append(f"{name}: {figure:.2f} M instructions, budget {budget:.1f} M")
        if first > kalt:
            mark += "  OVER (cold)"
            faults.append(f"{name}, first picture: {first:.2f} M instructions, budget {kalt:.1f} M")
        print(f"{name:<48} {figure:>9.2f} {budget:>7.1f} {first:>9.2f} {kalt:>7.1f}{mark}")
    if faults:
        print("\nOver budget or not measured:\n  " + "\n  ".join(faults))
        return 1
    return 0

if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Instruction budgets of the drawing benchmarks, checked by the test command.

Usage: instruction_budgets.py <folder of the bench_* programs> <work folder> [jobs] [--propose [runs]]

Each benchmark of the table runs under callgrind, one valgrind process each, several at once.
How a figure is counted: the programs are started with instrumentation off and collection on
(--instr-atstart=no --collect-atstart=yes) and UMBRIN_BENCH_RUNDEN set; bench::runde
(bench/Messrahmen.h) switches instrumentation on, sets the counters of every thread to zero
before one iteration's work and writes a dump after it, so a figure holds what all threads did
for the iteration (Qt's pool threads included), without the set-up around the loop. Google
Benchmark is held to one iteration a repetition (--benchmark_min_time=0), so each repetition
gives one dump of exactly one iteration. The first dump is the cold one: what a user pays for
the first picture (the faces it draws with loaded, their glyphs made, stores filled); it is
judged against a budget of its own. The warm figure is the median of the others (they agree to
a few instructions, the program being the same each time). A count of instructions does not
change with the load of the machine.

A figure counts the program's own work, not the machine's fonts. The programs see only the
fonts of bench/schriften.conf (FONTCONFIG_FILE): the upright regular and bold faces the
program draws with, as scripts/setup.sh installs them, without the machine's own font rules;
every other installed font is left out. What still grows with the fonts a machine has, Qt
reading the whole list when a font is first looked for, is done before anything is counted
(bench::schriftlisteGelesen reads Qt's list and nothing of the program's); the program's own
choice of its faces from that list (PainterCanvas::familyFor) falls in the first picture's
count. So the figures are the same with the set-up's fonts alone and with any number of
fonts beside them, and work added to the program's font lookup shows in the cold figures.

The rule: every budget is its figure in the table plus MARGIN (15 %), warm and cold alike. A
drawing 30 % dearer than its figure therefore fails in every row, as 1.30 > 1.15; the script
refuses to run with a margin that would let it pass. That holds while the figures are current:
a row measured more than 1 - 1.15 / 1.30 (11.5 %) below its figure would let a drawing 30 %
dearer than today's pass, and is named in a note. To calibrate after a change of the drawings,
run with --propose (after building the bench_* programs: `python3 bench/instruction_budgets.py
build build/testtmp/budgets 3 --propose`): each benchmark is counted `runs` times (3 unless
given), and the script prints the median warm and cold figures as a table to put in place of
FIGURES below.

Prints a table (benchmark, warm figure and budget, cold figure and budget, in millions of
instructions) and fails naming every figure over its budget, or a benchmark missing from its
program. A benchmark whose loop does not run its iterations through bench::runde gives no
figure and fails as uncounted; one with fewer than two repetitions has no warm figure and fails
too.
"""
import argparse
import concurrent.futures
import glob
import os
import re
import shutil
import statistics
import subprocess
import sys

MARGIN = 0.15
if not 0 < MARGIN < 0.30:
    raise SystemExit("a budget must stand over its figure by less than 30 %, so that a drawing 30 % dearer fails")

FONTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "schriften.conf")

# (program, benchmark with its arguments, figure of a warm picture, figure of the first picture,
# in millions of instructions, as --propose prints them). The Sawyer and cone foot moves are the
# foot moved over the small screen's image; the Sawyer's /1 is with quarter hours, four date
# lines a sign and the half analemma. BM_ErstesBild is a drawing window opened, shown and drawn.
FIGURES = [
    ("bench_altitude", "HoehenuhrBild1920x1080", 5.87, 12.67),
    ("bench_altitude", "HirtenuhrBild1920x1080", 33.50, 41.54),
    ("bench_altitude", "SchinkenuhrBild1920x1080", 6.90, 13.41),
    ("bench_azimutal", "AzimutalBild1920x1080/0", 73.18, 81.66),
    ("bench_azimutal", "AzimutalBild1920x1080/1", 37.45, 53.30),
    ("bench_azimutal", "AzimutalBild1920x1080/2", 29.90, 37.71),
    ("bench_azimutal", "AzimutalBild1920x1080/3", 30.16, 38.38),
    ("bench_azimutal", "AzimutalBild1920x1080/4", 34.08, 43.93),
    ("bench_biazimutal", "BiazimutalBild1920x1080/0", 12.16, 18.38),
    ("bench_biazimutal", "BiazimutalBild1920x1080/1", 73.32, 79.51),
    ("bench_cylinders", "FilterhutBild1920x1080", 52.15, 57.47),
    ("bench_cylinders", "PolstabBild1920x1080", 45.65, 51.69),
    ("bench_habermel", "HabermelBild1920x1080/1", 25.86, 38.32),
    ("bench_habermel", "HabermelBild1920x1080/2", 28.08, 39.56),
    ("bench_habermel", "HabermelBild1920x1080/3", 17.25, 27.23),
    ("bench_planar", "VertikaleUhrBild1920x1080", 32.19, 36.55),
    ("bench_quadrant", "QuadrantBild1920x1080/0/0", 12.07, 17.95),
    ("bench_quadrant", "QuadrantBild1920x1080/0/1", 14.64, 20.53),
    ("bench_quadrant", "QuadrantBild1920x1080/1/0", 9.42, 20.92),
    ("bench_quadrant", "QuadrantBild1920x1080/1/1", 9.86, 20.28),
    ("bench_quadrant", "QuadrantBild1920x1080/2/0", 21.44, 31.67),
    ("bench_quadrant", "QuadrantBild1920x1080/2/1", 21.44, 31.65),
    ("bench_ring", "RingZweiBaender1920x1080", 54.16, 72.98),
    ("bench_ring", "RingEinBand1920x1080", 49.50, 67.37),
    ("bench_ring", "RingKorrektur1920x1080", 53.79, 63.83),
    ("bench_peaucellier_sawyer", "PeaucellierBild1920x1080", 10.11, 19.95),
    ("bench_peaucellier_sawyer", "SawyerBild1920x1080/0", 75.79, 88.01),
    ("bench_peaucellier_sawyer", "SawyerBild1920x1080/1", 69.38, 81.65),
    ("bench_peaucellier_sawyer", "SawyerFussVerschieben1366x768/0", 30.27, 40.96),
    ("bench_peaucellier_sawyer", "SawyerFussVerschieben1366x768/1", 59.18, 69.90),
    ("bench_cone", "KegelUhrBild1920x1080/0", 50.75, 55.53),
    ("bench_cone", "KegelUhrBild1920x1080/1", 33.45, 38.27),
    ("bench_cone", "KegelUhrBild1920x1080/2", 44.72, 49.56),
    ("bench_cone", "KegelUhrAufzeichnung/0", 29.62, 29.63),
    ("bench_cone", "KegelUhrAufzeichnung/1", 23.08, 23.09),
    ("bench_cone", "KegelUhrAufzeichnung/2", 24.43, 24.43),
    ("bench_cone", "KegelFussVerschieben1366x768/0", 46.02, 50.78),
    ("bench_cone", "KegelFussVerschieben1366x768/1", 35.35, 40.17),
    ("bench_cone", "KegelFussVerschieben1366x768/2", 48.18, 53.01),
    ("bench_zeichenfenster", "BM_FusspunktVerschieben1920x1080", 5.35, 4.35),
    ("bench_zeichenfenster", "BM_DialGeaendert1920x1080/0", 36.43, 36.31),
    ("bench_zeichenfenster", "BM_ErstesBild1920x1080", 122.35, 136.74),
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
    env["FONTCONFIG_FILE"] = FONTS
    return env


def budget(figure):
    return figure * (1 + MARGIN)


def count_all(programs, work, jobs, runs):
    """Per row of FIGURES, the counts of each of its runs (None where a program lacks it)."""
    os.makedirs(work, exist_ok=True)
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        futures = [[pool.submit(measure, programs, os.path.join(work, str(run)), program, name)
                    for run in range(runs)] for program, name, _, _ in FIGURES]
        results = [[f.result() for f in row] for row in futures]
    for folder in [os.path.join(work, str(run)) for run in range(runs)] + [work]:
        try:
            os.rmdir(folder)
        except OSError:
            pass
    return results


def fault_of(program, name, counts):
    """Why a row has no figures, or None."""
    if counts is None:
        return f"{name} ({program}): no such benchmark"
    if len(counts) < 2:
        return (f"{name} ({program}): {len(counts)} iteration(s) counted, at least two wanted"
                " (its loop must run through bench::runde, with repetitions)")
    return None


def figures_of(counts):
    """The warm and the cold figure of one run, in millions."""
    return statistics.median(counts[1:]) / 1e6, counts[0] / 1e6


def propose(results):
    """Prints the median figures of several runs as the table FIGURES."""
    faults = []
    print("FIGURES = [")
    for (program, name, _, _), runs in zip(FIGURES, results):
        missing = [f for f in (fault_of(program, name, c) for c in runs) if f]
        if missing:
            faults.append(missing[0])
            continue
        warm = statistics.median(figures_of(c)[0] for c in runs)
        cold = statistics.median(figures_of(c)[1] for c in runs)
        print(f'    ("{program}", "{name}", {warm:.2f}, {cold:.2f}),')
    print("]")
    if faults:
        print("\nNot measured:\n  " + "\n  ".join(faults))
        return 1
    return 0


def check(results):
    """Judges one run of every row against its budgets; prints the table and what failed."""
    faults = []
    slack = []
    print(f"{'benchmark':<48} {'warm (M)':>9} {'budget':>7} {'cold (M)':>9} {'budget':>7}")
    for (program, name, warm_figure, cold_figure), (counts,) in zip(FIGURES, results):
        fault = fault_of(program, name, counts)
        if fault:
            print(f"{name:<48} {'absent' if counts is None else 'uncounted':>9}")
            faults.append(fault)
            continue
        warm, cold = figures_of(counts)
        mark = ""
        for what, value, figure in (("warm", warm, warm_figure), ("cold", cold, cold_figure)):
            if value > budget(figure):
                mark += f"  OVER ({what})"
                faults.append(f"{name}, {what}: {value:.2f} M instructions, budget {budget(figure):.2f} M")
            elif value * 1.30 <= budget(figure):
                slack.append(f"{name}, {what}: {value:.2f} M, figure {figure:.2f} M")
        print(f"{name:<48} {warm:>9.2f} {budget(warm_figure):>7.2f} {cold:>9.2f} {budget(cold_figure):>7.2f}{mark}")
    if slack:
        print("\nNote: far below the figure, so that a drawing 30 % dearer would still pass"
              " (calibrate with --propose):\n  " + "\n  ".join(slack))
    if faults:
        print("\nOver budget or not measured:\n  " + "\n  ".join(faults))
        return 1
    return 0


def main():
    parser = argparse.ArgumentParser(description="Instruction budgets of the drawing benchmarks.")
    parser.add_argument("programs", help="folder of the bench_* programs")
    parser.add_argument("work", help="work folder for callgrind's files, removed afterwards")
    parser.add_argument("jobs", nargs="?", type=int, default=4, help="valgrind processes at once")
    parser.add_argument("--propose", nargs="?", type=int, const=3, metavar="runs",
                        help="print the median figures of that many runs as a new table instead of checking")
    args = parser.parse_args()
    if not shutil.which("valgrind"):
        print("valgrind is not installed (scripts/setup.sh installs it): no figures")
        return 1
    if shutil.which("fc-list"):
        listed = subprocess.run(["fc-list"], capture_output=True, text=True, env=environment())
        if not listed.stdout.strip():
            print(f"none of the fonts of {FONTS} is installed (scripts/setup.sh installs them): no figures")
            return 1
    results = count_all(args.programs, args.work, args.jobs, args.propose or 1)
    return propose(results) if args.propose else check(results)


if __name__ == "__main__":
    sys.exit(main())

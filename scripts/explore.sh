#!/usr/bin/env bash
# Searches fresh places beside the test command (never inside it): draws SEEDS fresh seeds
# (default 50) for the drawing-table sweep's seeded tests, in UMBRIN_EXPLORE_JOBS processes
# (default 3), then runs each fuzz target for UMBRIN_FUZZ_SECONDS seconds (default 60) from a
# fresh seed. Prints every finding with the line that repeats it, ends with a line counting the
# seeds and the findings, and exits 1 on any finding. A seed that finds something becomes a
# fixed row of the sweep (saatfunde in tests/drawing/ZeichnungstabelleSweepTest.cpp).
# Usage: bash scripts/explore.sh [SEEDS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
anzahl=${1:-50}
jobs=${UMBRIN_EXPLORE_JOBS:-3}
"$here/scripts/setup.sh" "$here/build" > /dev/null

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
saaten=()
for ((i = 0; i < anzahl; i++)); do
  saaten+=("$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')")
done

# Each process takes every jobs-th seed; the sweep prints a finding with its seed and test.
for ((j = 0; j < jobs; j++)); do
  liste=""
  for ((i = j; i < anzahl; i += jobs)); do
    liste+="${liste:+,}${saaten[i]}"
  done
  [ -n "$liste" ] || continue
  (cd "$here/build" && UMBRIN_SWEEP_SEED="$liste" ./engine_tests \
      --gtest_filter='Familien/ZeichnungstabelleSweep.NoTextStandsOnAnother*' > "$logs/sweep$j.log" 2>&1 \
    || echo "exit $?" > "$logs/sweep$j.fehler") &
done
wait

funde=0
for ((j = 0; j < jobs; j++)); do
  [ -f "$logs/sweep$j.log" ] || continue
  zeilen=$(grep '^sweep finding in ' "$logs/sweep$j.log" || true)
  if [ -n "$zeilen" ]; then
    while IFS= read -r z; do
      z=${z#sweep finding in }
      test=${z%%: *}
      z=${z#*: }
      saat=${z#seed }
      saat=${saat%%,*}
      echo "finding: $z"
      echo "  repeat: cd build && UMBRIN_SWEEP_SEED=$saat ./engine_tests --gtest_filter='$test'"
      funde=$((funde + 1))
    done <<< "$zeilen"
  elif [ -f "$logs/sweep$j.fehler" ]; then
    tail -30 "$logs/sweep$j.log"
    echo "finding: the sweep process $j ended without a finding line ($(cat "$logs/sweep$j.fehler"))"
    funde=$((funde + 1))
  fi
done

fuzzfehler=0
UMBRIN_FUZZ_SECONDS=${UMBRIN_FUZZ_SECONDS:-60}
fuzzsaat=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
if ! bash "$here/scripts/fuzz.sh" -seed="$fuzzsaat" -max_total_time="$UMBRIN_FUZZ_SECONDS"; then
  echo "finding: a fuzz target failed at fuzz seed $fuzzsaat (its input is kept beside it in build-fuzz)"
  echo "  repeat: build-fuzz/<target> build-fuzz/<target>-crash-*"
  fuzzfehler=1
fi
funde=$((funde + fuzzfehler))
echo "explored $anzahl seeds and fuzzed $UMBRIN_FUZZ_SECONDS s a target: $funde findings"
[ "$funde" -eq 0 ]

#!/usr/bin/env bash
# Builds Umbrin (installing what it needs) and runs every test: the fuzz targets under libFuzzer
# for a fixed number of runs from a fixed seed, then the whole CTest suite (engine, windows, file
# checks, fuzz replays), then the whole suite once more built by clang with AddressSanitizer
# and UndefinedBehaviorSanitizer. It judges fixed cases only: scripts/explore.sh searches fresh
# places beside it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"

# Fuzzing with a fixed seed and a fixed number of runs, so every run of one commit judges the
# same inputs; scripts/explore.sh fuzzes for a while from fresh seeds beside the test command.
bash "$here/scripts/fuzz.sh" -seed=1 -runs="${UMBRIN_FUZZ_RUNS:-5000}"

cd "$here/build"
ctest --output-on-failure --parallel "$(nproc)"

# The same suite under the sanitizers, in a build folder of its own (clang, -O1, no benchmarks),
# so the tests are compiled by clang as well as by GCC above. Every finding, leaks included,
# ends the program that met it with an error.
. "$here/scripts/cache.sh"
asanbuild="$here/build-asan-clang"
if [ ! -f "$asanbuild/build.ninja" ]; then
  CXX=clang++ cmake -S "$here" -B "$asanbuild" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
        -DUMBRIN_SANITIZE=ON "${launcher[@]}"
fi
cmake --build "$asanbuild" --parallel "$(nproc)"
cd "$asanbuild"
ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1" \
UBSAN_OPTIONS="print_stacktrace=1" \
  ctest --output-on-failure --parallel "$(nproc)"

#!/usr/bin/env bash
# Builds Umbrin (installing what it needs) and runs every test: the fuzz targets briefly under
# libFuzzer, then the whole CTest suite (engine, windows, file checks, fuzz replays), then the
# whole suite once more built by clang with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"

# As in setup.sh: the compiler cache serves any clone of the tree.
export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=true
export CCACHE_IGNOREOPTIONS="-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

fuzzbuild="$here/build-fuzz"
if [ ! -f "$fuzzbuild/build.ninja" ]; then
  CXX=clang++ cmake -S "$here" -B "$fuzzbuild" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUMBRIN_FUZZ_ONLY=ON \
        "${launcher[@]}"
fi
cmake --build "$fuzzbuild" --parallel "$(nproc)"
for f in "$fuzzbuild"/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus="$fuzzbuild/corpus/$name"
  seeds="$here/fuzz/seeds/$name"
  [ -n "$(ls -A "$seeds" 2>/dev/null)" ] || { echo "fuzz target $name has no seeds in $seeds"; exit 1; }
  mkdir -p "$corpus"
  echo "fuzzing $name for ${UMBRIN_FUZZ_SECONDS:-10} s"
  "$f" -max_total_time="${UMBRIN_FUZZ_SECONDS:-10}" -timeout=5 -rss_limit_mb=2048 \
       "$corpus" "$seeds" > "$fuzzbuild/$name.log" 2>&1 \
    || { tail -40 "$fuzzbuild/$name.log"; echo "fuzz target $name failed"; exit 1; }
done

cd "$here/build"
ctest --output-on-failure --parallel "$(nproc)"

# The same suite under the sanitizers, in a build folder of its own (clang, -O1, no benchmarks),
# so the tests are compiled by clang as well as by GCC above. Every finding, leaks included,
# ends the program that met it with an error.
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

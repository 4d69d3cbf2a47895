#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer) and runs each from its seeds with the libFuzzer
# options given, in a corpus folder emptied first, so a run starts from the seeds alone.
# Usage: scripts/fuzz.sh LIBFUZZER-OPTION...   e.g. -seed=1 -runs=20000, or -max_total_time=60
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

. "$here/scripts/cache.sh"

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
  rm -rf "$corpus"
  mkdir -p "$corpus"
  echo "fuzzing $name ($*)"
  "$f" "$@" -timeout=5 -rss_limit_mb=2048 -artifact_prefix="$fuzzbuild/$name-" \
       "$corpus" "$seeds" > "$fuzzbuild/$name.log" 2>&1 \
    || { tail -40 "$fuzzbuild/$name.log"; echo "fuzz target $name failed: its input is in $fuzzbuild/$name-*"; exit 1; }
done

#!/usr/bin/env bash
# Builds Umbrin (installing what it needs) and runs every test: the fuzz targets briefly under
# libFuzzer, then the whole CTest suite (engine, windows, file checks, fuzz replays).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"

fuzzbuild="$here/build-fuzz"
if [ ! -f "$fuzzbuild/build.ninja" ]; then
  CXX=clang++ cmake -S "$here" -B "$fuzzbuild" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUMBRIN_FUZZ_ONLY=ON
fi
cmake --build "$fuzzbuild" --parallel "$(nproc)"
for f in "$fuzzbuild"/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus="$fuzzbuild/corpus/$name"
  mkdir -p "$corpus"
  echo "fuzzing $name for ${UMBRIN_FUZZ_SECONDS:-10} s"
  "$f" -max_total_time="${UMBRIN_FUZZ_SECONDS:-10}" -timeout=5 -rss_limit_mb=2048 \
       "$corpus" "$here/fuzz/seeds/$name" > "$fuzzbuild/$name.log" 2>&1 \
    || { tail -40 "$fuzzbuild/$name.log"; echo "fuzz target $name failed"; exit 1; }
done

cd "$here/build"
ctest --output-on-failure --parallel "$(nproc)"

#!/usr/bin/env bash
# Builds the engine's fuzz targets (.dbf, .dbt and .ntx parsers) with clang
# and libFuzzer in their own build directory, writes a starting corpus, and
# runs each target for a bounded time.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]     (default 60)
# Findings (crashing inputs) land in build-fuzz/findings/<target>/; the
# script exits non-zero when a target found one.
set -euo pipefail
cd "$(dirname "$0")/.."
secs="${1:-60}"
dir="${TALLOWBY_FUZZ_BUILD:-build-fuzz}"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTALLOWBY_FUZZ=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target fuzz_dbf fuzz_dbt fuzz_ntx fuzz_seeds
bin="$dir/src/engine/fuzz"
"$bin/fuzz_seeds" "$dir/corpus"
status=0
for kind in dbf dbt ntx; do
  mkdir -p "$dir/findings/$kind"
  echo "== fuzz_$kind for ${secs}s"
  "$bin/fuzz_$kind" "$dir/corpus/$kind" -max_total_time="$secs" -max_len=8192 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$dir/findings/$kind/" \
    2>"$dir/findings/$kind.log" || { status=1; echo "fuzz_$kind found a problem: see $dir/findings/$kind.log"; }
  grep -E "^(stat::number_of_executed_units|stat::new_units_added|Done)" "$dir/findings/$kind.log" || true
done
exit $status

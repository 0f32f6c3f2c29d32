#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan in its own build
# directory (build-asan/, or TALLOWBY_ASAN_BUILD) and runs every test there.
# Non-zero on any failure or sanitizer report. Too slow for CI; an extra
# check before a release or after engine work.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${TALLOWBY_ASAN_BUILD:-build-asan}"
# -O1 keeps the build and the run reasonably quick and the stacks readable.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" \
  -DTALLOWBY_SANITIZE=ON >/dev/null
cmake --build "$dir" -j"$(nproc)"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$dir" --output-on-failure --no-tests=error -j"$(nproc)"

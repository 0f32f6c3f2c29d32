#!/usr/bin/env bash
# Configures and builds into build/ (Release with debug info): the targets
# named (e.g. tallowby tallowby-db), or everything. The same folder serves
# every script, so a later build makes only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j"$(nproc)" "${targets[@]}"

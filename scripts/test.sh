#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Non-zero on any
# failure or when no test ran.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure --no-tests=error -j"$(nproc)"

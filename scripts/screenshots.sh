#!/usr/bin/env bash
# Takes the README's pictures of the main window (one per tab, and with the
# progress box) and of the About box into docs/screens/, on a virtual X
# display (xvfb-run, the real X11 platform), with the demo data. Uses the
# build in build/ (or TALLOWBY_BUILD_DIR), building it when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TALLOWBY_BUILD_DIR:-build}"
if [ ! -x "$build/src/shell/tallowby-screenshots" ] || [ ! -x "$build/tools/tallowby-db" ]; then
  scripts/build.sh
  build=build
fi
demo="$(mktemp -d)"
trap 'rm -rf "$demo"' EXIT
"$build/tools/tallowby-db" init --demo "$demo" >/dev/null
mkdir -p docs/screens
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/src/shell/tallowby-screenshots" "$demo" docs/screens
ls docs/screens

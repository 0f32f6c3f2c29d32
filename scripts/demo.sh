#!/usr/bin/env bash
# Installs what is missing, builds, writes a demo data folder (once) and
# starts the program in it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
demo="${TALLOWBY_DEMO_DIR:-$PWD/demo-data}"
if [ ! -e "$demo/KEX1.DBF" ]; then
  mkdir -p "$demo"
  build/tools/tallowby-db init --demo "$demo"
fi
if [ -x build/src/shell/tallowby ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY is not set): Tallowby is a desktop program." >&2
    echo "Start it from a graphical session, or try: xvfb-run $0" >&2
    exit 1
  fi
  cd "$demo" && exec "$OLDPWD/build/src/shell/tallowby"
fi
# Until the program's windows are built, show what the data tool sees.
build/tools/tallowby-db reindex "$demo"
build/tools/tallowby-db check "$demo" && echo "Demo data folder ready: $demo"

#!/usr/bin/env bash
# Installs what is missing, builds, writes a demo data folder (once) and
# starts Tallowby in it. Tallowby works on the tables of the folder it is
# started from, so it is started from inside the demo folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
scripts/install-deps.sh
# Only the two programs it starts: the tests are built by scripts/test.sh.
scripts/build.sh tallowby tallowby-db
demo="${TALLOWBY_DEMO_DIR:-$root/demo-data}"
if [ ! -e "$demo/KEX1.DBF" ]; then
  mkdir -p "$demo"
  "$root/build/tools/tallowby-db" init --demo "$demo"
fi
demo="$(cd "$demo" && pwd)"
echo "Demo data folder: $demo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Tallowby is a desktop program: from a graphical session (or ssh -X) run" >&2
  echo "  cd '$demo' && '$root/build/src/shell/tallowby'" >&2
  exit 1
fi
cd "$demo"
exec "$root/build/src/shell/tallowby"

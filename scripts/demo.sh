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
# The business follows the desktop's language (German or French: a European
# one, else the American one); TALLOWBY_DEMO=us|de|fr chooses.
kind="${TALLOWBY_DEMO:-}"
if [ -z "$kind" ]; then
  case "${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}" in
    de*) kind=de ;;
    fr*) kind=fr ;;
    *) kind=us ;;
  esac
fi
if [ ! -e "$demo/KEX1.DBF" ]; then
  mkdir -p "$demo"
  if [ "$kind" = us ]; then
    "$root/build/tools/tallowby-db" init --demo "$demo"
  else
    "$root/build/tools/tallowby-db" init --demo "$kind" "$demo"
  fi
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

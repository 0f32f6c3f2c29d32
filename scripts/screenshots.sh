#!/usr/bin/env bash
# Takes the README's pictures of the main window (one per tab, and with the
# progress box), of the About box and of the first start's company folder
# dialog into docs/screens/, on a virtual X display (xvfb-run, the real X11
# platform), with the demo data; then the Invoices tab and the company
# folder dialog once more at 200% scale (QT_SCALE_FACTOR=2), as
# *-scale2.png, and in German and French. Uses the build in build/ (or TALLOWBY_BUILD_DIR), building
# it when needed.
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
mkdir -p docs/screens "$demo/scale2"
# A made-up home folder, so the dialog proposes /home/pat/Tallowby.
shoot() {
  HOME=/home/pat QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1200x24" \
    "$build/src/shell/tallowby-screenshots" "$demo" "$1"
}
shoot docs/screens
QT_SCALE_FACTOR=2 shoot "$demo/scale2"
cp "$demo/scale2/main-invoices.png" docs/screens/main-invoices-scale2.png
cp "$demo/scale2/company-folder.png" docs/screens/company-folder-scale2.png
# The Invoices tab in German and in French (the desktop's language).
for lang in de_DE fr_FR; do
  mkdir -p "$demo/$lang"
  LANG=$lang.UTF-8 LC_ALL=$lang.UTF-8 shoot "$demo/$lang"
  cp "$demo/$lang/main-invoices.png" "docs/screens/main-invoices-${lang%_*}.png"
done
ls docs/screens

#!/usr/bin/env bash
# Takes the README's pictures of an invoice: the report window showing the
# invoices of the last two weeks of the demo data (virtual X display through
# xvfb-run, the real X11 platform) and the first page of the same invoices
# printed into a PDF file by `tallowby report`, turned into a PNG by pdftoppm.
# Uses the build in build/ (or TALLOWBY_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TALLOWBY_BUILD_DIR:-build}"
for program in src/reports/tallowby-report-screenshot src/shell/tallowby tools/tallowby-db; do
  if [ ! -x "$build/$program" ]; then
    echo "missing $build/$program: build first (scripts/build.sh)" >&2
    exit 1
  fi
done
demo="$(mktemp -d)"
trap 'rm -rf "$demo"' EXIT
"$build/tools/tallowby-db" init --demo "$demo" >/dev/null
from="$(date -d '-14 days' +%F)"
to="$(date +%F)"
mkdir -p docs/screens
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/src/reports/tallowby-report-screenshot" "$demo" docs/screens/report-window.png "$from" "$to"
"$build/src/shell/tallowby" report invoices --data "$demo" --from "$from" --to "$to" \
  --format pdf --out "$demo/invoices.pdf"
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$demo/invoices.pdf" docs/screens/printed-invoice
ls -l docs/screens/report-window.png docs/screens/printed-invoice.png

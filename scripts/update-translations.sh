#!/usr/bin/env bash
# Brings translations/AREA_de.ts and AREA_fr.ts up to date with the texts
# marked in the code (lupdate): new texts come in unfinished, texts gone
# from the code go. An area is a folder of src/ (with its subfolders) or
# tools/; all of them, or those named. TRANSLATIONS_DIR writes elsewhere
# (scripts/check-translations.sh compares).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
out="${TRANSLATIONS_DIR:-translations}"
areas=("$@")
if [ ${#areas[@]} -eq 0 ]; then
  areas=(tools)
  for d in src/*/; do
    d=${d%/}; d=${d#src/}
    [ "$d" = testmain ] || [ "$d" = engine ] || areas+=("$d")
  done
fi
for area in "${areas[@]}"; do
  dir=src/$area
  [ "$area" = tools ] && dir=tools
  mapfile -t files < <(find "$dir" \( -name '*.cpp' -o -name '*.h' \) ! -name '*_test.cpp' \
    ! -name '*Test.h' ! -name 'TestSupport.*' | sort)
  "$lupdate" -silent -no-obsolete -locations none "${files[@]}" \
    -ts "$out/${area}_de.ts" "$out/${area}_fr.ts"
done

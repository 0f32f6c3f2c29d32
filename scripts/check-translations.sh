#!/usr/bin/env bash
# Fails when a text shown to the user is not marked for translation, when
# translations/ is not up to date with the code (a text added, changed or
# gone), or when a German or French translation is missing or left in
# English.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
python3 scripts/find-unmarked-texts.py || status=1
python3 scripts/find-untranslated-phrases.py || status=1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp translations/*.ts "$tmp"/
TRANSLATIONS_DIR="$tmp" scripts/update-translations.sh 2>/dev/null
if ! diff -q translations "$tmp" >/dev/null; then
  echo "translations/ is not up to date with the code: run scripts/update-translations.sh" >&2
  diff -r translations "$tmp" | head -40 >&2 || true
  status=1
fi
for lang in de fr; do
  unfinished=$(cat translations/*_"$lang".ts | grep -c 'type="unfinished"' || true)
  obsolete=$(cat translations/*_"$lang".ts | grep -cE 'type="(obsolete|vanished)"' || true)
  texts=$(cat translations/*_"$lang".ts | grep -c '<source>' || true)
  echo "$lang: $texts texts, $unfinished unfinished, $obsolete obsolete"
  [ "$unfinished" -eq 0 ] && [ "$obsolete" -eq 0 ] || status=1
done
exit $status

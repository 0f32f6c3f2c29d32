#!/usr/bin/env bash
# Installs a built package into a scratch root (dpkg-deb -x) and checks it:
# every file where the desktop entry, the icon theme and man look for it,
# the version the same everywhere, the packaged programs answering --help
# and --version, and desktop-file-validate / appstreamcli validate (when
# installed) passing.
#   scripts/check-package.sh build-release/tallowby_1.22_amd64.deb
set -euo pipefail
deb="${1:?usage: scripts/check-package.sh PACKAGE.deb}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
version="$(dpkg-deb -f "$deb" Version)"
app=org.tallowby.Tallowby
failed=0
fail() { echo "FAIL $*"; failed=1; }
has() { if [ -f "$root/$1" ]; then echo "ok   /$1"; else fail "missing /$1"; fi; }

echo "== files of $deb (version $version)"
has usr/bin/tallowby
has usr/bin/tallowby-db
desktop="usr/share/applications/$app.desktop"
has "$desktop"
command="$(sed -n 's/^Exec=//p' "$root/$desktop")"
has "usr/bin/${command%% *}"
icon="$(sed -n 's/^Icon=//p' "$root/$desktop")"
has "usr/share/icons/hicolor/scalable/apps/$icon.svg"
for n in 16 22 24 32 48 64 128 256; do
  png="usr/share/icons/hicolor/${n}x${n}/apps/$icon.png"
  has "$png"
  file -b "$root/$png" | grep -q "PNG image data, $n x $n" || fail "$png is not $n x $n"
done
metainfo="usr/share/metainfo/$app.metainfo.xml"
has "$metainfo"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$root/$metainfo" ||
  fail "the metainfo does not launch $app.desktop"
grep -q "<release version=\"$version\"" "$root/$metainfo" || fail "the metainfo's release is not $version"
for page in tallowby tallowby-db; do
  has "usr/share/man/man1/$page.1.gz"
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH .*\"Tallowby $version\"" ||
    fail "man page $page.1 does not name version $version"
done
has usr/share/doc/tallowby/copyright
has usr/share/tallowby/rules/en16931/EN16931-CII-validation.xslt
has usr/share/tallowby/rules/xrechnung/LICENSE
has usr/share/doc/tallowby/changelog.gz
zcat "$root/usr/share/doc/tallowby/changelog.gz" | head -1 | grep -q "^tallowby ($version)" ||
  fail "the changelog does not begin with version $version"
outside="$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)"
[ -z "$outside" ] || fail "files outside /usr: $outside"

echo "== the packaged programs"
out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tallowby" --version)"
[ "$out" = "Tallowby $version" ] || fail "tallowby --version says '$out'"
"$root/usr/bin/tallowby" --help | grep -q -- "--remembered" || fail "tallowby --help"
out="$("$root/usr/bin/tallowby-db" --version)"
[ "$out" = "tallowby-db $version" ] || fail "tallowby-db --version says '$out'"
"$root/usr/bin/tallowby-db" --help | grep -q "init \[--demo \[de|fr\]\] DIR" || fail "tallowby-db --help"
data="$root/company"
mkdir "$data"
"$root/usr/bin/tallowby-db" init "$data" >/dev/null || fail "tallowby-db init"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tallowby" report statements \
  --data "$data" --out "$root/statements.txt" 2>/dev/null || fail "tallowby report without a display"

echo "== validators"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/$desktop" && echo "ok   desktop-file-validate" ||
    fail "desktop-file-validate"
else
  echo "skip desktop-file-validate (desktop-file-utils not installed)"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/$metainfo" >/dev/null && echo "ok   appstreamcli validate" ||
    { appstreamcli validate --no-net "$root/$metainfo"; fail "appstreamcli validate"; }
else
  echo "skip appstreamcli validate (appstream not installed)"
fi
if command -v man >/dev/null; then
  for page in tallowby tallowby-db; do
    warnings="$(man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
    [ -z "$warnings" ] && echo "ok   man $page" || fail "man $page: $warnings"
  done
fi

if [ "$failed" != 0 ]; then
  echo "check-package: FAILED"
  exit 1
fi
echo "check-package: all good"

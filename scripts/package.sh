#!/usr/bin/env bash
# Builds the packaged programs in the Release build (build-release/, or
# TALLOWBY_RELEASE_BUILD; -O3, warnings are errors) and the Debian package
# tallowby_<version>_amd64.deb in it with CPack, then checks the package:
# lintian must report no error, and scripts/check-package.sh installs it into
# a scratch root and checks it. CI runs it.
#   scripts/package.sh          build, package, check
#   scripts/package.sh --test   the same with every target, then every test on
#                               the Release build (not in CI: see docs/decisions.md)
# Installs the packaging tools it needs (lintian, desktop-file-utils,
# appstream, dpkg-dev) when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${TALLOWBY_RELEASE_BUILD:-build-release}"
run_tests=0
[ "${1:-}" = "--test" ] && run_tests=1

scripts/install-deps.sh
tools=(lintian desktop-file-utils appstream dpkg-dev file)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Debian's hardening: stack protector, fortified functions, read-only
# relocations bound at start.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="-fstack-protector-strong -D_FORTIFY_SOURCE=2" \
  -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro -Wl,-z,now" "${launcher[@]}" >/dev/null
if [ "$run_tests" = 1 ]; then
  cmake --build "$dir" -j"$(nproc)"
else
  # Only what goes into the package; the tests are built with --test.
  cmake --build "$dir" -j"$(nproc)" --target tallowby tallowby-db tallowby_docs
fi
rm -f "$dir"/tallowby_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb="$(ls "$dir"/tallowby_*_*.deb)"
echo "== $deb"
dpkg-deb -f "$deb"

echo "== lintian"
lintian --fail-on error "$deb"

scripts/check-package.sh "$deb"

if [ "$run_tests" = 1 ]; then
  echo "== every test on the Release build"
  ctest --test-dir "$dir" --output-on-failure --no-tests=error -j"$(nproc)"
fi

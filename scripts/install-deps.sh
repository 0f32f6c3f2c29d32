#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Tallowby.
set -euo pipefail
pkgs=(
  g++ cmake ninja-build pkg-config lld
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-dbf python3-dbfread libdbd-xbase-perl
  poppler-utils xvfb xauth
  libqpdf-dev qpdf libqrencode-dev zbar-tools
  libsaxonhe-java default-jre-headless libxml2-utils
  libsqlite3-dev sqlite3 postgresql
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"

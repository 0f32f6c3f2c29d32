#!/usr/bin/env bash
# Packs the demo invoice table (with its memo file and indexes) on a small
# file system filled up to leave less and less room, from enough for the
# pack down to none. Each pack must either work (check then finds nothing)
# or fail with a message and leave every file of the folder byte for byte as
# it was, with no temporary file left.
#   scripts/full-disk-pack.sh
# Needs root (it mounts a 4 MB tmpfs under a temporary folder) and a build
# (build/tools/tallowby-db, or TALLOWBY_DB).
source "$(dirname "$0")/demo-folder.sh"
mnt="$work/disk"
mkdir -p "$mnt"
if ! mount -t tmpfs -o size=4m tmpfs "$mnt" 2>/dev/null; then
  echo "cannot mount a tmpfs here (needs root); skipped" >&2
  exit 0
fi
at_exit 'umount "$mnt"'
mark_deleted "$work/demo/INV5.dbf" 5
files="INV5.dbf INV5.dbt INV5.cgp inv.ntx invc.ntx invd.ntx"
runs=0 refused=0 failures=0
for free_kb in $(seq 0 4 160); do
  rm -rf "${mnt:?}"/*
  mkdir "$mnt/data"
  for f in $files; do cp "$work/demo/$f" "$mnt/data/"; done
  avail_kb=$(df -k --output=avail "$mnt" | tail -1)
  fill_kb=$((avail_kb - free_kb))
  [[ $fill_kb -gt 0 ]] && head -c "$((fill_kb * 1024))" /dev/zero >"$mnt/filler" 2>/dev/null || true
  sum_before="$(cd "$mnt/data" && sha1sum $files)"
  runs=$((runs + 1))
  if out="$("$tool" pack "$mnt/data/INV5.dbf" 2>&1)"; then
    if ! "$tool" check "$mnt/data" >/dev/null 2>&1; then
      echo "FAIL with $free_kb KB free: the pack worked but check finds problems"; failures=$((failures + 1))
    fi
  else
    refused=$((refused + 1))
    if [[ "$(cd "$mnt/data" && sha1sum $files)" != "$sum_before" ]]; then
      echo "FAIL with $free_kb KB free: a failed pack changed files ($out)"; failures=$((failures + 1))
    fi
  fi
  if ls -A "$mnt/data" | grep -qE "$leftover_pattern"; then
    echo "FAIL with $free_kb KB free: left behind: $(ls "$mnt/data" | tr '\n' ' ')"; failures=$((failures + 1))
  fi
done
echo "$runs pack(s), $refused refused for want of room, $failures failure(s)"
[[ $failures -eq 0 ]]

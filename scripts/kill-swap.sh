#!/usr/bin/env bash
# Kills a restore, a conversion of the earlier generation's tables and a
# backup at every rename, unlink and fsync they make (through strace), each
# time on a fresh copy of the demo folder, and then runs each kind of next
# command on its own copy of what the kill left: `tallowby-db check`,
# `pack`, `dump`, `tallowby report`, `tallowby labels` and a restore from the
# backup. Each must finish or undo the cut-short work before it reads: what
# it prints is wholly the old set's or wholly the new set's, the folder
# afterwards holds the old or the new set, table by table and memo by memo,
# `check` finds nothing, and nothing is left behind. A killed backup must
# leave its folder restored wholly (older or newer backup) or refused with
# nothing changed.
#   scripts/kill-swap.sh [STRIDE]     (every STRIDE-th kill point; default 1)
# Needs a build (build/tools/tallowby-db and build/src/shell/tallowby, or
# TALLOWBY_DB and TALLOWBY), strace, pdftotext and python3's dbf module.
source "$(dirname "$0")/demo-folder.sh"
program="$(realpath "${TALLOWBY:-build/src/shell/tallowby}")"
stride="${1:-1}"
tables="CUST5 GROUPS INV5 ITM5 LABELS PMT Pur5 Prod5"
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$work/config"  # the printer remembered by other runs stays out

# live DIR: every table's live records, memos included, one file per table
# in $work/live.
live() {
  rm -rf "$work/live" && mkdir "$work/live"
  for t in $tables; do contents "$1/$t.dbf" | grep -F '"_deleted": false' >"$work/live/$t" || true; done
}
# What the two batch commands print from DIR, as text (what they say on
# failure in $work/batch.err).
report() {
  "$program" report invoices --data "$1" --from 1900-01-01 --to 2099-12-31 --out "$work/r.txt" \
    >/dev/null 2>"$work/batch.err" && cat "$work/r.txt"
}
labels() {
  "$program" labels groups --groups all --stock "$stock" --data "$1" --out "$work/l.pdf" \
    >/dev/null 2>"$work/batch.err" && pdftotext "$work/l.pdf" - | grep -v '^$'
}
# remember DIR NAME: the live tables and the batch outputs of a set.
remember() {
  live "$1" && cp -r "$work/live" "$work/$2.live"
  report "$1" >"$work/$2.report"
  labels "$1" >"$work/$2.labels"
}

# The sets: old (the demo), new (the demo with every fifth customer,
# invoice, item and product deleted and packed, memos compacted), its
# backup, and the earlier generation's tables with their conversion.

# name_first_stock LABELS.dbf: the first label stock is called $stock, so
# that one labels command serves every set.
stock="Kill test"
name_first_stock() {
  python3 - "$1" "$stock" <<'PY'
import struct, sys
p, name = sys.argv[1], sys.argv[2].encode("cp1252")
b = bytearray(open(p, "rb").read())
header = struct.unpack_from("<H", b, 8)[0]
width = b[32 + 16]  # the first field, NAME
b[header + 1:header + 1 + width] = name.ljust(width)
open(p, "wb").write(bytes(b))
PY
}
name_first_stock "$work/demo/LABELS.dbf" && "$tool" reindex "$work/demo"
cp -a "$work/demo" "$work/new"
for t in CUST5 INV5 ITM5 Prod5; do
  mark_deleted "$work/new/$t.dbf" 5
  "$tool" pack "$work/new/$t.dbf" 2>/dev/null
done
"$tool" backup "$work/new" "$work/backup"
cp -a "$work/demo" "$work/restored" && "$tool" restore "$work/restored" "$work/backup"
py=python3  # the earlier tables are written with the dbf module
$py -c 'import dbf' 2>/dev/null || py=/usr/bin/python3
mkdir "$work/earlier" && $py src/data/testdata/earlier_tables.py "$work/earlier"
cp "$work/demo/LABELS.dbf" "$work/earlier/labels.dbf"  # a stock fit for the labels command
cp -a "$work/demo" "$work/converted" && "$tool" convert "$work/converted" "$work/earlier"
remember "$work/demo" old
remember "$work/restored" restored
remember "$work/converted" converted
"$tool" backup "$work/new" "$work/older-backup-target"  # what the killed backups write over

kills=0 failures=0 nexts=0 refusals=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# side_of DIR NEW LABEL: sets $side to the set (old or NEW) DIR's tables
# hold; "" (after a failure) when a table holds neither or they hold a mix.
side_of() {
  local dir="$1" new="$2" label="$3" t s
  side=""
  live "$dir"
  for t in $tables; do
    s=""
    cmp -s "$work/live/$t" "$work/old.live/$t" && s=old
    if cmp -s "$work/live/$t" "$work/$new.live/$t"; then
      [[ -n "$s" ]] && continue  # the same in both sets
      s=$new
    fi
    [[ -z "$s" ]] && { fail "$label: $t holds neither set"; side=""; return; }
    [[ -n "$side" && "$side" != "$s" ]] && { fail "$label: a mix ($t of the $s set, others of the $side set)"; side=""; return; }
    side=$s
  done
  side="${side:-old}"
}

# The folder after a next command: one set, checked, nothing left behind.
after_next() {  # dir new label
  local dir="$1" label="$3"
  side_of "$dir" "$2" "$label"
  "$tool" check "$dir" >"$work/check.out" 2>&1 || { fail "$label: check:"; head -3 "$work/check.out"; }
  if ls -A "$dir" | grep -qE "$leftover_pattern"; then
    fail "$label: left behind: $(ls -A "$dir" | grep -E "$leftover_pattern" | tr '\n' ' ')"
  fi
}

# Each kind of next command on its own copy of the killed folder.
next_commands() {  # new label
  local new="$1" label="$2" out
  nexts=$((nexts + 6))
  for next in check pack dump report labels restore; do
    rm -rf "$work/run" && cp -a "$work/killed" "$work/run"
    case $next in
      check) "$tool" check "$work/run" >/dev/null 2>&1 || fail "$label, check: problems found" ;;
      pack) "$tool" pack "$work/run/CUST5.dbf" >/dev/null 2>&1 || fail "$label, pack failed" ;;
      dump)
        out="$("$tool" dump "$work/run/CUST5.dbf" | grep -F '"_deleted": false' | sed 's/^{"_recno": [0-9]*, /{/' | sort)"
        [[ "$out" == "$(cat "$work/old.live/CUST5")" || "$out" == "$(cat "$work/$new.live/CUST5")" ]] ||
          fail "$label, dump read a mix" ;;
      report | labels)
        # What it printed is the old or the new set's; after a conversion
        # killed before its closing pack, what the folder prints once put
        # in order (records marked deleted still show).
        out="$($next "$work/run")" || fail "$label, $next failed: $(cat "$work/batch.err")"
        if [[ "$out" != "$(cat "$work/old.$next")" && "$out" != "$(cat "$work/$new.$next")" ]]; then
          [[ $new == converted && "$out" == "$($next "$work/run")" ]] || fail "$label, $next printed from a mix"
        fi ;;
      restore)
        "$tool" restore "$work/run" "$work/backup" >/dev/null 2>&1 || fail "$label, restore from the backup failed"
        side_of "$work/run" restored "$label, restore"
        [[ "$side" == restored ]] || fail "$label, restore: not the backup's set" ;;
    esac
    if [[ $next == restore ]]; then after_next "$work/run" restored "$label, $next"; else after_next "$work/run" "$new" "$label, $next"; fi
  done
}

# attack NEW LABEL PREPARE COMMAND...: kills COMMAND at every call in turn.
attack() {
  local new="$1" label="$2" prepare="$3" call n
  shift 3
  for call in rename renameat renameat2 unlink unlinkat rmdir fsync fdatasync; do
    for ((n = 1; ; n += stride)); do
      $prepare
      # (A subshell of its own that says nothing of the kill.)
      if (strace -f -qq -o /dev/null -e trace="$call" -e inject="$call:signal=KILL:when=$n" "$@" >/dev/null 2>&1
          exit $?) 2>/dev/null; then
        break  # fewer such calls: it ran to its end
      fi
      kills=$((kills + 1))
      rm -rf "$work/killed" && cp -a "$work/target" "$work/killed"
      $after "$new" "$label at $call $n"
    done
  done
}

fresh_data() { rm -rf "$work/target" && cp -a "$work/demo" "$work/target"; }
after=next_commands
attack restored restore fresh_data "$tool" restore "$work/target" "$work/backup"
echo "restore: $kills kill(s)"
attack converted convert fresh_data "$tool" convert "$work/target" "$work/earlier"
echo "restore and convert: $kills kill(s)"

# A killed backup: restoring from its folder gives the older backup or the
# newer one wholly, or is refused and changes nothing; the next backup
# there works; no copy cut short is left in the folder.
fresh_backup_target() { rm -rf "$work/target" && cp -a "$work/older-backup-target" "$work/target"; }
after_backup() {  # new label
  local label="$2"
  nexts=$((nexts + 2))
  rm -rf "$work/run" && cp -a "$work/demo" "$work/run"
  if "$tool" restore "$work/run" "$work/killed" >"$work/restore.out" 2>&1; then
    side_of "$work/run" restored "$label, restore from it"
  else
    refusals=$((refusals + 1))
    grep -q "nothing was changed\|Function Aborted" "$work/restore.out" || fail "$label: refusal says: $(cat "$work/restore.out")"
    side_of "$work/run" restored "$label, refused restore"
    [[ "$side" == old ]] || fail "$label: a refused restore changed the data"
  fi
  after_next "$work/run" restored "$label, restore from it"
  ls -A "$work/killed" | grep -qE "$leftover_pattern" && fail "$label: the restore left $(ls -A "$work/killed" | grep -E "$leftover_pattern")"
  rm -rf "$work/run" && cp -a "$work/killed" "$work/run"
  "$tool" backup "$work/demo" "$work/run" >/dev/null 2>&1 || fail "$label: the next backup failed"
  ls -A "$work/run" | grep -qE "$leftover_pattern" && fail "$label: the next backup left $(ls -A "$work/run" | grep -E "$leftover_pattern")"
  return 0
}
after=after_backup
attack restored backup fresh_backup_target "$tool" backup "$work/demo" "$work/target"

echo "$kills kill(s), $nexts next command(s), $refusals refused restore(s) of a cut-short backup, $failures failure(s)"
[[ $failures -eq 0 ]]

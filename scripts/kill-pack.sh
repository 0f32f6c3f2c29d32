#!/usr/bin/env bash
# Kills `tallowby-db pack` of the demo invoice, item and customer tables at
# every rename and fsync it makes (through strace) and at random moments,
# each time on a fresh copy of a demo folder with some records marked
# deleted. After each kill the next open must finish or undo the pack: the
# table then holds either every record as before or exactly the live ones,
# memos included, `tallowby-db check` finds nothing, and no temporary file
# is left.
#   scripts/kill-pack.sh [RANDOM_KILLS_PER_TABLE]      (default 20)
# Needs a build (build/tools/tallowby-db, or TALLOWBY_DB) and strace.
source "$(dirname "$0")/demo-folder.sh"
randoms="${1:-20}"

kills=0 failures=0
check_after_kill() {  # dir table label
  local dir="$1" table="$2" label="$3" now
  now="$(contents "$dir/$table.dbf")"
  if [[ "$now" != "$(cat "$work/$table.before")" && "$now" != "$(cat "$work/$table.after")" ]]; then
    echo "FAIL $label: $table holds neither the old nor the packed records"; failures=$((failures + 1)); return
  fi
  if ! "$tool" check "$dir" >"$work/check.out" 2>&1; then
    echo "FAIL $label: check:"; head -5 "$work/check.out"; failures=$((failures + 1)); return
  fi
  if ls -A "$dir" | grep -qE "$leftover_pattern"; then
    echo "FAIL $label: left behind: $(ls -A "$dir" | grep -E "$leftover_pattern" | tr '\n' ' ')"
    failures=$((failures + 1))
  fi
}

fresh() {  # table -> a new folder with the table's records marked
  rm -rf "$work/run"
  cp -a "$work/demo" "$work/run"
  mark_deleted "$work/run/$1.dbf" 7
}

for table in INV5 ITM5 CUST5; do
  fresh "$table"
  contents "$work/run/$table.dbf" >"$work/$table.before"
  cp -a "$work/run" "$work/packed"
  "$tool" pack "$work/packed/$table.dbf" 2>/dev/null
  contents "$work/packed/$table.dbf" >"$work/$table.after"
  rm -rf "$work/packed"
  # Every rename and fsync of the pack in turn.
  for call in rename fsync; do
    for n in $(seq 1 12); do
      fresh "$table"
      # (A subshell of its own that says nothing of the kill.)
      if (strace -f -qq -o /dev/null -e trace=rename,renameat,renameat2,fsync,fdatasync \
            -e inject="$call:signal=KILL:when=$n" "$tool" pack "$work/run/$table.dbf" >/dev/null 2>&1
          exit $?) 2>/dev/null; then
        break  # the pack made fewer such calls: it ran to its end
      fi
      kills=$((kills + 1))
      check_after_kill "$work/run" "$table" "$table at $call $n"
    done
  done
  # Random moments.
  for _ in $(seq 1 "$randoms"); do
    fresh "$table"
    "$tool" pack "$work/run/$table.dbf" >/dev/null 2>&1 &
    pid=$!
    sleep "0.00$((RANDOM % 10))$((RANDOM % 10))"
    kill -KILL "$pid" 2>/dev/null && kills=$((kills + 1)) || true
    wait "$pid" 2>/dev/null || true
    check_after_kill "$work/run" "$table" "$table at a random moment"
  done
done
echo "$kills kill(s), $failures failure(s)"
[[ $failures -eq 0 ]]

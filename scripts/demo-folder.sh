# Sourced by the scripts that attack the data tool (kill-pack.sh,
# full-disk-pack.sh, kill-swap.sh): strict mode, the repository as working
# folder, $tool (build/tools/tallowby-db, or TALLOWBY_DB), $work (a temporary
# folder removed when the script ends) holding a demo data folder with its
# indexes built ($work/demo), and the helpers below.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tool="$(realpath "${TALLOWBY_DB:-build/tools/tallowby-db}")"
work="$(mktemp -d)"
exit_steps='rm -rf "$work"'
trap 'eval "$exit_steps"' EXIT
"$tool" init --demo "$work/demo" >/dev/null
"$tool" reindex "$work/demo"

# at_exit STEPS: run STEPS when the script ends, before $work goes.
at_exit() { exit_steps="$1; $exit_steps"; }

# mark_deleted TABLE.dbf EVERY: marks every EVERY-th record deleted,
# straight into the file.
mark_deleted() {
  python3 - "$1" "$2" <<'PY'
import struct, sys
p, every = sys.argv[1], int(sys.argv[2])
b = bytearray(open(p, "rb").read())
count, header, length = struct.unpack_from("<IHH", b, 4)
for r in range(0, count, every):
    b[header + r * length] = ord("*")
open(p, "wb").write(bytes(b))
PY
}

# contents TABLE.dbf: the records as the data tool dumps them, memos
# included, without their numbers, sorted.
contents() { "$tool" dump "$1" | sed 's/^{"_recno": [0-9]*, /{/' | sort; }

# The names that cut-short work leaves behind.
leftover_pattern='(\.tbpack|\.tbmemo|\.tmp|\.tbnew|\.tbcopy|^\.tbswap)$'

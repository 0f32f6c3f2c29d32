#!/usr/bin/env bash
# Builds the fuzz targets (the engine's .dbf, .dbt and .ntx parsers, the bank
# statement reader and matcher, the received e-invoice readers) with clang
# and libFuzzer in their own build directory, writes a starting corpus, and
# runs each target for a bounded time or a number of inputs.
#   scripts/fuzz.sh [--runs N] [--fast] [SECONDS_PER_TARGET] [dbf] [dbt] [ntx] [camt] [received]
#     SECONDS_PER_TARGET  time per target (default 60), unless --runs is given
#     --runs N            stop each target after N inputs instead
#     --fast              undefined-behaviour checks only, without
#                         AddressSanitizer: about two to three times as many
#                         inputs a second, for long runs (own build directory)
#     dbf dbt ntx camt received  the targets to run (default all five); the
#                         received seeds are ../shared/einvoice/examples and,
#                         where build/ has the program, what tallowby einvoice
#                         writes from the German demo (XRechnung, Factur-X PDF)
# Findings (crashing inputs) land in <build>/findings/<target>/; the script
# prints each target's executed and new inputs and the corpus size, and exits
# non-zero when a target found a problem.
set -euo pipefail
cd "$(dirname "$0")/.."
secs=60 runs="" sanitizers="address,undefined" dir="${TALLOWBY_FUZZ_BUILD:-build-fuzz}" kinds=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --fast) sanitizers="undefined"; dir="${TALLOWBY_FUZZ_BUILD:-build-fuzz-fast}"; shift ;;
    dbf|dbt|ntx|camt|received) kinds+=("$1"); shift ;;
    ''|*[!0-9]*) echo "fuzz.sh: unknown argument: $1" >&2; exit 2 ;;
    *) secs="$1"; shift ;;
  esac
done
[ ${#kinds[@]} -gt 0 ] || kinds=(dbf dbt ntx camt received)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  "${launcher[@]}" -DTALLOWBY_FUZZ=ON -DTALLOWBY_FUZZ_SANITIZERS="$sanitizers" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target fuzz_dbf fuzz_dbt fuzz_ntx fuzz_seeds fuzz_camt fuzz_received
[ -d "$dir/corpus" ] || "$dir/src/engine/fuzz/fuzz_seeds" "$dir/corpus"
if [ ! -d "$dir/corpus/camt" ]; then
  mkdir -p "$dir/corpus/camt"
  cat >"$dir/corpus/camt/statement.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<Document xmlns="urn:iso:std:iso:20022:tech:xsd:camt.053.001.08"><BkToCstmrStmt><Stmt><Acct><Id><IBAN>DE02120300000000202051</IBAN></Id><Ccy>EUR</Ccy></Acct>
<Ntry><Amt Ccy="EUR">30.50</Amt><CdtDbtInd>CRDT</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts><BookgDt><Dt>2026-03-20</Dt></BookgDt><AcctSvcrRef>R1</AcctSvcrRef>
<NtryDtls><TxDtls><Refs><EndToEndId>E1</EndToEndId></Refs><Amt Ccy="EUR">20.00</Amt><RltdPties><Dbtr><Pty><Nm>Lovelace Candles</Nm></Pty></Dbtr></RltdPties>
<RmtInf><Ustrd>Rechnung Nr 1008 RF72 1007</Ustrd><Strd><CdtrRefInf><Ref>RF721007</Ref></CdtrRefInf></Strd></RmtInf></TxDtls>
<TxDtls><Amt Ccy="EUR">10.50</Amt></TxDtls></NtryDtls></Ntry></Stmt></BkToCstmrStmt></Document>
XML
fi
if [ ! -d "$dir/corpus/received" ]; then
  mkdir -p "$dir/corpus/received"
  for f in ../shared/einvoice/examples/*.[xX][mM][lL]; do [ -f "$f" ] && cp "$f" "$dir/corpus/received/"; done
  main_build="${TALLOWBY_BUILD:-build}"
  if [ -x "$main_build/src/shell/tallowby" ] && [ -x "$main_build/tools/tallowby-db" ]; then
    demo="$(mktemp -d)"
    "$main_build/tools/tallowby-db" init --demo de "$demo/de" >/dev/null
    for invoice in 1001 1004 1005 1013; do
      QT_QPA_PLATFORM=offscreen "$main_build/src/shell/tallowby" einvoice --data "$demo/de" --invoice "$invoice" \
        --format xrechnung --out "$dir/corpus/received/own-$invoice.xml" >/dev/null
      QT_QPA_PLATFORM=offscreen "$main_build/src/shell/tallowby" einvoice --data "$demo/de" --invoice "$invoice" \
        --format facturx --out "$dir/corpus/received/own-$invoice.pdf" >/dev/null
    done
    rm -rf "$demo"
  fi
fi
if [ -n "$runs" ]; then limit=(-runs="$runs"); else limit=(-max_total_time="$secs"); fi
status=0
for kind in "${kinds[@]}"; do
  mkdir -p "$dir/findings/$kind"
  echo "== fuzz_$kind (${sanitizers}): ${limit[0]#-}"
  bin="$dir/src/engine/fuzz" max_len=8192
  [ "$kind" = camt ] && bin="$dir/src/payments/fuzz"
  # Invoices and their PDFs are larger than a table's header.
  [ "$kind" = received ] && bin="$dir/src/receiving/fuzz" max_len=131072
  "$bin/fuzz_$kind" "$dir/corpus/$kind" "${limit[@]}" -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$dir/findings/$kind/" \
    2>"$dir/findings/$kind.log" || { status=1; echo "fuzz_$kind found a problem: see $dir/findings/$kind.log"; }
  grep -E "^(stat::number_of_executed_units|stat::new_units_added|Done)" "$dir/findings/$kind.log" || true
  echo "corpus: $(find "$dir/corpus/$kind" -type f | wc -l) inputs, $(du -sk "$dir/corpus/$kind" | cut -f1) KB"
done
exit $status

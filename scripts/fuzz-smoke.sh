#!/usr/bin/env bash
# Builds the libFuzzer targets (preset `fuzz`: clang, ASan + UBSan) and runs each one for
# SECONDS (default 20) on a copy of its seed corpus, so the run never grows the repository.
# Any crash, leak, undefined behaviour, broken property or hang stops the script; the input
# that caused it is kept in build/fuzz/findings/ and reproduces with
#   build/fuzz/bin/<target> build/fuzz/findings/<file>
set -euo pipefail
seconds="${1:-20}"
cd "$(dirname "$0")/.."

cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target vellex_fuzzers -j "${JOBS:-2}"

findings="$PWD/build/fuzz/findings"
mkdir -p "$findings"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for bin in build/fuzz/bin/fuzz_*; do
  target="$(basename "$bin")"
  corpus="$work/$target"
  mkdir -p "$corpus"
  if [ -d "tests/fuzz/corpus/$target" ]; then
    cp -r "tests/fuzz/corpus/$target/." "$corpus/"
  fi
  log="$work/$target.log"
  if nice "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "$target: запусков ${runs:-?} за ${seconds} с, ошибок нет"
  else
    echo "$target: НАЙДЕНА ОШИБКА" >&2
    tail -n 40 "$log" >&2
    status=1
  fi
done
exit "$status"

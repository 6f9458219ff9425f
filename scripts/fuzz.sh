#!/usr/bin/env bash
# Builds the fuzz targets (preset fuzz: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, starting from the seeds in
# fuzz/corpus/<target>. Inputs found on the way go to build/fuzz/corpus/<target>; an input that
# breaks a target is kept in build/fuzz/findings/ and the script fails.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(soul_urge_fuzzer referral_address_fuzzer reminder_date_fuzzer ini_text_fuzzer)
fi

scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build/fuzz
mkdir -p "$out/logs" "$out/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
passed=0
failed=0
for target in "${targets[@]}"; do
  corpus=$out/corpus/$target
  log=$out/logs/$target.log
  mkdir -p "$corpus"
  # New inputs go to the first folder; the checked-in seeds are only read.
  if "$out/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -print_final_stats=1 -artifact_prefix="$out/findings/$target-" \
      "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    passed=$((passed + 1))
    status=passed
  else
    failed=$((failed + 1))
    status=FAILED
    tail -n 40 "$log" >&2
  fi
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1)
  echo "$target: $status, ${execs:-?} inputs in ${seconds}s, ${coverage:-no coverage line}," \
       "$(find "$corpus" -type f | wc -l) inputs kept (log: $log)"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

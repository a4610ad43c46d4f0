#!/usr/bin/env bash
# Runs each fuzz target of a fuzz build for a bounded time, from the committed
# seeds (tests/fuzz/corpus/<target>/, never written) and a scratch corpus in
# the build folder that keeps what runs find. A crash, a sanitizer report, a
# leak, an input slower than 10 s or (for the pictures) one allocation past
# 256 MB fails the run and leaves the reproducer in
# <build>/fuzz-artifacts/<target>/; `<build>/tests/fuzz/fuzz_<target> <file>`
# replays it.
#   bash tests/fuzz/run.sh <fuzz build folder> [seconds for each target, 30]
set -euo pipefail

build=$(cd "$1" && pwd)
seconds=${2:-30}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$here/../lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# A decode is held to 200 MB; the picture target makes any larger single
# allocation a finding.
declare -A options=(
  [picture]="-malloc_limit_mb=256"
  [mci]=""
  [help]=""
)

passed=0
failed=0
for target in picture mci help; do
  corpus=$build/fuzz-corpus/$target
  artifacts=$build/fuzz-artifacts/$target
  log=$build/fuzz-$target.log
  mkdir -p "$corpus" "$artifacts"
  # shellcheck disable=SC2086 # the options are separate words
  if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" ${options[$target]} "$corpus" "$here/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: ${runs:-?} inputs in $seconds s, no finding"
    passed=$((passed + 1))
  else
    echo "fuzz_$target: FINDING (log $log); reproducer: $(ls "$artifacts")"
    tail -n 40 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

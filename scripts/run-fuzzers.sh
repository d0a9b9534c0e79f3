#!/usr/bin/env bash
# run-fuzzers.sh <build dir> [seconds]: runs every fuzz target of a build made with
# QUORVANTILE_BUILD_FUZZERS for a bounded time, all at once, starting from the seed
# corpora in tests/fuzz/corpus. New inputs go to <build dir>/fuzz/corpus, inputs that
# break something to <build dir>/fuzz/artifacts. Prints the executions each target
# reached; fails when any target found a fault.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVANTILE_ROOT"

build="${1:?usage: $0 <build dir> [seconds]}"
seconds="${2:-60}"
targets=(chunk_restore dispatcher lv2_state preset_file spectral)

mkdir -p "$build/fuzz/artifacts" "$build/fuzz/logs"
pids=()
for target in "${targets[@]}"; do
  mkdir -p "$build/fuzz/corpus/$target"
  "$build/bin/${target}_fuzzer" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz/artifacts/$target-" \
    "$build/fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"$build/fuzz/logs/$target.log" 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  target="${targets[$i]}"
  log="$build/fuzz/logs/$target.log"
  if ! wait "${pids[$i]}"; then
    failed=1
    echo "== $target found a fault:"
    grep -E 'invariant broken|ERROR|SUMMARY|runtime error|Test unit written' "$log" || tail -n 30 "$log"
  fi
  executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  printf '%-14s %10s executions in %s s\n' "$target" "${executions:-?}" "$seconds"
done
exit "$failed"

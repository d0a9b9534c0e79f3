#!/usr/bin/env bash
# The robustness checks on top of the native and Windows suites: the whole native suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, built with clang together with
# the fuzz targets, which then run for a bounded time each; and the concurrency tests
# under ThreadSanitizer. Assumes the tools are installed (scripts/install-dependencies.sh).
#   QUORVANTILE_FUZZ_SECONDS  how long each fuzz target runs (default 60)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVANTILE_ROOT"

# Readable stack traces in sanitizer reports, where the symbolizer is installed.
symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
if [ -x "$symbolizer" ]; then
  export ASAN_SYMBOLIZER_PATH="$symbolizer" UBSAN_SYMBOLIZER_PATH="$symbolizer"
fi

log "native suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitizers >/dev/null
cmake --build --preset sanitizers
ctest --preset sanitizers -j 2

log "concurrency tests under ThreadSanitizer"
cmake --preset thread-sanitizer >/dev/null
cmake --build --preset thread-sanitizer
ctest --preset thread-sanitizer

log "fuzz targets, ${QUORVANTILE_FUZZ_SECONDS:-60} s each"
"$QUORVANTILE_ROOT/scripts/run-fuzzers.sh" build/sanitizers "${QUORVANTILE_FUZZ_SECONDS:-60}"

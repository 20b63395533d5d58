#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS (60 by default)
# from its committed seeds. Fails, naming the target, on the first crash,
# leak, sanitizer report or time-out; the input that did it is left as
# $FUZZ_BUILD_DIR/crash-* (or leak-*, timeout-*), and the run's log beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}
jobs=${JOBS:-$(nproc)}

bash scripts/install-deps.sh fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSERAN_FUZZ=ON -DTESSERAN_TESTS=OFF -DTESSERAN_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target fuzzers

status=0
for target in picture card-sheet hand-string match-snapshot; do
  # The seeds stay as committed; what the run finds grows a copy of them.
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"$target"/* "$corpus"/
  log="$build/fuzz-$target.log"
  echo "fuzz: $target for ${seconds} s"
  if QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    "$build/fuzz-$target" -max_total_time="$seconds" -max_len=65536 -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/" "$corpus" >"$log" 2>&1; then
    echo "fuzz: $target: $(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}') executions, no crash"
  else
    echo "fuzz: $target FAILED; see $log" >&2
    tail -40 "$log" >&2
    status=1
  fi
done
exit $status

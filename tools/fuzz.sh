#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz and runs each
# for SECONDS (default 30) on a copy of its seed corpus, so the repository's
# corpus is never written to. Fails when any target finds a crash, a leak, a
# hang or a broken property; an input that did is kept in
# build-fuzz/artifacts/TARGET/. Ends with a table of the inputs each target
# tried.
#
#   bash tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: tools/fuzz.sh [SECONDS]" >&2
  exit 2
fi

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(nproc 2>/dev/null || echo 2)
if [ "$jobs" -gt 2 ]; then
  jobs=2
fi

for tool in clang clang++; do
  if ! command -v "$tool" >/dev/null; then
    echo "tools/fuzz.sh: $tool is missing (tools/deps.sh test installs it)" >&2
    exit 1
  fi
done

targets=(fuzz_record fuzz_crypt fuzz_codes fuzz_amount fuzz_bill_text fuzz_export)
build=build-fuzz

echo "== Build the fuzz targets with clang =="
# -O1 and line tables: fast enough to fuzz, quick to build, readable stacks.
# Debug keeps Qt's and our assertions on.
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
  -DTESSARIA_FUZZ=ON -DTESSARIA_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$jobs" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

declare -A executed rate result
failed=0
for t in "${targets[@]}"; do
  echo "== $t: ${seconds} s =="
  mkdir -p "$work/$t/corpus" "$work/$t/artifacts"
  if [ -d "fuzz/corpus/$t" ]; then
    cp -R "fuzz/corpus/$t/." "$work/$t/corpus/"
  fi
  log="$work/$t/log"
  status=0
  # The outer timeout only guards CI against a fuzzer that does not stop.
  timeout $((seconds + 300)) "$build/fuzz/$t" \
    -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$work/$t/artifacts/" "$work/$t/corpus" </dev/null >"$log" 2>&1 || status=$?
  executed[$t]=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate[$t]=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then
    result[$t]=ok
    tail -n 6 "$log"
  else
    result[$t]="FAILED (exit $status)"
    failed=1
    tail -n 60 "$log"
    kept="$build/artifacts/$t"
    mkdir -p "$kept"
    if compgen -G "$work/$t/artifacts/*" >/dev/null; then
      cp "$work/$t/artifacts/"* "$kept/"
      echo "Input kept in $kept; run it again with: $build/fuzz/$t $kept/<file>"
    fi
  fi
done

echo
echo "== Fuzzing summary (${seconds} s per target) =="
printf '%-16s %14s %10s  %s\n' target "inputs tried" "per second" result
for t in "${targets[@]}"; do
  printf '%-16s %14s %10s  %s\n' "$t" "${executed[$t]:-?}" "${rate[$t]:-?}" "${result[$t]}"
done

if [ "$failed" -ne 0 ]; then
  echo "Fuzzing found a problem." >&2
  exit 1
fi

#!/usr/bin/env bash
# Installs what is missing, checks the formatting (tools/format.sh), builds
# everything and runs every test headless: once in an ordinary build, once
# under AddressSanitizer and UBSan; then a short libFuzzer run of every fuzz
# target (tools/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc 2>/dev/null || echo 2)

bash tools/deps.sh test

echo "== Formatting =="
bash tools/format.sh --check

echo "== Build and test =="
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIA_WERROR=ON
cmake --build build-test --parallel "$jobs"
(cd build-test && ctest --output-on-failure --parallel "$jobs")

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARIA_SANITIZE=ON -DTESSARIA_WERROR=ON
cmake --build build-asan --parallel "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure --parallel "$jobs")

echo "== Fuzz every target for 30 seconds =="
bash tools/fuzz.sh 30

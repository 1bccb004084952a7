#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: the Release build that a
# packager makes, and a build with AddressSanitizer and UndefinedBehaviorSanitizer. Our own
# builds treat warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBREVINO_WERROR=ON -DBREVINO_BUILD_BENCH=ON
cmake --build build/release -j"$jobs"
ctest --test-dir build/release --output-on-failure -j"$jobs"
# Every standard entry of the camera files against a peer reader: rows, positions, values.
bash tests/peer/run.sh build/release/src/brevino-cli

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVINO_WERROR=ON -DBREVINO_SANITIZE=ON
cmake --build build/sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

# The fuzz targets, a fixed number of runs each from a fixed seed.
bash fuzz/run.sh --ci 10000

echo "All tests passed."

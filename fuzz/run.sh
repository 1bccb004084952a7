#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each of them.
#   fuzz/run.sh [SECONDS]     run each target for SECONDS (default 60), keeping what it finds
#   fuzz/run.sh --ci [RUNS]   run each target for RUNS inputs (default 4000) from a fixed seed
# Inputs that once found a fault live in fuzz/regressions/<target>/ and are run every time.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=time
seconds=${1:-60}
if [ "${1:-}" = "--ci" ]; then
  mode=ci
  runs=${2:-4000}
fi
build=build/fuzz
targets=(analyze_fuzzer edit_save_fuzzer entry_changes_fuzzer import_export_fuzzer journal_fuzzer)

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVINO_WERROR=ON -DBREVINO_BUILD_FUZZ=ON \
  -DBREVINO_BUILD_TESTS=OFF -DBREVINO_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" fuzz_seed_builder

seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds"
"$build/fuzz/fuzz_seed_builder" "$seeds"

status=0
for target in "${targets[@]}"; do
  regressions="fuzz/regressions/$target"
  mkdir -p "$regressions"
  artifacts="$build/artifacts/$target/"
  mkdir -p "$artifacts"
  if [ "$mode" = ci ]; then
    work=$(mktemp -d)
    options=(-seed=1 "-runs=$runs")
  else
    work="$build/corpus/$target"
    mkdir -p "$work"
    options=("-max_total_time=$seconds")
  fi
  echo "== $target"
  if ! "$build/fuzz/$target" "${options[@]}" -timeout=10 -rss_limit_mb=4096 -max_len=70000 \
      -print_final_stats=1 "-artifact_prefix=$artifacts" "$work" "$seeds" "$regressions" 2>"$build/$target.log"; then
    status=1
    tail -n 40 "$build/$target.log"
    echo "$target found a fault; the input is in $artifacts" >&2
  else
    grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" || true
  fi
  [ "$mode" = ci ] && rm -rf "$work"
done
exit $status

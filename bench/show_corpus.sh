#!/usr/bin/env bash
# Times `brevino-cli show --tsv` over N copies of the corpus camera files (default 1000).
# Usage: bench/show_corpus.sh [COUNT] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000}
build=${2:-build/release}
cli=$build/src/brevino-cli
corpus=../shared/corpus
[ -x "$cli" ] || { echo "build first: $cli is missing" >&2; exit 1; }
[ -d "$corpus" ] || { echo "no corpus at $corpus" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t sources < <(ls "$corpus"/*.jpg "$corpus"/gps/*.jpg "$corpus"/exif-org/*.jpg)
for ((i = 0; i < count; i++)); do
  cp "${sources[i % ${#sources[@]}]}" "$work/$(printf 'f%05d.jpg' "$i")"
done
cat "$work"/*.jpg >/dev/null  # warm the page cache

start=$(date +%s.%N)
"$cli" show --tsv "$work"/*.jpg >"$work/out.tsv" 2>/dev/null || true
end=$(date +%s.%N)
rows=$(wc -l <"$work/out.tsv")
printf "show --tsv over %d files: %.3f s, %d rows\n" "$count" "$(echo "$end - $start" | bc)" "$rows"

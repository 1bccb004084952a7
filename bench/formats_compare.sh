#!/usr/bin/env bash
# Times reading every tag of the photos of corpus/formats (HEIF, AVIF, CR3, DNG, TIFF, WebP,
# PNG, JPEG XL), COPIES copies of each, with brevino-cli, exiv2 and exiftool, and against a
# loop that opens each file and reads 8 KiB of it (the floor).
# Usage: bench/formats_compare.sh [COPIES] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
copies=${1:-10}
build=${2:-build/release}
formats=../shared/corpus/formats
cli=$(realpath "$build/src/brevino-cli")
floor=$(realpath "$build/bench/brevino_read_floor")
for tool in hyperfine jq exiv2 exiftool bc; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (bench/compare.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
n=0
for file in "$formats"/*; do
  case "$file" in *.md) continue ;; esac
  for ((i = 0; i < copies; i++)); do
    cp "$file" "$work/$(printf '%05d' "$n")_$(basename "$file")"
    n=$((n + 1))
  done
done
cat "$work"/* >/dev/null

mean() {
  hyperfine -N -i --warmup 2 --runs 10 --export-json "$work/h.json" \
    "$(printf '%q ' "$@")$(printf '%q ' "$work"/*)" >/dev/null 2>&1
  jq '.results[0].mean' "$work/h.json"
}
row() { printf '%-32s %9.3f s   %7sx\n' "$1" "$2" "$3"; }
ratio() { echo "scale=1; $1 / $2" | bc; }
echo "Files: $n ($copies copies of each file of $formats)"
ours=$(mean "$cli" show --tsv)
row "brevino-cli show --tsv" "$ours" "1.0"
t=$(mean "$floor");       row "floor: open, read 8 KiB, close" "$t" "$(ratio "$t" "$ours")"
t=$(mean exiv2 -pa);      row "exiv2 -pa" "$t" "$(ratio "$t" "$ours")"
t=$(mean exiftool -s);    row "exiftool -s" "$t" "$(ratio "$t" "$ours")"

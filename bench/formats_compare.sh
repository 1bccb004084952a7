#!/usr/bin/env bash
# Times reading every tag of the photos of corpus/formats (HEIF, AVIF, CR3, DNG, TIFF, WebP,
# PNG, JPEG XL), COPIES copies of each, with brevino-cli, exiv2 and exiftool, and against a
# loop that opens each file and reads the bytes its Exif needs (the floor): its first 8 KiB
# and, beyond them, its Exif block, or for a TIFF-based file the values of its IFD entries
# (bench/exif_ranges.jq, from the offsets `show --json` gives and the peer check confirms).
# Usage: bench/formats_compare.sh [COPIES] [BUILD_DIR]
# COPIES defaults to 100 (2,500 files, the scale of bench/compare.sh): with few files the start
# of each process outweighs the reading.
set -euo pipefail
cd "$(dirname "$0")/.."
copies=${1:-100}
build=${2:-build/release}
formats=../shared/corpus/formats
cli=$(realpath "$build/src/brevino-cli")
floor=$(realpath "$build/bench/brevino_read_floor")
for tool in hyperfine jq exiv2 exiftool bc; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (bench/compare.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/files"
n=0
for file in "$formats"/*; do
  case "$file" in *.md) continue ;; esac
  size=$(stat -c %s "$file")
  ranges=$("$cli" show --json "$file" 2>/dev/null | jq -r --argjson size "$size" -f bench/exif_ranges.jq || true)
  for ((i = 0; i < copies; i++)); do
    cp "$file" "$work/files/$(printf '%05d' "$n")_$(basename "$file")"
    [ -z "$ranges" ] || sed "s/^/$n /" <<<"$ranges" >>"$work/ranges"
    n=$((n + 1))
  done
done
touch "$work/ranges"
cat "$work"/files/* >/dev/null

# mean RUNS COMMAND...: the mean time of RUNS runs over all the files.
mean() {
  local runs=$1
  shift
  hyperfine -N -i --warmup 1 --runs "$runs" --export-json "$work/h.json" \
    "$(printf '%q ' "$@")$(printf '%q ' "$work"/files/*)" >/dev/null 2>&1
  jq '.results[0].mean' "$work/h.json"
}
row() { printf '%-32s %9.3f s   %7sx\n' "$1" "$2" "$3"; }
ratio() { echo "scale=1; $1 / $2" | bc; }
echo "Files: $n ($copies copies of each file of $formats)"
ours=$(mean 10 "$cli" show --tsv)
row "brevino-cli show --tsv" "$ours" "1.0"
t=$(mean 10 "$floor" --ranges "$work/ranges")
row "floor: open, read the Exif, close" "$t" "$(ratio "$t" "$ours")"
t=$(mean 5 exiv2 -pa);    row "exiv2 -pa" "$t" "$(ratio "$t" "$ours")"
t=$(mean 3 exiftool -s);  row "exiftool -s" "$t" "$(ratio "$t" "$ours")"

#!/usr/bin/env bash
# Times brevino-cli against exiv2, exiftool and jhead on the same 2,000 copies of the corpus
# camera files, and against a loop that only opens and reads each file (the floor).
# Usage: bench/compare.sh [COUNT] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-2000}
build=${2:-build/release}
corpus=../shared/corpus

# Peers and tools, installed when missing.
need=()
command -v exiv2 >/dev/null || need+=(exiv2)
command -v exiftool >/dev/null || need+=(libimage-exiftool-perl)
command -v jhead >/dev/null || need+=(jhead)
[ -x /usr/bin/time ] || need+=(time)
command -v bc >/dev/null || need+=(bc)
if [ ${#need[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${need[@]}" >/dev/null
fi
[ -d "$corpus" ] || { echo "no corpus at $corpus" >&2; exit 1; }
if [ ! -x "$build/src/brevino-cli" ] || [ ! -x "$build/bench/brevino_read_floor" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVINO_BUILD_BENCH=ON >/dev/null
  cmake --build "$build" -j"$(nproc)" --target brevino-cli brevino_read_floor >/dev/null
fi
cli=$(realpath "$build/src/brevino-cli")
floor=$(realpath "$build/bench/brevino_read_floor")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t sources < <(ls "$corpus"/*.jpg "$corpus"/exif-org/*.jpg "$corpus"/gps/*.jpg)
mkdir "$work/master"
for ((i = 0; i < count; i++)); do
  cp "${sources[i % ${#sources[@]}]}" "$work/master/$(printf 'p%05d.jpg' "$i")"
done
chmod u+w "$work"/master/*.jpg

now() { date +%s.%N; }
# Best of three runs of a read-only command over the master copies (given as its last
# arguments), in seconds.
best_of_three() {
  local best=""
  for _ in 1 2 3; do
    local start end took
    start=$(now)
    (cd "$work/master" && "$@" ./*.jpg >/dev/null 2>&1) || true
    end=$(now)
    took=$(echo "$end - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$took < $best" | bc)" = 1 ]; then best=$took; fi
  done
  echo "$best"
}
# One run of a writing command over a fresh copy of the files, in seconds.
on_fresh_copy() {
  rm -rf "$work/copy"
  cp -r "$work/master" "$work/copy"
  local start end
  start=$(now)
  (cd "$work/copy" && "$@" ./*.jpg >/dev/null 2>&1) || true
  end=$(now)
  echo "$end - $start" | bc
}
ratio() { echo "scale=1; $1 / $2" | bc; }
row() { printf '%-44s %9.3f s   %7sx\n' "$1" "$2" "$3"; }

cat "$work"/master/*.jpg >/dev/null
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "Date: $(date -u +%Y-%m-%d)"
echo "Files: $count copies of ${#sources[@]} corpus camera files"
echo
echo "Reading (ratio: their time / ours)"
ours=$(best_of_three "$cli" show --tsv)
row "brevino-cli show --tsv" "$ours" "1.0"
t=$(best_of_three "$floor");              row "floor: open, read 8 KiB, close" "$t" "$(ratio "$t" "$ours")"
t=$(best_of_three exiv2 -pa);             row "exiv2 -pa" "$t" "$(ratio "$t" "$ours")"
t=$(best_of_three exiftool -s);           row "exiftool -s" "$t" "$(ratio "$t" "$ours")"
t=$(best_of_three jhead);                 row "jhead" "$t" "$(ratio "$t" "$ours")"

memory=$( (cd "$work/master" && /usr/bin/time -f %M "$cli" show --tsv ./*.jpg >/dev/null 2>"$work/time.txt") ; tail -n1 "$work/time.txt")
echo "peak memory of brevino-cli show --tsv: ${memory} KiB"
echo
echo "Setting the image title (ratio: their time / ours)"
ours=$(on_fresh_copy "$cli" batch --value "Bench title" 0x010E)
row "brevino-cli batch --value ... 0x010E" "$ours" "1.0"
t=$(on_fresh_copy exiv2 -M "set Exif.Image.ImageDescription Bench title")
row "exiv2 -M set Exif.Image.ImageDescription" "$t" "$(ratio "$t" "$ours")"
t=$(on_fresh_copy exiftool -overwrite_original "-ImageDescription=Bench title")
row "exiftool -overwrite_original" "$t" "$(ratio "$t" "$ours")"
echo
echo "File times from the Exif date (ratio: their time / ours)"
ours=$(on_fresh_copy "$cli" batch align-times)
row "brevino-cli batch align-times" "$ours" "1.0"
t=$(on_fresh_copy jhead -ft)
row "jhead -ft" "$t" "$(ratio "$t" "$ours")"

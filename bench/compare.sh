#!/usr/bin/env bash
# Times brevino-cli against exiv2, exiftool and jhead on the same 2,000 copies of the corpus
# camera files, and against a loop that only opens each file, reads its Exif segment and closes it
# (the floor: its first 8 KiB, and the rest of the segment where it reaches further).
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
command -v hyperfine >/dev/null || need+=(hyperfine)
command -v jq >/dev/null || need+=(jq)
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

# mean_time RUNS FOLDER PREPARE COMMAND...: the mean wall time in seconds of COMMAND over the
# files of FOLDER (appended as its last arguments), run by hyperfine without a shell; PREPARE,
# when not empty, runs before each run (a fresh copy of the files for writing commands).
mean_time() {
  local runs=$1 folder=$2 prepare=$3
  shift 3
  local command options
  command="$(printf '%q ' "$@")$(printf '%q ' "$work/$folder"/*.jpg)"
  options=(-N -i --runs "$runs" --export-json "$work/h.json")
  if [ -n "$prepare" ]; then options+=(--prepare "$prepare"); else options+=(--warmup 3); fi
  hyperfine "${options[@]}" "$command" >/dev/null 2>&1
  jq '.results[0].mean' "$work/h.json"
}
cp -r "$work/master" "$work/copy"
# brevino-cli records every run in its journal: a folder of this benchmark's own.
export XDG_STATE_HOME=$work/state
fresh_copy="bash -c 'rm -rf $work/copy && cp -r $work/master $work/copy'"
read_time() { mean_time 20 master "" "$@"; }
write_time() { mean_time 5 copy "$fresh_copy" "$@"; }
ratio() { echo "scale=1; $1 / $2" | bc; }
row() { printf '%-44s %9.3f s   %7sx\n' "$1" "$2" "$3"; }

cat "$work"/master/*.jpg >/dev/null
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "Date: $(date -u +%Y-%m-%d)"
echo "Files: $count copies of ${#sources[@]} corpus camera files"
echo
echo "Reading (ratio: their time / ours)"
ours=$(read_time "$cli" show --tsv)
row "brevino-cli show --tsv" "$ours" "1.0"
t=$(read_time "$floor");              row "floor: open, read the Exif, close" "$t" "$(ratio "$t" "$ours")"
t=$(read_time exiv2 -pa);             row "exiv2 -pa" "$t" "$(ratio "$t" "$ours")"
t=$(read_time exiftool -s);           row "exiftool -s" "$t" "$(ratio "$t" "$ours")"
t=$(read_time jhead);                 row "jhead" "$t" "$(ratio "$t" "$ours")"

/usr/bin/time -f %M -o "$work/time.txt" "$cli" show --tsv "$work"/master/*.jpg >/dev/null 2>&1 || true
memory=$(tail -n1 "$work/time.txt")
echo "peak memory of brevino-cli show --tsv: ${memory} KiB"
echo
echo "Setting the image title (ratio: their time / ours)"
ours=$(write_time "$cli" batch --value "Bench title" 0x010E)
row "brevino-cli batch --value ... 0x010E" "$ours" "1.0"
t=$(write_time exiv2 -M "set Exif.Image.ImageDescription Bench title")
row "exiv2 -M set Exif.Image.ImageDescription" "$t" "$(ratio "$t" "$ours")"
t=$(write_time exiftool -overwrite_original "-ImageDescription=Bench title")
row "exiftool -overwrite_original" "$t" "$(ratio "$t" "$ours")"
echo
echo "File times from the Exif date (ratio: their time / ours)"
ours=$(write_time "$cli" batch align-times)
row "brevino-cli batch align-times" "$ours" "1.0"
t=$(write_time jhead -ft)
row "jhead -ft" "$t" "$(ratio "$t" "$ours")"
echo
echo "Shifting every date by one hour (ratio: their time / ours)"
ours=$(write_time "$cli" batch shift-dates --by +1:00)
row "brevino-cli batch shift-dates --by +1:00" "$ours" "1.0"
t=$(write_time exiv2 -a 1 adjust)
row "exiv2 -a 1 adjust" "$t" "$(ratio "$t" "$ours")"
t=$(write_time jhead -ta+1:00)
row "jhead -ta+1:00" "$t" "$(ratio "$t" "$ours")"
t=$(write_time exiftool -overwrite_original "-AllDates+=1")
row "exiftool -AllDates+=1 -overwrite_original" "$t" "$(ratio "$t" "$ours")"

echo
echo "Adding the author: the Exif segment written anew (ratio: their time / ours)"
ours=$(write_time "$cli" batch set-author "Bench Author")
row "brevino-cli batch set-author" "$ours" "1.0"
mkdir -p "$work/copied"
t=$(write_time cp -t "$work/copied")
row "floor: cp of the same files" "$t" "$(ratio "$t" "$ours")"
t=$(write_time exiv2 -M "set Exif.Image.Artist Bench Author")
row "exiv2 -M set Exif.Image.Artist" "$t" "$(ratio "$t" "$ours")"
t=$(write_time exiftool -overwrite_original "-Artist=Bench Author")
row "exiftool -Artist= -overwrite_original" "$t" "$(ratio "$t" "$ours")"
echo
echo "Removing the GPS position (ratio: their time / ours)"
ours=$(write_time "$cli" batch strip-gps)
row "brevino-cli batch strip-gps" "$ours" "1.0"
t=$(write_time exiftool -overwrite_original "-gps:all=")
row "exiftool -gps:all= -overwrite_original" "$t" "$(ratio "$t" "$ours")"
echo

# Undo of that run: each timed undo takes back a shift made on a fresh copy just before.
rm -rf "$work/state"
shifted="bash -c 'rm -rf $work/copy && cp -r $work/master $work/copy && { $cli batch shift-dates --by +1:00 $work/copy/*.jpg 2>/dev/null || true; }'"
hyperfine -N -i --runs 5 --prepare "$shifted" --export-json "$work/h.json" "$cli undo" >/dev/null 2>&1
undo=$(jq '.results[0].mean' "$work/h.json")
row "brevino-cli undo (of the shift)" "$undo" "-"
journal=$(ls -S "$work/state/brevino"/*.journal | head -n1)
echo "journal of the shift over $count files: $(stat -c %s "$journal") bytes"

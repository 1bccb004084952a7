#!/usr/bin/env bash
# Records what brevino-cli shows and writes for the camera corpus, to tell whether a change of
# the program's inside changed anything a user sees.
#   scripts/outputs.sh record OUTDIR [CLI]   show --json/--tsv of every corpus file and of
#                                            truncated copies; bytes, names and times of copies
#                                            after a scripted series of set, export, import
#                                            and batch runs, with every command's output
#   scripts/outputs.sh compare DIR1 DIR2     the differences between two recordings
set -euo pipefail
# The Japanese texts, whatever the machine's locale names.
LC_ALL=C.UTF-8
export LC_ALL
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
  compare)
    # Which outputs differ, and the first lines of each difference.
    if diff -rq "$2" "$3"; then echo "identical"; exit 0; fi
    for name in $(diff -rq "$2" "$3" | awk '/^Files/ {print $2}'); do
      diff "$name" "$3/${name#"$2"/}" | cut -c1-300 | head -6
    done
    exit 1 ;;
  record) ;;
  *) echo "usage: $0 record OUTDIR [CLI] | compare DIR1 DIR2" >&2; exit 2 ;;
esac

out=$(realpath -m "$2")
cli=$(realpath "${3:-build/release/src/brevino-cli}")
corpus=${BREVINO_CORPUS:-../shared/corpus}
[ -d "$corpus" ] || { echo "no corpus at $corpus" >&2; exit 1; }
corpus=$(realpath "$corpus")
# Messages name their files: the work happens in one fixed place so that recordings compare.
work=/tmp/brevino-outputs-work
rm -rf "$out" "$work"
mkdir -p "$out" "$work/cut" "$work/edit" "$work/config"
touch "$work/started"
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state TZ=UTC0 LC_ALL=C.UTF-8

mapfile -t files < <(cd "$corpus" && find . -type f -name '*.jpg' | sort)

# 1. What show prints, for every file and for copies cut short at several lengths.
run() {  # name, command...: keeps standard output, standard error and the exit status
  local name=$1; shift
  local status=0
  "$@" > "$out/$name.out" 2> "$out/$name.err" || status=$?
  echo "$status" > "$out/$name.status"
}
(cd "$corpus" && run show-json "$cli" show --json "${files[@]}")
(cd "$corpus" && run show-tsv "$cli" show --tsv "${files[@]}")
(cd "$corpus" && run show-table "$cli" show "${files[@]}")
cuts=()
for file in "${files[@]}"; do
  size=$(stat -c %s "$corpus/$file")
  name=$(echo "$file" | tr '/' '_')
  for length in 1 2 4 10 12 20 30 64 200 1000 4000 $((size / 3)) $((size / 2)); do
    [ "$length" -lt "$size" ] || continue
    head -c "$length" "$corpus/$file" > "$work/cut/$name.$length.jpg"
    cuts+=("$work/cut/$name.$length.jpg")
  done
done
run cut-json "$cli" show --json "${cuts[@]}"
run cut-tsv "$cli" show --tsv "${cuts[@]}"

# 2. Writes: a scripted series of commands on copies, then the copies' bytes, names and times.
copies=()
for i in "${!files[@]}"; do
  copy=$work/edit/c$i.jpg
  cp "$corpus/${files[$i]}" "$copy"
  touch -d '2001-02-03 04:05:06.123456789' "$copy"
  copies+=("$copy")
done
step=0
set_each() {  # set with these arguments on every copy in turn, one recording per copy
  for copy in "${copies[@]}"; do
    step=$((step + 1))
    run "write-$(printf %05d $step)" "$cli" set "$copy" "$@"
  done
}
set_each --option DateUp=0 0x0112=6
set_each 0x011A=300/1 1st:0x011B=96/1
set_each "0x0132=2011:11:11 11:11:11"
set_each --option AllDate=1 "0x9003=2012:12:12 12:12:12"
set_each 画像タイトル=abc 0x0131=tool
set_each 0x0112=abc
set_each 0x8769=5
set_each --truncate "0x010F=$(printf 'M%.0s' {1..64})"
set_each --option ExifDate=1
for copy in "${copies[@]}"; do
  step=$((step + 1))
  run "write-$(printf %05d $step)" "$cli" export "$copy" "$copy.ap1"
  step=$((step + 1))
  run "write-$(printf %05d $step)" "$cli" import "${copies[0]}" "$copy.ap1"
done
step=$((step + 1)); run "write-$(printf %05d $step)" "$cli" batch --value batch 0x010E "${copies[@]}"
step=$((step + 1)); run "write-$(printf %05d $step)" "$cli" batch --value 7 0x0112 "${copies[@]}"
step=$((step + 1)); run "write-$(printf %05d $step)" "$cli" batch align-times "${copies[@]}"
step=$((step + 1)); run "write-$(printf %05d $step)" "$cli" batch rename-by-change-date "${copies[@]}"
mapfile -t renamed < <(cd "$work/edit" && ls | grep -v '\.ap1$' | grep -v '_out' | sed "s|^|$work/edit/|")
step=$((step + 1)); run "write-$(printf %05d $step)" "$cli" batch name-to-dates "${renamed[@]}"
step=$((step + 1)); run "write-$(printf %05d $step)" "$cli" batch name-to-title "${renamed[@]}"
step=$((step + 1)); run "write-$(printf %05d $step)" "$cli" batch --verbose rename-by-original-date "${renamed[@]}"
# Times set during the recording itself (new files, writes that did not keep the times) differ
# from run to run: they are written as "written now".
(cd "$work/edit" && find . -type f -newer "$work/started" -printf '%P %s written now\n' > "$out/files.txt" &&
  find . -type f ! -newer "$work/started" -printf '%P %s %TY-%Tm-%Td %TT\n' >> "$out/files.txt" &&
  sort -o "$out/files.txt" "$out/files.txt" &&
  find . -type f -print0 | sort -z | xargs -0 sha256sum > "$out/sums.txt")
echo "recorded $(ls "$out" | wc -l) outputs in $out"

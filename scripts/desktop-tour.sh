#!/usr/bin/env bash
# Drives the desktop application on a real X server (Xvfb, with the openbox window manager)
# through corpus copies and prints what it checked and measured:
#   browse  every file with the Down key: no message box stops it, turned photos stand upright
#   scale   at a screen scale of 2: the window inside the screen, the preview at full resolution
#   layout  maximised with new pane sizes, closed, opened again in a new process, restored
#   keys    every shortcut, Qt's buttons and folder dialog in the window's language, the batch
#           dialog's Tab order
#   batch   500 copies against brevino-cli's time for the same operation, the window answering
#           key presses during the run
#   list    a folder of 100,000 links listed within a second, the window answering meanwhile
# Every part runs in Japanese; browse and keys run once more in English (Language=en in their
# settings file).
# With "screenshot" it also saves docs/screenshot.png and docs/screenshot-2x.png, the window
# with a sample photo open at 1x and 2x, and docs/screenshot-en.png, the same in English.
#   scripts/desktop-tour.sh [screenshot]
set -euo pipefail
cd "$(dirname "$0")/.."
corpus=${BREVINO_CORPUS:-../shared/corpus}
[ -d "$corpus" ] || { echo "no corpus at $corpus" >&2; exit 1; }
shots=${1:-}

need=()
command -v xvfb-run >/dev/null || need+=(xvfb xauth)
command -v openbox >/dev/null || need+=(openbox)
[ "$shots" = screenshot ] && ! command -v pngquant >/dev/null && need+=(pngquant)
if [ ${#need[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${need[@]}" libxcb-cursor0 >/dev/null
fi
bash scripts/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBREVINO_WERROR=ON >/dev/null
cmake --build build/release -j"$(nproc)" --target brevino_desktop_tour brevino-cli >/dev/null

top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
work=$top/Photos
mkdir -p "$work" "$top/keys" "$top/keys-en" "$top/scale" "$top/batch" "$top/cli" "$top/list" "$top/state"
# Camera files, photos with a GPS position, every orientation, and files without Exif.
cp "$corpus"/*.jpg "$corpus"/gps/*.jpg "$corpus"/orientation/*.jpg "$corpus"/invalid/*.jpg "$work"/
cp "$corpus"/Canon_40D.jpg "$corpus"/Nikon_D70.jpg "$corpus"/gps/DSCN0010.jpg "$top/keys"/
cp "$top"/keys/*.jpg "$top/keys-en"/
cp "$corpus"/gps/DSCN0010.jpg "$top/scale"/
photo=$top/photo.jpg
cp "$corpus"/gps/DSCN0010.jpg "$photo"
for i in $(seq -w 1 500); do
  cp "$photo" "$top/batch/P$i.jpg"
  cp "$photo" "$top/cli/P$i.jpg"
done
export XDG_STATE_HOME=$top/state

# The command line's time for the same operation over 500 copies: the best of three runs,
# each writing a new value (setting a value a file holds already writes nothing).
cli_ms=
for run in 1 2 3; do
  start=$(date +%s%N)
  build/release/src/brevino-cli batch --value "tour batch $run" 画像タイトル "$top"/cli/*.jpg \
    >/dev/null 2>&1
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  if [ -z "$cli_ms" ] || [ "$ms" -lt "$cli_ms" ]; then cli_ms=$ms; fi
done
echo "brevino-cli batch over 500 copies: $cli_ms ms"

cat >"$top/tour.sh" <<TOUR
set -u
openbox >/dev/null 2>&1 &
wm=\$!
sleep 1
tour=$PWD/build/release/tests/ui/brevino_desktop_tour
export QT_QPA_PLATFORM=xcb
# A locale that names no language: the window is in Japanese unless its settings choose.
export LC_ALL=C.UTF-8
failed=0
part() {  # NAME COMMAND...: each part with settings and journals of its own
  XDG_CONFIG_HOME=$top/config-\$1 XDG_STATE_HOME=$top/state-\$1 "\${@:2}" ||
    failed=\$((failed + 1))
}
english() {  # NAME COMMAND...: the same with English chosen in the settings file
  mkdir -p $top/config-en-\$1
  printf '[option]\\nLanguage=en\\n' >$top/config-en-\$1/brevino.ini
  part en-\$1 "\${@:2}"
}
browse=("$work")
browse_en=("$work")
scale=("$work" DSCN0010.jpg)
if [ "$shots" = screenshot ]; then
  browse+=(--shot "$top/shot.png" --select DSCN0010.jpg)
  browse_en+=(--shot "$top/shot-en.png" --select DSCN0010.jpg)
  scale+=(--shot "$top/shot-2x.png")
fi
part browse "\$tour" browse "\${browse[@]}"
part scale env QT_SCALE_FACTOR=2 "\$tour" scale "\${scale[@]}"
part layout "\$tour" layout save "$top/layout.txt"
part layout "\$tour" layout check "$top/layout.txt"
part keys "\$tour" keys "$top/keys"
part batch "\$tour" batch "$top/batch" "$cli_ms"
part list "\$tour" list "$top/list" "$photo"
english browse "\$tour" browse "\${browse_en[@]}"
english keys "\$tour" keys "$top/keys-en"
kill \$wm
exit \$failed
TOUR
status=0
xvfb-run -a -s "-screen 0 1280x800x24" bash "$top/tour.sh" 2> >(grep -v "propagateSizeHints\|XDG_RUNTIME_DIR\|setWindowModified" >&2) ||
  status=$?

if [ "$shots" = screenshot ]; then
  mkdir -p docs
  for shot in shot shot-2x shot-en; do
    target=docs/screen${shot}.png
    # Fewer colours keep the picture small; the window's flat areas do not suffer.
    if command -v pngquant >/dev/null; then
      pngquant --force --quality 70-95 --output "$target" "$top/$shot.png"
    else
      cp "$top/$shot.png" "$target"
    fi
    ls -l "$target"
  done
fi
if [ "$status" -ne 0 ]; then
  echo "desktop tour: $status part(s) failed" >&2
  exit 1
fi
echo "desktop tour: every part passed"

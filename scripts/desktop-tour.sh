#!/usr/bin/env bash
# Drives the desktop application on a real X server (Xvfb): browses a folder of copies of the
# corpus camera files, files without Exif and turned photos included, with the Down key, and
# reports every message box that stopped it and every turned photo not shown turned. With
# "screenshot" it also saves docs/screenshot.png, the window with a sample photo open.
#   scripts/desktop-tour.sh [screenshot]
set -euo pipefail
cd "$(dirname "$0")/.."
corpus=${BREVINO_CORPUS:-../shared/corpus}
[ -d "$corpus" ] || { echo "no corpus at $corpus" >&2; exit 1; }

need=()
command -v xvfb-run >/dev/null || need+=(xvfb xauth)
[ "${1:-}" = screenshot ] && ! command -v pngquant >/dev/null && need+=(pngquant)
if [ ${#need[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${need[@]}" libxcb-cursor0 >/dev/null
fi
bash scripts/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBREVINO_WERROR=ON >/dev/null
cmake --build build/release -j"$(nproc)" --target brevino_desktop_tour >/dev/null

work=$(mktemp -d)/Photos
mkdir -p "$work"
trap 'rm -rf "$(dirname "$work")"' EXIT
# Camera files, photos with a GPS position, every orientation, and files without Exif.
cp "$corpus"/*.jpg "$corpus"/gps/*.jpg "$corpus"/orientation/*.jpg "$corpus"/invalid/*.jpg "$work"/
mkdir -p "$work/../config"
export XDG_CONFIG_HOME=$work/../config QT_QPA_PLATFORM=xcb
args=("$work")
if [ "${1:-}" = screenshot ]; then
  mkdir -p docs
  args+=(--shot "$work/../shot.png" --select DSCN0010.jpg)
fi
xvfb-run -a -s "-screen 0 1280x800x24" build/release/tests/ui/brevino_desktop_tour "${args[@]}"
if [ "${1:-}" = screenshot ]; then
  # Fewer colours keep the picture small; the window's flat areas do not suffer.
  if command -v pngquant >/dev/null; then
    pngquant --force --quality 70-95 --output docs/screenshot.png "$work/../shot.png"
  else
    cp "$work/../shot.png" docs/screenshot.png
  fi
  ls -l docs/screenshot.png
fi

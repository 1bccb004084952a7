#!/usr/bin/env bash
# Installs what is missing, builds Brevino and starts the desktop application.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j"$(nproc)" --target brevino

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: run it under a display server, e.g. xvfb-run -a bash scripts/run.sh" >&2
fi
exec build/release/src/ui/brevino

#!/usr/bin/env bash
# Installs what is missing, builds Brevino and shows the Exif rows of a sample file.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j"$(nproc)"

sample=../shared/corpus/Canon_40D.jpg
if [ ! -f "$sample" ]; then
  sample=build/release/sample.jpg
  build/release/tests/brevino_make_sample "$sample"
fi
build/release/src/brevino-cli show "$sample"

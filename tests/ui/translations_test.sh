#!/usr/bin/env bash
# Every text of the window's sources has its English in translations/brevino_en.ts: lupdate
# reads the sources into a copy of the .ts file, and the test fails when the copy holds a
# text without a finished translation (a new text) or one the sources no longer have.
#   translations_test.sh LUPDATE SOURCE_DIR TS_FILE
set -euo pipefail
lupdate=$1 sources=$2 ts=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy=$work/$(basename "$ts")
cp "$ts" "$copy"
"$lupdate" -silent -locations none -source-language ja_JP -target-language en_US \
  -I "$sources/.." "$sources"/*.cpp "$sources"/*.h -ts "$copy"

# Each text without a finished translation (unfinished, vanished, or empty), after its source
# line.
report=$(grep -B1 -E '<translation type=|<translation></translation>' "$copy" || true)
if [ -n "$report" ]; then
  echo "translations/$(basename "$ts") is not up to date with the sources" \
       "(cmake --build BUILD --target update_translations, then translate):"
  echo "$report"
  exit 1
fi
count=$(grep -c '<message>' "$copy")
echo "$count texts, every one translated"

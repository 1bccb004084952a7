#!/bin/sh
# Cross-check brevino-cli against exiftool over the camera corpus and the files of other
# containers, check entries added and removed with exiftool, exiv2 and jhead, and a value
# edited in place in each container other than JPEG with exiftool.
# Usage: tests/peer/run.sh [BREVINO_CLI] [CORPUS]
# Defaults: build/release/src/brevino-cli, then $BREVINO_CORPUS or ../shared/corpus beside the repository.
# Installs exiftool (libimage-exiftool-perl) when it is missing and root or sudo is available.
set -eu
# The Japanese texts, whatever the machine's locale names.
LC_ALL=C.UTF-8
export LC_ALL
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cli=${1:-$root/build/release/src/brevino-cli}
corpus=${2:-${BREVINO_CORPUS:-$root/../shared/corpus}}

if [ ! -d "$corpus" ]; then
    echo "cross-check skipped: no corpus at $corpus"
    exit 0
fi
if [ ! -x "$cli" ]; then
    echo "cross-check: $cli is not built (bash scripts/test.sh builds it)" >&2
    exit 2
fi
if ! command -v exiftool >/dev/null 2>&1; then
    if [ "$(id -u)" = 0 ]; then
        sudo=
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo=sudo
    else
        echo "cross-check skipped: exiftool is missing and there is no root or sudo to install it"
        exit 0
    fi
    echo "installing exiftool (libimage-exiftool-perl)"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq libimage-exiftool-perl >/dev/null
fi
# The readers that check added and removed entries, where they can be installed.
if ! command -v jhead >/dev/null 2>&1 || ! command -v exiv2 >/dev/null 2>&1; then
    if [ "$(id -u)" = 0 ] || { command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; }; then
        [ "$(id -u)" = 0 ] && sudo= || sudo=sudo
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq jhead exiv2 >/dev/null || true
    fi
fi
python3 "$here/cross_check.py" "$cli" "$corpus"
status=0
python3 "$here/entry_changes.py" "$cli" "$corpus" || status=$?
python3 "$here/container_edits.py" "$cli" "$corpus" || status=$?
exit $status

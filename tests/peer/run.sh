#!/bin/sh
# Cross-check brevino-cli against exiftool over the camera corpus.
# Usage: tests/peer/run.sh [BREVINO_CLI] [CORPUS]
# Defaults: build/release/src/brevino-cli, then $BREVINO_CORPUS or ../shared/corpus beside the repository.
# Installs exiftool (libimage-exiftool-perl) when it is missing and root or sudo is available.
set -eu
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
exec python3 "$here/cross_check.py" "$cli" "$corpus"

#!/usr/bin/env bash
# Installs the Debian packages that building, testing or running Brevino needs, when any
# of them is missing. Usage: install-deps.sh build|test|run|package
set -euo pipefail

purpose=${1:-test}
# qt6-tools-dev and qt6-l10n-tools: lupdate and lrelease, which make the English translation.
packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev tzdata qt6-base-dev libqt6svg6
          qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libbrotli-dev libheif-dev libjxl-dev
          qt6-image-formats-plugins)
case "$purpose" in
  test) packages+=(libbenchmark-dev clang libclang-rt-14-dev python3 libimage-exiftool-perl jhead exiv2 groff-base
                   bash-completion) ;;
  run) packages+=(fonts-noto-cjk) ;;
  build) ;;
  package) packages+=(dpkg-dev file) ;;
  *) echo "usage: $0 build|test|run|package" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"

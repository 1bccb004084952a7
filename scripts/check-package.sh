#!/usr/bin/env bash
# Checks the Debian package as a user's machine would see it: in a fresh minimal Debian 12
# root (mmdebstrap --variant=minbase bookworm) it installs the package with its
# dependencies, runs both programs, finds the window's English translation, renders the manual pages, validates the AppStream
# metainfo and the desktop file, runs lintian (any E: tag fails), then removes the package
# and checks that none of its files is left. Prints a summary of each check.
#
# Usage (as root, needs Debian's mirror and a few minutes):
#   bash scripts/check-package.sh [PACKAGE.deb]      (default: build/pkg/brevino_*.deb)
# The minimal root and the downloaded packages are cached in $BREVINO_CHECK_CACHE
# (default /var/tmp/brevino-check); every run starts from a clean copy of that root.
# Delete the folder to start over with a new root.
set -uo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

die() {
  echo "check-package: $*" >&2
  exit 2
}

[ "$(id -u)" -eq 0 ] || die "needs root (chroot and mounts)"

deb=${1:-}
if [ -z "$deb" ]; then
  deb=$(ls -t build/pkg/brevino_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || die "no build/pkg/brevino_*.deb: run 'bash scripts/package.sh' first"
fi
[ -f "$deb" ] || die "$deb: no such file"
deb=$(realpath "$deb")
version=$(dpkg-deb -f "$deb" Version)

corpus=${BREVINO_CORPUS:-$repo/../shared/corpus}
photo=$corpus/Canon_40D.jpg
[ -f "$photo" ] || die "$photo: no such file (BREVINO_CORPUS names the corpus folder)"

cache=${BREVINO_CHECK_CACHE:-/var/tmp/brevino-check}
mirror=${BREVINO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
security=${BREVINO_DEBIAN_SECURITY:-http://deb.debian.org/debian-security}
base=$cache/bookworm-minbase.tar
archives=$cache/archives
mkdir -p "$cache" "$archives/partial"

# --- The cached minimal root ------------------------------------------------------------

if [ ! -s "$base" ]; then
  if ! command -v mmdebstrap >/dev/null; then
    echo "Installing mmdebstrap"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null ||
      die "cannot install mmdebstrap"
  fi
  echo "Making a minimal Debian 12 root in $base (once)"
  mmdebstrap --quiet --variant=minbase --format=tar bookworm "$base.part" \
    "deb $mirror bookworm main" \
    "deb $mirror bookworm-updates main" \
    "deb $security bookworm-security main" || die "mmdebstrap failed"
  mv "$base.part" "$base"
fi

root=$(mktemp -d "$cache/root.XXXXXX")
logs=$(mktemp -d "$cache/logs.XXXXXX")
mounted=()

cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${mounted[i]}" 2>/dev/null
  done
  # Never delete through a mount that is still there.
  if ! grep -q " $root/" /proc/mounts; then
    rm -rf --one-file-system "$root"
  else
    echo "check-package: $root still has mounts; left in place" >&2
  fi
}
trap cleanup EXIT

echo "Unpacking a clean copy of the root into $root"
tar -xf "$base" -C "$root" || die "cannot unpack $base"
for place in proc sys dev dev/pts var/cache/apt/archives; do
  mkdir -p "$root/$place"
done
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
mount --bind /dev "$root/dev" && mounted+=("$root/dev")
mount --bind /dev/pts "$root/dev/pts" && mounted+=("$root/dev/pts")
mount --bind "$archives" "$root/var/cache/apt/archives" && mounted+=("$root/var/cache/apt/archives")
[ ${#mounted[@]} -eq 5 ] || die "cannot mount proc, sys, dev and the package cache in $root"
cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null
cp "$deb" "$root/tmp/"
cp "$photo" "$root/tmp/Canon_40D.jpg"
package=/tmp/$(basename "$deb")

# Runs a command in the root with a plain environment.
in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}

# --- Checks -----------------------------------------------------------------------------

results=()
failures=0
# check NAME FUNCTION: runs the function with its output in a log and what it says (on
# descriptor 3) on the screen; records PASS or FAIL, and shows the log's end on a failure.
check() {
  local name=$1 log
  shift
  log=$logs/$(echo "$name" | tr -c 'A-Za-z0-9\n' '_').log
  echo
  echo "== $name"
  if "$@" 3>&1 >"$log" 2>&1; then
    results+=("PASS  $name")
  else
    results+=("FAIL  $name")
    failures=$((failures + 1))
    tail -n 40 "$log"
  fi
}
say() { printf '%s\n' "$*" >&3; }
passed() { [[ ${results[-1]} == PASS* ]]; }

count_packages() { in_root dpkg-query -W -f='${db:Status-Abbrev}\n' | grep -c '^ii'; }

install_package() {
  local before
  before=$(count_packages)
  in_root apt-get update -q || return 1
  in_root apt-get install -y -q --no-install-recommends "$package" || return 1
  in_root dpkg-query -W -f='${Status}\n' brevino | grep -q "install ok installed" || return 1
  say "installed brevino $(in_root dpkg-query -W -f='${Version}' brevino)" \
    "with $(($(count_packages) - before - 1)) other packages, for Depends:"
  say "  $(dpkg-deb -f "$deb" Depends)"
}

run_cli() {
  local out
  out=$(in_root brevino-cli --version) || return 1
  say "brevino-cli --version: $out"
  [ "$out" = "brevino-cli $version" ] || return 1
  out=$(in_root brevino-cli show /tmp/Canon_40D.jpg) || return 1
  echo "$out"
  say "brevino-cli show Canon_40D.jpg: exit status 0, $(echo "$out" | wc -l) lines:"
  say "$(echo "$out" | sed -n '3,6p')"
  echo "$out" | grep -q "Canon EOS 40D"
}

# No display here: the offscreen platform shows that every library it needs is present and
# the window opens; it runs until the time-out ends it (exit status 124).
run_gui() {
  local missing status
  missing=$(in_root ldd /usr/bin/brevino | grep "not found")
  [ -z "$missing" ] || { echo "$missing"; return 1; }
  say "ldd /usr/bin/brevino: every library found"
  in_root /usr/bin/env QT_QPA_PLATFORM=offscreen timeout 5 brevino
  status=$?
  say "brevino ran until stopped after 5 s (exit status $status, 124 expected)"
  [ "$status" -eq 124 ]
}

# The window's English translation is installed where the program looks for it first.
find_translation() {
  local qm=/usr/share/brevino/translations/brevino_en.qm
  in_root test -s "$qm" || { say "$qm: missing"; return 1; }
  say "$qm: $(in_root stat -c %s "$qm") bytes"
}

install_tools() {
  in_root apt-get install -y -q --no-install-recommends man-db appstream desktop-file-utils lintian &&
    say "installed after the checks above, so that they cannot have helped the package"
}

render_manual_pages() {
  local page text
  for page in brevino-cli brevino; do
    text=$(in_root /usr/bin/env MANWIDTH=80 man --warnings -P cat "$page") || return 1
    echo "$text"
    say "man $page: $(echo "$text" | wc -l) lines, no warnings:"
    say "$(echo "$text" | sed -n '3,5p')"
    echo "$text" | grep -q "^NAME" || return 1
  done
}

validate_metainfo() {
  local out
  out=$(in_root appstreamcli validate --no-net /usr/share/metainfo/io.github.brevino.Brevino.metainfo.xml)
  local status=$?
  echo "$out"
  say "$(echo "$out" | sed '/^$/d')"
  return $status
}

validate_desktop_file() {
  local out
  out=$(in_root desktop-file-validate /usr/share/applications/brevino.desktop 2>&1) || {
    echo "$out"
    return 1
  }
  [ -z "$out" ] || { echo "$out"; return 1; }
  say "/usr/share/applications/brevino.desktop: no errors or warnings"
}

# As an unprivileged user, as lintian prefers. It fails on an E: tag or when it cannot run.
run_lintian() {
  local status
  in_root runuser -u nobody -- /usr/bin/env HOME=/tmp \
    lintian --display-info --fail-on error "$package" >"$logs/lintian.txt" 2>&1
  status=$?
  cat "$logs/lintian.txt"
  say "$(grep -c '^E: ' "$logs/lintian.txt") errors, $(grep -c '^W: ' "$logs/lintian.txt")" \
    "warnings, $(grep -c '^I: ' "$logs/lintian.txt") notes (listed below); exit status $status"
  [ "$status" -eq 0 ] && ! grep -q '^E: ' "$logs/lintian.txt"
}

# Every file of the package must be gone after "apt remove" (the package has no
# configuration files to keep); a folder may stay only when another package owns it.
remove_package() {
  local path left=0
  in_root dpkg-query -L brevino >"$logs/files.txt" || return 1
  in_root apt-get remove -y -q brevino || return 1
  if in_root dpkg-query -W -f='${Status}\n' brevino 2>/dev/null | grep -q " installed"; then
    say "brevino is still installed"
    return 1
  fi
  while read -r path; do
    [ -z "$path" ] || [ "$path" = "/." ] && continue
    if [ -d "$root$path" ] && [ ! -L "$root$path" ]; then
      if ! in_root dpkg-query -S "$path" >/dev/null 2>&1; then
        say "left behind: folder $path ($(ls -A "$root$path" | head -n 5 | tr '\n' ' '))"
        left=$((left + 1))
      fi
    elif [ -e "$root$path" ] || [ -L "$root$path" ]; then
      say "left behind: $path"
      left=$((left + 1))
    fi
  done <"$logs/files.txt"
  say "$(grep -c . "$logs/files.txt") paths listed by dpkg -L before the removal, $left left behind"
  [ "$left" -eq 0 ]
}

check "install $(basename "$deb") with its dependencies (apt-get install ./...)" install_package
if passed; then
  check "brevino-cli --version and show Canon_40D.jpg" run_cli
  check "brevino starts (offscreen, stopped after 5 s)" run_gui
  check "the English translation brevino_en.qm is installed" find_translation
  check "install the checking tools (man-db appstream desktop-file-utils lintian)" install_tools
  if passed; then
    check "man brevino-cli and man brevino render" render_manual_pages
    check "appstreamcli validate io.github.brevino.Brevino.metainfo.xml" validate_metainfo
    check "desktop-file-validate brevino.desktop" validate_desktop_file
    check "lintian: no E: tag" run_lintian
  fi
  check "apt-get remove brevino leaves none of its files" remove_package
fi

echo
echo "== Summary ($(basename "$deb"), in a fresh Debian 12 minbase root)"
printf '%s\n' "${results[@]}"
if [ -f "$logs/lintian.txt" ]; then
  echo "lintian tags:"
  grep -E '^[EWIPX]: ' "$logs/lintian.txt" | sed 's/^/  /'
fi
rm -rf "$logs"
if [ "$failures" -eq 0 ]; then
  echo "All package checks passed."
else
  echo "$failures package check(s) failed."
  exit 1
fi

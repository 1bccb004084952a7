#!/usr/bin/env bash
# Installs what is missing, builds Brevino for release with Debian's hardening flags and
# makes the Debian package build/pkg/brevino_VERSION_amd64.deb (cpack -G DEB).
# Install it with: apt install ./build/pkg/brevino_*.deb
# Extra arguments go to the CMake configure step; CXXFLAGS from the environment are added
# to Debian's.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh package
build=build/pkg

# Debian's build flags (fortified functions, stack protector, full RELRO, PIE), without
# debugging information: the package holds stripped programs.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP=-g
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) ${CXXFLAGS:-}"
ldflags="$(dpkg-buildflags --get LDFLAGS) ${LDFLAGS:-}"

# The changelog entry and the AppStream release are dated by the last commit, so that the
# same sources make the same package.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git rev-parse --git-dir >/dev/null 2>&1; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  export SOURCE_DATE_EPOCH
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBREVINO_BUILD_TESTS=OFF \
  -DBREVINO_BUILD_GUI=ON -DBREVINO_WERROR=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "$@"
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)

ls -l "$build"/brevino_*.deb

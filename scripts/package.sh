#!/usr/bin/env bash
# Builds the release packages into dist/:
#   movra-<version>-linux-<arch>.tar.gz and movra_<version>_<arch>.deb (native build),
#   movra-<version>-windows-x86_64.zip (cross-built with mingw-w64).
# Installs g++-mingw-w64-x86-64-posix with apt-get when it is missing.
#
# Environment: BUILD_DIR (default build-pkg), DIST_DIR (default dist), JOBS (default 2).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
BUILD_DIR="${BUILD_DIR:-$ROOT/build-pkg}"
DIST_DIR="${DIST_DIR:-$ROOT/dist}"
JOBS="${JOBS:-2}"
MINGW_CXX=x86_64-w64-mingw32-g++-posix

ensure_mingw() {
    command -v "$MINGW_CXX" >/dev/null && return 0
    if [[ "$(id -u)" != 0 ]] || ! command -v apt-get >/dev/null; then
        echo "package: $MINGW_CXX is missing; install g++-mingw-w64-x86-64-posix" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq g++-mingw-w64-x86-64-posix >/dev/null
}

# Configures, builds and packs one release build; the packages land in DIST_DIR.
package() {
    local build="$1"
    shift
    cmake -S "$ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMOVRA_BUILD_TESTS=OFF "$@" >/dev/null
    cmake --build "$build" -j "$JOBS" --target movra
    (cd "$build" && cpack -B "$DIST_DIR" >/dev/null)
}

mkdir -p "$DIST_DIR"
rm -rf "$DIST_DIR/_CPack_Packages"
package "$BUILD_DIR/linux"
ensure_mingw
package "$BUILD_DIR/windows" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake"
rm -rf "$DIST_DIR/_CPack_Packages"
echo "package: built into $DIST_DIR:"
ls -1 "$DIST_DIR"

#!/usr/bin/env bash
# Cross-builds movra.exe with mingw-w64 and runs its tests under Wine: the unit tests
# (the core's and the Windows layer's), then the end-to-end suite with "\" separators
# and Z:\ paths.
#
# Installs the toolchain (g++-mingw-w64-x86-64-posix, wine64) when it is missing. In CI
# (CI=true) a toolchain that cannot be had fails the run; elsewhere the run is skipped
# with the reason printed.
#
# Environment: BUILD_DIR (default build-windows), WINEPREFIX (default
# $BUILD_DIR/wineprefix), JOBS (default 2).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
BUILD_DIR="${BUILD_DIR:-$ROOT/build-windows}"
JOBS="${JOBS:-2}"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
MINGW_CXX=x86_64-w64-mingw32-g++-posix
GTEST_SOURCE=/usr/src/googletest
GTEST_ROOT="$BUILD_DIR/googletest-root"
export WINEPREFIX="${WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEDEBUG=-all

START=$SECONDS
phase_start=$SECONDS
phase() {
    echo "== windows: $1 took $((SECONDS - phase_start)) s"
    phase_start=$SECONDS
}

# No toolchain: a failure in CI, a printed skip elsewhere.
unavailable() {
    if [[ "${CI:-}" == "true" ]]; then
        echo "test_windows: FAILED: $1" >&2
        exit 1
    fi
    echo "test_windows: SKIPPED: $1"
    exit 0
}

have_tools() {
    command -v "$MINGW_CXX" >/dev/null && [[ -x "$WINE" && -d "$GTEST_SOURCE" ]]
}

install_tools() {
    have_tools && return 0
    if [[ "$(id -u)" != 0 ]] || ! command -v apt-get >/dev/null; then
        unavailable "mingw-w64, wine64 or googletest missing and apt-get cannot install them here"
    fi
    echo "== windows: installing g++-mingw-w64-x86-64-posix, wine64 and googletest"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || unavailable "apt-get update failed"
    apt-get install -y -qq g++-mingw-w64-x86-64-posix wine64 googletest >/dev/null ||
        unavailable "apt-get install of g++-mingw-w64-x86-64-posix wine64 googletest failed"
    have_tools || unavailable "the toolchain is still missing after apt-get install"
}

# GoogleTest for the Windows target, built once from Debian's sources.
build_gtest() {
    [[ -f "$GTEST_ROOT/lib/cmake/GTest/GTestConfig.cmake" ]] && return 0
    cmake -S "$GTEST_SOURCE" -B "$BUILD_DIR/googletest" \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_INSTALL_PREFIX="$GTEST_ROOT" >/dev/null
    cmake --build "$BUILD_DIR/googletest" -j "$JOBS" >/dev/null
    cmake --install "$BUILD_DIR/googletest" >/dev/null
}

build_movra() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
        -DMOVRA_BUILD_TESTS=ON -DGTest_DIR="$GTEST_ROOT/lib/cmake/GTest" >/dev/null
    cmake --build "$BUILD_DIR" -j "$JOBS" --target movra movra_tests
}

# One prefix for the whole run: made once, then kept alive by one persistent wineserver
# so that each case starts in a fraction of a second instead of booting Wine again.
start_wine() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        "$WINE" wineboot -i >/dev/null 2>&1 || true
        "$WINESERVER" -w
        [[ -f "$WINEPREFIX/system.reg" ]] || { echo "test_windows: wineboot made no prefix" >&2; exit 1; }
    fi
    # GetVolumeInformationW first opens the drive's raw device for its label and serial;
    # Wine cannot read the host's and prints a notice on the program's stderr each time.
    # A readable stand-in device silences it; the file-system name is unchanged.
    for drive in c z; do
        [[ -e "$WINEPREFIX/dosdevices/$drive::" ]] || ln -sfn /dev/null "$WINEPREFIX/dosdevices/$drive::"
    done
    "$WINESERVER" -p
    trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
    # The first program of a session starts Wine's background services, which inherit its
    # standard streams: started here on /dev/null, they never hold a test's pipes open.
    "$WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1
}

install_tools
phase "toolchain check"
# Before the build: its test discovery already runs movra_tests.exe under Wine.
start_wine
phase "Wine prefix"
build_gtest
build_movra
phase "cross-build"

echo "== windows: unit tests under Wine"
"$WINE" "$BUILD_DIR/movra_tests.exe"
phase "unit tests"

echo "== windows: end-to-end suite against movra.exe under Wine"
python3 tests/e2e/run_e2e.py --binary "$BUILD_DIR/movra.exe" --wine "$WINE"
phase "end-to-end suite"
echo "== windows: total $((SECONDS - START)) s"

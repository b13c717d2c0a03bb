#!/usr/bin/env bash
# Runs every test: the native build with its unit and end-to-end tests, the same under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers' seed corpora, the
# benchmark's own tests, a format check, and the Windows build under Wine. Exits non-zero
# on the first failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-2}

step() { printf '\n==== %s\n' "$*"; }

step "native build and tests (build/)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOVRA_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

step "sanitizer build and tests (build-asan/)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DMOVRA_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

if [ -x scripts/test_fuzz_corpus.sh ]; then
    step "fuzz targets over their seed corpora"
    scripts/test_fuzz_corpus.sh
fi

step "benchmark's own tests"
python3 -m unittest discover -s bench

step "format check"
if command -v clang-format >/dev/null 2>&1; then
    git ls-files -co --exclude-standard 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' \
        | xargs -r clang-format --dry-run -Werror
    echo "format ok"
else
    echo "clang-format not installed: format check skipped"
fi

if [ -x scripts/test_windows.sh ]; then
    step "Windows build under Wine"
    scripts/test_windows.sh
fi

step "all tests passed"

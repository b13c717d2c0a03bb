#!/usr/bin/env bash
# Builds the fuzz targets with clang and replays their seed corpora once, without
# fuzzing. To fuzz for real: build-fuzz/fuzz/<target> fuzz/corpus/<name> -max_total_time=600
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if ! command -v clang++ >/dev/null 2>&1; then
    if [ "${CI:-}" = true ]; then
        echo "clang++ is missing: the fuzz targets cannot be built" >&2
        exit 1
    fi
    echo "clang++ not installed: fuzz corpora skipped"
    exit 0
fi
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMOVRA_FUZZ=ON -DMOVRA_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"${JOBS:-2}" --target command_line_fuzzer pairing_fuzzer
build-fuzz/fuzz/command_line_fuzzer -runs=0 fuzz/corpus/command_line
build-fuzz/fuzz/pairing_fuzzer -runs=0 fuzz/corpus/pairing
echo "fuzz corpora replayed"

#!/usr/bin/env bash
# Builds movra and runs it on the bundled example folders. Version control keeps no file
# times, so the examples are copied to a temporary folder and given fixed times first:
# the output is then the same on every machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target movra >/dev/null
movra=$build/movra

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cp -r "$root/examples/source" "$root/examples/target" "$work/"
find "$work" -exec touch -h -d '2025-03-26 12:00:00 UTC' {} +
touch -d '2025-03-27 08:30:15 UTC' "$work/target/todo.txt"    # same bytes, newer time
touch -d '2025-03-26 12:00:00 UTC' "$work/target/docs/guide.txt"
chmod a-w "$work/target/agenda.txt"                             # read-only in the target

export TZ=UTC LANG=C.UTF-8
unset LC_ALL
cd "$work"
run() {
    printf '\n$ movra %s\n' "$*"
    "$movra" "$@" && code=0 || code=$?
    printf '(exit code %s)\n' "$code"
}
run /s /v /cf source target
run /s /l /cf source target
run /s /f /q source target    # fixes the letter case of target names (in the copy)

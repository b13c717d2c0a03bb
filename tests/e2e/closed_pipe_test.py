#!/usr/bin/env python3
"""A reader that goes away early (movra ... | head -1) ends the run quietly: no message,
no death by SIGPIPE, and the exit code still says whether the folders differ.

Usage: python3 tests/e2e/closed_pipe_test.py --binary build/movra
"""

import argparse
import os
import subprocess
import sys
import tempfile


def make_trees(root, count):
    for side in ("s", "t"):
        os.makedirs(os.path.join(root, side))
    for i in range(count):
        with open(os.path.join(root, "s", f"only-here-{i:05d}.txt"), "wb") as f:
            f.write(b"x")


def run_with_early_close(binary, root):
    process = subprocess.Popen(
        [binary, "/s", "s", "t"],
        cwd=root,
        stdin=subprocess.DEVNULL,
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        env={"PATH": os.environ.get("PATH", ""), "LANG": "C.UTF-8", "TZ": "UTC"},
    )
    first = process.stdout.readline()
    process.stdout.close()  # the reader is gone; everything after this has nowhere to go
    err = process.stderr.read()
    return first, err, process.wait(timeout=60)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True)
    binary = os.path.abspath(parser.parse_args().binary)
    failures = []
    with tempfile.TemporaryDirectory(prefix="movra-pipe-") as root:
        make_trees(root, 20000)  # far more output than a pipe buffer holds
        first, err, code = run_with_early_close(binary, root)
    if first != b"Source Only: only-here-00000.txt\r\n":
        failures.append(f"first line {first!r}")
    if err:
        failures.append(f"standard error {err!r}")
    if code != 1:
        failures.append(f"exit code {code} (negative: killed by that signal)")
    for failure in failures:
        print(f"FAIL closed_pipe: {failure}")
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

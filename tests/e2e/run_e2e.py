#!/usr/bin/env python3
"""End-to-end cases for movra: the real binary, real folder trees, exact bytes.

Usage:
    python3 tests/e2e/run_e2e.py --binary build/movra [--filter TEXT] [-v] [--keep]
    python3 tests/e2e/run_e2e.py --binary build-win/movra.exe --wine /usr/lib/wine/wine64

Each case (cases/*.py) builds a source and a target tree in a fresh temporary folder,
runs the tool with standard output and error as pipes (so lines end in CR LF), no
standard input and no controlling terminal, in a clean environment (PATH, TZ=UTC,
LANG=C.UTF-8 unless the case says otherwise), and compares standard output, standard
error and the exit code byte for byte. After every run the suite also checks that
nothing was lost: the source tree is unchanged, and the target tree is unchanged but for
the renames the case expects.

Paths in cases are placeholders ({src}, {tgt}, {root}, {sep}); harness/launcher.py
fills them for the native build or for the Windows build under Wine (Z:\\ paths, "\\").
Cases that only make sense on one of the two name the reason and are skipped on the
other. The last line is "N passed, N failed, N skipped"; the exit code is 1 when any
case failed.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from cases import all_cases  # noqa: E402
from harness.launcher import Launcher  # noqa: E402
from harness.runner import run_case  # noqa: E402


def parse_command_line(argv):
    parser = argparse.ArgumentParser(description="Runs the end-to-end cases of movra.")
    parser.add_argument("--binary", required=True, help="the movra binary (movra.exe with --wine)")
    parser.add_argument("--wine", help="the Wine loader that runs the Windows build")
    parser.add_argument("--filter", default="", help="run only cases whose name contains this")
    parser.add_argument("-v", "--verbose", action="store_true", help="name every case as it runs")
    parser.add_argument("--keep", action="store_true", help="keep the trees of every case")
    return parser.parse_args(argv)


def select(cases, text):
    names = [c.name for c in cases]
    duplicates = {n for n in names if names.count(n) > 1}
    if duplicates:
        sys.exit(f"duplicate case names: {sorted(duplicates)}")
    return [c for c in cases if text in c.name]


def show(case, outcome, verbose):
    """Failures with their details and skips with their reason; passes only on request."""
    if outcome.status == "fail":
        print("\n".join([f"FAIL {case.name}"] + outcome.lines))
    elif outcome.status == "skip":
        print(f"SKIP {case.name}: {outcome.lines[0]}")
    elif verbose:
        print(f"ok   {case.name}")
    sys.stdout.flush()


def main(argv):
    options = parse_command_line(argv)
    if not os.path.isfile(options.binary):
        print(f"no binary at {options.binary}", flush=True)
        print("0 passed, 1 failed")
        return 1
    launcher = Launcher(options.binary, options.wine)
    launcher.warm_up()
    counts = {"pass": 0, "fail": 0, "skip": 0}
    for case in select(all_cases(), options.filter):
        outcome = run_case(case, launcher, options.keep)
        counts[outcome.status] += 1
        show(case, outcome, options.verbose)
    print(f"{counts['pass']} passed, {counts['fail']} failed, {counts['skip']} skipped")
    return 1 if counts["fail"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

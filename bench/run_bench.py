#!/usr/bin/env python3
"""Movra benchmark: movra against rsync, diff and the least work possible.

Usage:
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release && cmake --build build --target movra
    python3 bench/run_bench.py [--quick] [--reps N] [--seed N] [--work DIR]
                               [--movra PATH] [--only GROUPS] [--trees-only]

Writes deterministic trees under --work (default /tmp/movra-bench; about
7 GiB and a few minutes for the full set, 0.4 GiB with --quick; kept and
reused while the seed and sizes match), then runs in one invocation, per group
of commands on the same trees, one warm-up round and --reps measured rounds
(default 5) with the commands alternating, page cache warm. Each command runs
under bench/run_measured.c, which reports its wall time, CPU time and peak RSS.
It prints a Markdown table of the medians and peaks per command with movra's
ratios to the floor and to its peers, checks them against the targets and
checks movra's exit codes and output, and writes it all to
bench/results/latest.md. Run it on an otherwise idle machine: the ratios come
from one run, and the report shows the load average at the start.

Groups (--only takes a comma-separated list of these):
  meta-a     movra /s vs rsync -rn, floor find -printf, on two identical trees
  meta-b     the same on trees with 3% differences, plus movra's output
             written to a file against the same run with /q
  meta-c     one folder of many entries per side: movra's memory per entry
  content-a  movra /s /ce vs diff -rq and rsync -rnc, floor bench/read_floor.c
  content-d  the same on large files

Needs python3, a C compiler (cc), rsync, diff and find (Debian: apt-get
install gcc rsync diffutils findutils). Peers that are missing are skipped.
"""

from __future__ import annotations

import argparse
import datetime
import os
import subprocess
import sys
from pathlib import Path

import make_trees
from measure import measure
from plan import GROUPS, TREE_OF_GROUP, Group, drop_missing_tools, make_group
from report import RunInfo, render

BENCH = Path(__file__).resolve().parent


def parse_args(argv: list[str]) -> argparse.Namespace:
    parser = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter
    )
    parser.add_argument("--quick", action="store_true", help="small trees, for a smoke test")
    parser.add_argument("--reps", type=int, default=5, help="measured rounds (default 5)")
    parser.add_argument("--seed", type=int, default=1, help="tree seed (default 1)")
    parser.add_argument(
        "--work", type=Path, default=Path("/tmp/movra-bench"), help="trees go here (%(default)s)"
    )
    parser.add_argument(
        "--movra", type=Path, default=BENCH.parent / "build" / "movra", help="binary measured"
    )
    parser.add_argument("--only", default=",".join(GROUPS), help="groups to run")
    parser.add_argument("--trees-only", action="store_true", help="write the trees and stop")
    parser.add_argument(
        "--out", type=Path, default=BENCH / "results" / "latest.md", help="report (%(default)s)"
    )
    args = parser.parse_args(argv)
    args.only = [g.strip() for g in args.only.split(",") if g.strip()]
    unknown = [g for g in args.only if g not in GROUPS]
    if unknown or args.reps < 1:
        parser.error(
            f"unknown group {unknown} (known: {', '.join(GROUPS)})" if unknown else "--reps"
        )
    return args


def log(text: str) -> None:
    print(text, file=sys.stderr, flush=True)


def build_helper(name: str, work: Path) -> str:
    """Compiles bench/<name>.c into work/<name> unless that binary is current."""
    source, binary = BENCH / f"{name}.c", work / name
    if not binary.exists() or binary.stat().st_mtime < source.stat().st_mtime:
        cc = os.environ.get("CC", "cc")
        subprocess.run([cc, "-O2", "-Wall", "-Wextra", "-o", str(binary), str(source)], check=True)
    return str(binary)


def check_movra(path: Path) -> str:
    if not os.access(path, os.X_OK):
        raise SystemExit(
            f"run_bench: no movra binary at {path}; build a Release binary with\n"
            "  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release\n"
            "  cmake --build build -j2 --target movra\n"
            "or pass --movra PATH"
        )
    return str(path.resolve())


def run_groups(launcher: str, groups: list[Group], reps: int) -> None:
    env = dict(os.environ, LC_ALL="C.UTF-8")
    for group in groups:
        log(f"run_bench: {group.key}: {group.title}, {len(group.commands)} commands")
        group.results = measure(launcher, group.commands, reps, env, log=log)


def main(argv: list[str]) -> int:
    args = parse_args(argv)
    args.work.mkdir(parents=True, exist_ok=True)
    names = "".join(sorted({TREE_OF_GROUP[g] for g in args.only}))
    profile_dir = args.work / ("quick" if args.quick else "full")
    sizes = make_trees.QUICK if args.quick else make_trees.FULL
    trees = make_trees.ensure_trees(profile_dir, args.seed, sizes, names, log)
    if args.trees_only:
        return 0
    movra = check_movra(args.movra)
    floor = build_helper("read_floor", args.work)
    launcher = build_helper("run_measured", args.work)
    notes: list[str] = []
    groups = [make_group(g, trees[TREE_OF_GROUP[g]], movra, floor, profile_dir) for g in args.only]
    for group in groups:
        drop_missing_tools(group, notes)
    run = RunInfo(movra, datetime.datetime.now().astimezone(), os.getloadavg()[0])
    run_groups(launcher, groups, args.reps)
    text = render(groups, notes, args, run)
    print(text)
    args.out.parent.mkdir(parents=True, exist_ok=True)
    args.out.write_text(text)
    print(f"Results written to {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

"""Deterministic folder trees for the Movra benchmark.

The same seed and sizes always give the same names, sizes, bytes and times, so
runs on different days and machines compare like with like. Each tree is
written once and reused while its stamp file (next to the tree, never inside
it) records the same parameters; a tree without a matching stamp is deleted
and written again.

Trees, under WORK/full or WORK/quick:
  a/src, a/dst  two identical trees of many small files in many folders
  b/dst         a/dst with 1% of files changed in size, 1% in time only and
                1% on one side only (compared against a/src)
  c/src, c/dst  one folder of many empty files on each side
  d/src, d/dst  two identical trees of large files

Standalone use: python3 bench/make_trees.py [--work DIR] [--seed N] [--quick]
"""

from __future__ import annotations

import argparse
import dataclasses
import json
import math
import os
import random
import shutil
from pathlib import Path
from typing import Callable, Iterator

GENERATOR_VERSION = 2
KIB = 1024
MIB = 1024 * KIB
GIB = 1024 * MIB
MTIME_BASE = 1_600_000_000  # 2020-09-13, well inside every time format
MTIME_SPREAD = 100_000_000
TIME_ONLY_SHIFT = 3600  # far beyond any comparer's tolerance
POOL_SIZE = 8 * MIB
CHUNK = MIB
STEMS = ("doc", "img", "data", "log", "src", "note", "report", "cache")
EXTS = ("txt", "bin", "dat", "cfg", "md", "json")


@dataclasses.dataclass(frozen=True)
class Sizes:
    """How big each tree is; part of every stamp."""

    files: int  # tree a: files per side
    folders: int  # tree a: folders per side
    max_file: int  # tree a: largest file in bytes (smallest is 0)
    big_folder: int  # tree c: entries in the one folder, per side
    content_total: int  # tree d: bytes per side
    content_min: int  # tree d: smallest file
    content_max: int  # tree d: largest file


FULL = Sizes(100_000, 10_000, 16 * KIB, 200_000, 2 * GIB, 1 * MIB, 64 * MIB)
QUICK = Sizes(10_000, 1_000, 16 * KIB, 20_000, 50 * MIB, 1 * MIB, 8 * MIB)


@dataclasses.dataclass
class Tree:
    """One generated pair of roots and what a correct comparer finds there."""

    name: str
    source: Path
    target: Path
    info: dict


@dataclasses.dataclass(frozen=True)
class SmallFile:
    path: str  # relative, "/"-separated
    size: int
    mtime: int
    offset: int  # where its bytes start in the pool


def rng_for(seed: int, stream: int) -> random.Random:
    # Integer seeds only: their sequence is fixed across Python versions.
    return random.Random(seed * 1000 + stream)


def make_pool(seed: int) -> bytes:
    return rng_for(seed, 0).randbytes(POOL_SIZE)


def folder_paths(count: int) -> list[str]:
    """count folders: isqrt(count) top folders, the rest spread below them."""
    tops = max(1, math.isqrt(count))
    paths = [f"dir{t:03d}" for t in range(tops)]
    for j in range(count - tops):
        paths.append(f"dir{j % tops:03d}/sub{j // tops:03d}")
    return paths


def small_files(seed: int, sizes: Sizes) -> tuple[list[str], list[SmallFile]]:
    """The folders and files of tree a, every file in folder (index mod folders)."""
    rng = rng_for(seed, 1)
    folders = folder_paths(sizes.folders)
    files = []
    for k in range(sizes.files):
        name = f"{rng.choice(STEMS)}{k:06d}.{rng.choice(EXTS)}"
        size = rng.randint(0, sizes.max_file)
        mtime = MTIME_BASE + rng.randrange(MTIME_SPREAD)
        offset = rng.randrange(POOL_SIZE - sizes.max_file)
        files.append(SmallFile(f"{folders[k % len(folders)]}/{name}", size, mtime, offset))
    return folders, files


def write_file(path: Path, data: bytes, mtime: int) -> None:
    with open(path, "wb") as out:
        out.write(data)
    os.utime(path, (mtime, mtime))


def settle_folder_times(root: Path) -> None:
    """Gives every folder under root (and root) the same time, once its files are written."""
    for folder, _, _ in os.walk(root):
        os.utime(folder, (MTIME_BASE, MTIME_BASE))


def write_small_tree(root: Path, folders: list[str], files: list[SmallFile], pool: bytes) -> None:
    for folder in folders:
        (root / folder).mkdir(parents=True, exist_ok=True)
    for f in files:
        write_file(root / f.path, pool[f.offset : f.offset + f.size], f.mtime)
    settle_folder_times(root)


@dataclasses.dataclass
class Changes:
    """Which files of tree a differ in tree b, by index into the file list."""

    size: set[int]
    time: set[int]
    source_only: set[int]
    target_only: list[SmallFile]


def plan_changes(seed: int, sizes: Sizes, folders: list[str]) -> Changes:
    rng = rng_for(seed, 2)
    one_percent = sizes.files // 100
    half = one_percent // 2
    picked = rng.sample(range(sizes.files), 2 * one_percent + half)
    extra = []
    for k in range(one_percent - half):
        size = rng.randint(0, sizes.max_file)
        offset = rng.randrange(POOL_SIZE - sizes.max_file)
        path = f"{folders[(k * 7) % len(folders)]}/new{k:06d}.txt"
        extra.append(SmallFile(path, size, MTIME_BASE + rng.randrange(MTIME_SPREAD), offset))
    return Changes(
        size=set(picked[:one_percent]),
        time=set(picked[one_percent : 2 * one_percent]),
        source_only=set(picked[2 * one_percent :]),
        target_only=extra,
    )


def changed_file(index: int, f: SmallFile, changes: Changes) -> SmallFile | None:
    """The target side's version of file `index`, or None when it is source-only."""
    if index in changes.source_only:
        return None
    if index in changes.size:
        grown = f.size + 1 + (index % 4096)
        return dataclasses.replace(f, size=grown, offset=min(f.offset, POOL_SIZE - grown))
    if index in changes.time:
        return dataclasses.replace(f, mtime=f.mtime + TIME_ONLY_SHIFT)
    return f


def write_tree_a(root: Path, seed: int, sizes: Sizes) -> dict:
    folders, files = small_files(seed, sizes)
    pool = make_pool(seed)
    for side in ("src", "dst"):
        write_small_tree(root / side, folders, files, pool)
    return {"files": len(files), "folders": len(folders), "bytes": sum(f.size for f in files)}


def write_tree_b(root: Path, seed: int, sizes: Sizes) -> dict:
    folders, files = small_files(seed, sizes)
    changes = plan_changes(seed, sizes, folders)
    target = [g for i, f in enumerate(files) if (g := changed_file(i, f, changes)) is not None]
    write_small_tree(root / "dst", folders, target + changes.target_only, make_pool(seed))
    return {
        "size_changed": len(changes.size),
        "time_changed": len(changes.time),
        "source_only": len(changes.source_only),
        "target_only": len(changes.target_only),
    }


def big_folder_names(seed: int, count: int) -> list[str]:
    rng = rng_for(seed, 3)
    return [f"{rng.choice(STEMS)}_{k:07d}_{rng.randrange(10**6):06d}.txt" for k in range(count)]


def write_tree_c(root: Path, seed: int, sizes: Sizes) -> dict:
    names = big_folder_names(seed, sizes.big_folder)
    for side in ("src", "dst"):
        folder = root / side
        folder.mkdir(parents=True)
        for name in names:
            fd = os.open(folder / name, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644)
            os.close(fd)
            os.utime(folder / name, (MTIME_BASE, MTIME_BASE))
        settle_folder_times(folder)
    return {"entries": len(names)}


def content_sizes(seed: int, sizes: Sizes) -> list[int]:
    """Sizes of tree d's files: random in [min, max], summing exactly to the total."""
    rng = rng_for(seed, 4)
    result, left = [], sizes.content_total
    while left > 0:
        size = min(rng.randint(sizes.content_min, sizes.content_max), left)
        if 0 < left - size < sizes.content_min:
            # Leave exactly one smallest file rather than a runt below the minimum.
            size = left - sizes.content_min if left >= 2 * sizes.content_min else left
        result.append(size)
        left -= size
    return result


def content_chunks(rng: random.Random, pool: bytes, size: int) -> Iterator[bytes]:
    while size > 0:
        length = min(CHUNK, size)
        offset = rng.randrange(POOL_SIZE - length + 1)
        yield pool[offset : offset + length]
        size -= length


def write_tree_d(root: Path, seed: int, sizes: Sizes) -> dict:
    pool, rng = make_pool(seed), rng_for(seed, 5)
    file_sizes = content_sizes(seed, sizes)
    for k, size in enumerate(file_sizes):
        rel = f"set{k % 4}/blob{k:04d}.bin"
        paths = [root / side / rel for side in ("src", "dst")]
        for p in paths:
            p.parent.mkdir(parents=True, exist_ok=True)
        with open(paths[0], "wb") as first, open(paths[1], "wb") as second:
            for chunk in content_chunks(rng, pool, size):
                first.write(chunk)
                second.write(chunk)
        mtime = MTIME_BASE + rng.randrange(MTIME_SPREAD)
        for p in paths:
            os.utime(p, (mtime, mtime))
    for side in ("src", "dst"):
        settle_folder_times(root / side)
    return {"files": len(file_sizes), "bytes": sum(file_sizes)}


Writer = Callable[[Path, int, Sizes], dict]
# name -> (writer of the folder base/name, disk bytes it needs)
TREES: dict[str, tuple[Writer, Callable[[Sizes], int]]] = {
    "a": (write_tree_a, lambda s: 2 * s.files * (s.max_file // 2 + 4 * KIB)),
    "b": (write_tree_b, lambda s: s.files * (s.max_file // 2 + 4 * KIB)),
    "c": (write_tree_c, lambda s: 2 * s.big_folder * 256),
    "d": (write_tree_d, lambda s: 2 * s.content_total),
}


def roots(base: Path, name: str) -> tuple[Path, Path]:
    if name == "b":
        return base / "a" / "src", base / "b" / "dst"
    return base / name / "src", base / name / "dst"


def stamp_for(name: str, seed: int, sizes: Sizes) -> dict:
    # Seed and sizes fix tree a as well, which tree b is compared against.
    return {"tree": name, "version": GENERATOR_VERSION, "seed": seed, **dataclasses.asdict(sizes)}


def read_stamp(path: Path) -> dict | None:
    try:
        return json.loads(path.read_text())
    except (OSError, ValueError):
        return None


def missing_trees(base: Path, seed: int, sizes: Sizes, names: str) -> list[str]:
    def is_current(name: str) -> bool:
        stamp = read_stamp(base / f"{name}.stamp") or {}
        return stamp.get("want") == stamp_for(name, seed, sizes)

    return [n for n in names if not is_current(n)]


def check_space(base: Path, sizes: Sizes, names: list[str]) -> None:
    need = sum(TREES[n][1](sizes) for n in names)
    free = shutil.disk_usage(base).free
    if need * 1.1 > free:
        raise SystemExit(
            f"make_trees: need about {need / GIB:.1f} GiB under {base}, "
            f"only {free / GIB:.1f} GiB free; use --work on a larger disk"
        )


def ensure_trees(
    base: Path, seed: int, sizes: Sizes, names: str, log: Callable[[str], None] = print
) -> dict[str, Tree]:
    """Makes sure trees `names` (letters of abcd) of these sizes exist under base
    (tree a too when b is asked for); returns them by letter."""
    base.mkdir(parents=True, exist_ok=True)
    wanted = sorted(set(names) | ({"a"} if "b" in names else set()))
    todo = missing_trees(base, seed, sizes, "".join(wanted))
    check_space(base, sizes, todo)
    for name in todo:
        stamp = base / f"{name}.stamp"
        stamp.unlink(missing_ok=True)
        shutil.rmtree(base / name, ignore_errors=True)
        log(f"make_trees: writing tree {name} under {base} ...")
        info = TREES[name][0](base / name, seed, sizes)
        stamp.write_text(json.dumps({"want": stamp_for(name, seed, sizes), "info": info}) + "\n")
    trees = {}
    for name in wanted:
        info = json.loads((base / f"{name}.stamp").read_text())["info"]
        trees[name] = Tree(name, *roots(base, name), info)
    return trees


def main() -> None:
    parser = argparse.ArgumentParser(description="Write the benchmark trees.")
    parser.add_argument("--work", type=Path, default=Path("/tmp/movra-bench"))
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--quick", action="store_true")
    parser.add_argument("--trees", default="abcd")
    args = parser.parse_args()
    sizes, base = (QUICK, args.work / "quick") if args.quick else (FULL, args.work / "full")
    for tree in ensure_trees(base, args.seed, sizes, args.trees).values():
        print(f"{tree.name}: {tree.source} {tree.target} {tree.info}")


if __name__ == "__main__":
    main()

"""Tests of the benchmark's own parts: python3 -m unittest discover -s bench"""

from __future__ import annotations

import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import make_trees
from make_trees import MIB, Sizes
from measure import Command, Result, Sample, measure
from plan import Group
import report

BENCH = Path(__file__).resolve().parent
TINY = Sizes(
    files=400, folders=30, max_file=2048, big_folder=50,
    content_total=5 * MIB + 123, content_min=1 * MIB, content_max=2 * MIB,
)  # fmt: skip


def snapshot(root: Path) -> dict[str, tuple[int, int, bytes]]:
    """Relative path -> (size, mtime, bytes) of every file; folders as size -1."""
    found = {}
    for path in root.rglob("*"):
        info = path.stat()
        body = path.read_bytes() if path.is_file() else b""
        found[str(path.relative_to(root))] = (
            -1 if path.is_dir() else info.st_size,
            int(info.st_mtime),
            body,
        )
    return found


class TreeGeneration(unittest.TestCase):
    def setUp(self) -> None:
        self.work = tempfile.TemporaryDirectory()
        self.base = Path(self.work.name)
        self.log: list[str] = []
        self.trees = make_trees.ensure_trees(self.base, 7, TINY, "abcd", self.log.append)

    def tearDown(self) -> None:
        self.work.cleanup()

    def test_identical_trees_match_in_names_sizes_times_and_bytes(self) -> None:
        for name in "acd":
            tree = self.trees[name]
            self.assertEqual(snapshot(tree.source), snapshot(tree.target), name)
        files = snapshot(self.trees["a"].source)
        self.assertEqual(sum(size >= 0 for size, _, _ in files.values()), TINY.files)
        self.assertEqual(sum(size < 0 for size, _, _ in files.values()), TINY.folders)
        self.assertEqual(len(list(self.trees["c"].source.iterdir())), TINY.big_folder)

    def test_content_tree_sizes_stay_in_range_and_sum_to_the_total(self) -> None:
        sizes = [size for size, _, _ in snapshot(self.trees["d"].source).values() if size >= 0]
        self.assertEqual(sum(sizes), TINY.content_total)
        self.assertTrue(all(TINY.content_min <= s <= TINY.content_max for s in sizes), sizes)

    def test_changed_tree_differs_exactly_as_its_stamp_says(self) -> None:
        source, target = snapshot(self.trees["b"].source), snapshot(self.trees["b"].target)
        files = lambda side: {k: v for k, v in side.items() if v[0] >= 0}  # noqa: E731
        source, target = files(source), files(target)
        common = source.keys() & target.keys()
        by_size = [
            k for k in common if source[k][0] != target[k][0] and source[k][1] == target[k][1]
        ]
        by_time = [
            k for k in common if source[k][0::2] == target[k][0::2] and source[k][1] != target[k][1]
        ]
        untouched = [k for k in common if source[k] == target[k]]
        info = self.trees["b"].info
        self.assertEqual(len(by_size), info["size_changed"])
        self.assertEqual(len(by_time), info["time_changed"])
        self.assertEqual(len(source.keys() - target.keys()), info["source_only"])
        self.assertEqual(len(target.keys() - source.keys()), info["target_only"])
        self.assertEqual(len(untouched) + len(by_size) + len(by_time), len(common))
        self.assertEqual(sum(info.values()), 3 * TINY.files // 100)

    def test_same_seed_reuses_and_other_seed_rewrites(self) -> None:
        before = snapshot(self.trees["a"].source)
        self.log.clear()
        make_trees.ensure_trees(self.base, 7, TINY, "ab", self.log.append)
        self.assertEqual(self.log, [])
        again = Path(self.work.name) / "again"
        make_trees.ensure_trees(again, 7, TINY, "a", self.log.append)
        self.assertEqual(snapshot(again / "a" / "src"), before)
        make_trees.ensure_trees(self.base, 8, TINY, "a", self.log.append)
        self.assertNotEqual(snapshot(self.trees["a"].source), before)

    def test_tree_without_stamp_is_written_again_from_scratch(self) -> None:
        (self.base / "c.stamp").unlink()  # as after an interrupted run
        stray = self.trees["c"].source / "left_over.txt"
        stray.write_text("x")
        self.log.clear()
        make_trees.ensure_trees(self.base, 7, TINY, "c", self.log.append)
        self.assertEqual(len(self.log), 1)
        self.assertFalse(stray.exists())
        self.assertEqual(len(list(self.trees["c"].target.iterdir())), TINY.big_folder)


class Measurement(unittest.TestCase):
    @classmethod
    def setUpClass(cls) -> None:
        cls.work = tempfile.TemporaryDirectory()
        cls.launcher = str(Path(cls.work.name) / "run_measured")
        source = str(BENCH / "run_measured.c")
        subprocess.run(
            ["cc", "-O2", "-Wall", "-Wextra", "-Werror", "-o", cls.launcher, source], check=True
        )

    @classmethod
    def tearDownClass(cls) -> None:
        cls.work.cleanup()

    def python(self, key: str, code: str, ok: frozenset[int] = frozenset({0}), **kw) -> Command:
        return Command(key, key, (sys.executable, "-c", code), ok, **kw)

    def test_peak_rss_and_cpu_are_the_commands_own(self) -> None:
        hog = "b = bytearray(96 << 20)\nfor i in range(0, len(b), 4096): b[i] = 1"
        ballast = bytearray(64 << 20)  # the harness's own memory must not show
        ballast[::4096] = b"\1" * len(ballast[::4096])
        results = measure(
            self.launcher,
            [self.python("hog", hog), Command("true", "true", ("true",))],
            2,
            dict(os.environ),
        )
        self.assertGreaterEqual(results["hog"].rss_kib, 96 * 1024)
        self.assertLess(results["true"].rss_kib, 8 * 1024)
        self.assertEqual(len(results["hog"].samples), 2)
        self.assertGreaterEqual(results["hog"].wall, results["hog"].cpu * 0.5)

    def test_exit_codes_outside_the_accepted_set_stop_the_command(self) -> None:
        commands = [
            self.python("differs", "raise SystemExit(1)", frozenset({0, 1})),
            self.python("fails", "import sys; sys.stderr.write('broken'); raise SystemExit(3)"),
            Command("missing", "missing", ("/nonexistent/tool",)),
        ]
        results = measure(self.launcher, commands, 3, dict(os.environ))
        self.assertTrue(results["differs"].ok)
        self.assertEqual(results["differs"].codes, {1})
        self.assertIn("exit code 3: broken", results["fails"].error or "")
        self.assertFalse(results["fails"].samples)
        self.assertIn("exit code 127", results["missing"].error or "")

    def test_standard_output_goes_to_the_named_file(self) -> None:
        out = Path(self.work.name) / "out.txt"
        results = measure(
            self.launcher,
            [self.python("say", "print('hello')", stdout=str(out))],
            1,
            dict(os.environ),
        )
        self.assertTrue(results["say"].ok)
        self.assertEqual(out.read_text(), "hello\n")


def finished(key: str, walls: list[float], rss_kib: int = 2048, code: int = 0) -> Result:
    result = Result(Command(key, key, (key,)))
    result.samples = [Sample(w, w / 2, rss_kib, code) for w in walls]
    return result


def group(key: str, info: dict, *results: Result, code: int = 0) -> Group:
    tree = make_trees.Tree(key[-1], Path("/s"), Path("/t"), info)
    made = Group(key, tree, f"({key[-1]})", [], "movra", "find", ["rsync"], code)
    made.results = {r.command.key: r for r in results}
    return made


class Report(unittest.TestCase):
    def test_targets_compare_medians_and_subtract_the_baseline(self) -> None:
        meta = group(
            "meta-a",
            {},
            finished("movra", [1.2, 9.0, 1.1], rss_kib=20 * 1024),
            finished("find", [1.0, 1.0, 1.0]),
            finished("rsync", [2.0, 2.0, 2.0]),
        )
        big = group(
            "meta-c",
            {"entries": 1000},
            finished("movra", [1.0], rss_kib=3000),
            finished("movra-help", [0.1], rss_kib=1000),
        )
        rows = report.targets_section([meta, big])
        self.assertIn("| (a) meta: movra ÷ floor | 1.20× | 1.20× | ≤ 1.3× | yes |", rows)
        self.assertIn("| (a) meta: movra ÷ rsync -n | 0.60× | 0.60× | ≤ 0.8× | yes |", rows)
        self.assertIn("| (a) movra peak RSS | 20.0 MiB |  | ≤ 16 MiB | **no** |", rows)
        # (3000 - 1000) KiB over 1000 entries on each of two sides
        self.assertIn(
            "| (c) movra bytes per entry per side | 1,024.0 B |  | ≤ 200 B | **no** |", rows
        )

    def test_wrong_exit_codes_and_failures_are_reported(self) -> None:
        failed = finished("rsync", [])
        failed.error = "exit code 23: boom"
        checked = group(
            "content-a",
            {},
            finished("movra", [1.0], code=1),
            finished("diff", [1.0], code=1),
            failed,
        )
        found = report.exit_code_checks(checked)
        self.assertEqual(len(found), 3, found)
        self.assertIn("exited [1], expected 0", found[0])
        self.assertIn("exit code 23: boom", found[2])

    def test_output_counts_are_checked_against_the_changed_tree(self) -> None:
        info = {"size_changed": 2, "time_changed": 1, "source_only": 1, "target_only": 1}
        changed = group("meta-b", info, finished("movra-file", [1.0], code=1), code=1)
        lines = [
            "<dir>",
            "Different:   a.txt (Size)",
            "Different:   b.txt (Size)",
            "Different:   c.txt (Time)",
            "Source Only: d.txt",
            "Target Only: e.txt",
        ]
        with tempfile.TemporaryDirectory() as work:
            out = Path(work) / "out.txt"
            out.write_text("\n".join(lines) + "\n")
            self.assertEqual(report.output_checks(changed, out), [])
            out.write_text("\n".join(lines[:-1] + ["Different:   c.txt (Size)(Time)"]) + "\n")
            found = report.output_checks(changed, out)
        self.assertEqual(
            found,
            [
                "movra printed 4 `Different:` lines on (b), expected 3.",
                "movra printed 0 `Target Only:` lines on (b), expected 1.",
                "movra printed 2 `Different:` lines ending in (Time) on (b), expected 1.",
            ],
        )


if __name__ == "__main__":
    unittest.main()

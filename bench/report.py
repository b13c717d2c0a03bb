"""The benchmark's Markdown report: the table, the targets and the checks of
what movra printed and returned."""

from __future__ import annotations

import argparse
import dataclasses
import datetime
import os
from pathlib import Path

from plan import Group, ratio

MIB = 1024 * 1024
OUTPUT_FILE_KEY, QUIET_KEY, HELP_KEY = "movra-file", "movra-q", "movra-help"


@dataclasses.dataclass(frozen=True)
class Target:
    check: str
    measured: float | None
    limit: float
    unit: str = "×"
    cpu: float | None = None  # the same ratio of CPU times, less disturbed by other load

    def row(self) -> str:
        cpu = "" if self.cpu is None else f"{self.cpu:.2f}×"
        if self.measured is None:
            return f"| {self.check} | not measured | {cpu} | ≤ {self.limit:g}{self.unit} | — |"
        met = "yes" if self.measured <= self.limit else "**no**"
        value = (
            f"{self.measured:.2f}{self.unit}"
            if self.unit == "×"
            else f"{self.measured:,.1f}{self.unit}"
        )
        return f"| {self.check} | {value} | {cpu} | ≤ {self.limit:g}{self.unit} | {met} |"


def fmt_ratio(value: float | None) -> str:
    return "—" if value is None else f"{value:.2f}"


def ratio_cells(group: Group, key: str) -> tuple[str, str]:
    if key != group.movra:
        return "", ""
    peers = [
        f"{fmt_ratio(ratio(group, p))} ({group.results[p].command.argv[0]})" for p in group.peers
    ]
    return fmt_ratio(ratio(group, group.floor)), ", ".join(peers)


def table(groups: list[Group]) -> list[str]:
    lines = [
        "| tree | command | wall median (s) | CPU median (s) | peak RSS (MiB) "
        "| movra ÷ floor | movra ÷ peer |",
        "|---|---|--:|--:|--:|--:|---|",
    ]
    for group in groups:
        for key, result in group.results.items():
            floor, peers = ratio_cells(group, key)
            label = result.command.label.replace("|", "\\|")
            if not result.ok:
                lines.append(f"| {group.title} | `{label}` | failed | | | | |")
                continue
            lines.append(
                f"| {group.title} | `{label}` | {result.wall:.3f} | {result.cpu:.3f} "
                f"| {result.rss_kib / 1024:.1f} | {floor} | {peers} |"
            )
    return lines


def find_group(groups: list[Group], key: str) -> Group | None:
    return next((g for g in groups if g.key == key), None)


def speed_targets(groups: list[Group]) -> list[Target]:
    limits = {"meta": (1.3, 0.8, "rsync", "rsync -n"), "content": (1.15, 0.8, "diff", "diff -rq")}
    targets = []
    for group in groups:
        if group.key not in ("meta-a", "meta-b", "content-a", "content-d"):
            continue
        floor_limit, peer_limit, peer, peer_name = limits[group.key.split("-")[0]]
        name = group.title.split(" ")[0] + " " + group.key.split("-")[0]
        for label, other, limit in (
            ("floor", group.floor, floor_limit),
            (peer_name, peer, peer_limit),
        ):
            wall, cpu = ratio(group, other), ratio(group, other, "cpu")
            targets.append(Target(f"{name}: movra ÷ {label}", wall, limit, cpu=cpu))
    return targets


def movra_rss_kib(group: Group | None) -> int | None:
    result = group.results.get(group.movra) if group else None
    return result.rss_kib if result is not None and result.ok else None


def memory_targets(groups: list[Group]) -> list[Target]:
    targets = []
    on_a = [r for r in (movra_rss_kib(find_group(groups, k)) for k in ("meta-a", "content-a")) if r]
    if on_a:
        targets.append(Target("(a) movra peak RSS", max(on_a) / 1024, 16, " MiB"))
    per_entry = bytes_per_entry(find_group(groups, "meta-c"))
    if per_entry is not None:
        targets.append(Target("(c) movra bytes per entry per side", per_entry[0], 200, " B"))
    return targets


def bytes_per_entry(group: Group | None) -> tuple[float, float] | None:
    """(bytes per entry of both sides' listings, bytes per entry of one side)."""
    peak = movra_rss_kib(group)
    base = group.results.get(HELP_KEY) if group else None
    if group is None or peak is None or base is None or not base.ok:
        return None
    grown = (peak - base.rss_kib) * 1024
    entries = group.tree.info["entries"]
    return grown / (2 * entries), grown / entries


def output_target(groups: list[Group]) -> list[Target]:
    group = find_group(groups, "meta-b")
    if group is None:
        return []
    written, quiet = group.results.get(OUTPUT_FILE_KEY), group.results.get(QUIET_KEY)
    if written is None or quiet is None or not written.ok or not quiet.ok:
        return [Target("(b) movra > file ÷ movra /q", None, 1.1)]
    cpu = written.cpu / quiet.cpu if quiet.cpu > 0 else None
    return [Target("(b) movra > file ÷ movra /q", written.wall / quiet.wall, 1.1, cpu=cpu)]


def targets_section(groups: list[Group]) -> list[str]:
    rows = speed_targets(groups) + memory_targets(groups) + output_target(groups)
    lines = [
        "| target | measured (wall) | same in CPU time | limit | met |",
        "|---|--:|--:|--:|---|",
    ]
    lines += [t.row() for t in rows]
    per_entry = bytes_per_entry(find_group(groups, "meta-c"))
    if per_entry is not None:
        lines += [
            "",
            f"(c): {per_entry[1]:,.0f} bytes per entry of the one folder, both sides together.",
        ]
    return lines


def exit_code_checks(group: Group) -> list[str]:
    found = []
    for key, result in group.results.items():
        if result.error is not None:
            found.append(f"`{result.command.label}` on {group.title} failed: {result.error}")
            continue
        if key.startswith("movra") and key != HELP_KEY:
            if result.codes != {group.movra_code}:
                found.append(
                    f"`{result.command.label}` on {group.title} exited {sorted(result.codes)}, "
                    f"expected {group.movra_code}."
                )
        elif key == "diff" and result.codes != {0}:
            found.append(
                f"diff -rq found differences on {group.title}: the trees are not identical."
            )
    return found


def output_checks(group: Group | None, out_path: Path) -> list[str]:
    """Counts movra's lines on tree b against what the generator changed."""
    if group is None or not out_path.exists() or not group.results[OUTPUT_FILE_KEY].ok:
        return []
    lines = out_path.read_bytes().decode("utf-8", "replace").splitlines()
    info = group.tree.info
    expect = {
        "Different:": info["size_changed"] + info["time_changed"],
        "Source Only:": info["source_only"],
        "Target Only:": info["target_only"],
    }
    found = []
    for kind, want in expect.items():
        got = sum(line.startswith(kind) for line in lines)
        if got != want:
            found.append(f"movra printed {got} `{kind}` lines on (b), expected {want}.")
    for tag, want in (("(Size)", info["size_changed"]), ("(Time)", info["time_changed"])):
        got = sum(line.startswith("Different:") and line.endswith(tag) for line in lines)
        if got != want:
            found.append(
                f"movra printed {got} `Different:` lines ending in {tag} on (b), expected {want}."
            )
    return found


def checks_section(groups: list[Group], work: Path) -> list[str]:
    found = [line for g in groups for line in exit_code_checks(g)]
    found += output_checks(find_group(groups, "meta-b"), work / "movra-output-b.txt")
    return [f"- {line}" for line in found] or [
        "- All exit codes and the output counts on (b) as expected."
    ]


@dataclasses.dataclass(frozen=True)
class RunInfo:
    movra: str  # the binary measured
    started: datetime.datetime
    load: float  # 1-minute load average when the run started


def header(args: argparse.Namespace, run: RunInfo) -> list[str]:
    size = "quick" if args.quick else "full"
    uname = os.uname()
    return [
        "# Movra benchmark",
        "",
        f"{run.started:%Y-%m-%d %H:%M %z}, {uname.nodename} ({uname.release}), "
        f"{os.cpu_count()} CPUs, load average {run.load:.2f} at the start. "
        f"movra: `{run.movra}`. Trees: {size}, seed {args.seed}, under {args.work}. "
        f"Medians of {args.reps} rounds after one warm-up round, commands alternating, "
        "page cache warm; peak RSS is the largest of the rounds. Ratios are of wall times "
        "within this run unless marked CPU.",
    ]


def render(groups: list[Group], notes: list[str], args: argparse.Namespace, run: RunInfo) -> str:
    work = args.work / ("quick" if args.quick else "full")
    lines = header(args, run) + ["", "## Measurements", ""] + table(groups)
    lines += ["", "## Targets", ""] + targets_section(groups)
    lines += ["", "## Checks", ""] + checks_section(groups, work) + [f"- {n}" for n in notes]
    return "\n".join(lines) + "\n"

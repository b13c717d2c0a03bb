"""What the benchmark runs: groups of commands on the same trees, and which
command is movra's, which the floor and which the peers."""

from __future__ import annotations

import dataclasses
import shutil
from pathlib import Path

import make_trees
from measure import Command, Result

MOVRA_CODES = frozenset({0, 1})  # 1 means "differences found", not a failure
GROUPS = ("meta-a", "meta-b", "meta-c", "content-a", "content-d")
TREE_OF_GROUP = {"meta-a": "a", "meta-b": "b", "meta-c": "c", "content-a": "a", "content-d": "d"}


@dataclasses.dataclass
class Group:
    key: str
    tree: make_trees.Tree
    title: str  # the tree as shown in the table
    commands: list[Command]
    movra: str  # key of the movra command the ratios are for
    floor: str | None
    peers: list[str]
    movra_code: int  # what a correct movra exits with on these trees
    results: dict[str, Result] = dataclasses.field(default_factory=dict)


def slash(path: Path) -> str:
    return f"{path}/"  # rsync compares folder contents only with the trailing slash


def metadata_commands(movra: str, tree: make_trees.Tree) -> list[Command]:
    s, t = tree.source, tree.target
    return [
        Command("movra", "movra /s", (movra, "/s", str(s), str(t)), MOVRA_CODES),
        Command(
            "rsync",
            "rsync -rn --itemize-changes --delete",
            ("rsync", "-rn", "--itemize-changes", "--delete", slash(s), slash(t)),
        ),
        Command(
            "find",
            "find A B -printf '%s %T@\\n' (floor)",
            ("find", str(s), str(t), "-printf", "%s %T@\n"),
        ),
    ]


def content_commands(movra: str, floor: str, tree: make_trees.Tree) -> list[Command]:
    s, t = tree.source, tree.target
    return [
        Command("movra", "movra /s /ce", (movra, "/s", "/ce", str(s), str(t)), MOVRA_CODES),
        Command("diff", "diff -rq", ("diff", "-rq", str(s), str(t)), frozenset({0, 1})),
        Command(
            "rsync",
            "rsync -rnc --itemize-changes --delete",
            ("rsync", "-rnc", "--itemize-changes", "--delete", slash(s), slash(t)),
        ),
        Command("read", "read_floor A B (floor)", (floor, str(s), str(t))),
    ]


def tree_title(tree: make_trees.Tree) -> str:
    i = tree.info
    if tree.name == "a":
        return f"(a) {i['files']:,} files in {i['folders']:,} folders, identical"
    if tree.name == "b":
        changed = sum(i.values())
        return f"(b) as (a), {changed:,} files differing"
    if tree.name == "c":
        return f"(c) one folder of {i['entries']:,} entries per side"
    return f"(d) {i['bytes'] / make_trees.GIB:.2f} GiB in {i['files']} files, identical"


def make_group(key: str, tree: make_trees.Tree, movra: str, floor: str, work: Path) -> Group:
    if key.startswith("content"):
        commands = content_commands(movra, floor, tree)
        return Group(key, tree, tree_title(tree), commands, "movra", "read", ["diff", "rsync"], 0)
    commands = metadata_commands(movra, tree)
    if key == "meta-b":
        out = str(work / "movra-output-b.txt")
        s, t = str(tree.source), str(tree.target)
        commands.append(
            Command("movra-file", "movra /s > file", (movra, "/s", s, t), MOVRA_CODES, out)
        )
        commands.append(Command("movra-q", "movra /s /q", (movra, "/s", "/q", s, t), MOVRA_CODES))
    if key == "meta-c":
        commands.append(Command("movra-help", "movra /? (baseline)", (movra, "/?")))
    return Group(
        key, tree, tree_title(tree), commands, "movra", "find", ["rsync"], int(key == "meta-b")
    )


def drop_missing_tools(group: Group, notes: list[str]) -> None:
    for command in list(group.commands):
        if shutil.which(command.argv[0]) is None:
            group.commands.remove(command)
            group.peers = [p for p in group.peers if p != command.key]
            if group.floor == command.key:
                group.floor = None
            notes.append(
                f"{command.argv[0]} not found: `{command.label}` skipped (apt-get install it)."
            )


def ratio(group: Group, other: str | None, measure: str = "wall") -> float | None:
    """movra's median (wall or cpu) over another command's; None when either failed."""
    mine, theirs = group.results.get(group.movra), group.results.get(other or "")
    if mine is None or theirs is None or not mine.ok or not theirs.ok:
        return None
    denominator = getattr(theirs, measure)
    return getattr(mine, measure) / denominator if denominator > 0 else None

"""Runs commands in alternating rounds and records wall time, CPU time and peak RSS.

Each command runs under run_measured (run_measured.c), which forks it, reaps it
with wait4 and reports its rusage: the CPU time of the command and of every
descendant it waited for, and the largest resident set among them.
"""

from __future__ import annotations

import dataclasses
import os
import statistics
import tempfile
from typing import Callable

STDERR_KEPT = 600  # characters of a failing command's stderr kept for the report


@dataclasses.dataclass(frozen=True)
class Sample:
    wall: float  # seconds
    cpu: float  # user + system seconds
    rss_kib: int  # peak resident set, KiB
    code: int  # exit code; negative for a signal


@dataclasses.dataclass(frozen=True)
class Command:
    key: str  # unique within one run
    label: str  # shown in the table
    argv: tuple[str, ...]
    ok_codes: frozenset[int] = frozenset({0})
    stdout: str = os.devnull


@dataclasses.dataclass
class Result:
    command: Command
    samples: list[Sample] = dataclasses.field(default_factory=list)
    error: str | None = None

    @property
    def wall(self) -> float:
        return statistics.median(s.wall for s in self.samples)

    @property
    def cpu(self) -> float:
        return statistics.median(s.cpu for s in self.samples)

    @property
    def rss_kib(self) -> int:
        return max(s.rss_kib for s in self.samples)

    @property
    def codes(self) -> set[int]:
        return {s.code for s in self.samples}

    @property
    def ok(self) -> bool:
        return self.error is None and bool(self.samples)


def run_once(launcher: str, command: Command, env: dict[str, str]) -> tuple[Sample, str]:
    """Runs command to its end under launcher; returns its sample and its stderr text."""
    with tempfile.TemporaryFile() as errors, tempfile.TemporaryFile() as report:
        out_flags = os.O_WRONLY | os.O_CREAT | os.O_TRUNC
        actions = [
            (os.POSIX_SPAWN_OPEN, 0, os.devnull, os.O_RDONLY, 0),
            (os.POSIX_SPAWN_OPEN, 1, command.stdout, out_flags, 0o644),
            (os.POSIX_SPAWN_DUP2, errors.fileno(), 2),
            (os.POSIX_SPAWN_DUP2, report.fileno(), 3),
        ]
        argv = [launcher, *command.argv]
        pid = os.posix_spawn(launcher, argv, env, file_actions=actions)
        _, status = os.waitpid(pid, 0)
        errors.seek(0)
        text = errors.read(4 * STDERR_KEPT).decode("utf-8", "replace")
        report.seek(0)
        fields = report.read().split()
    if os.waitstatus_to_exitcode(status) != 0 or len(fields) != 4:
        raise OSError(f"{launcher} failed: {text.strip()[:STDERR_KEPT]}")
    wall, cpu, rss, code = fields
    return Sample(float(wall), float(cpu), int(rss), int(code)), text


def measure(
    launcher: str,
    commands: list[Command],
    reps: int,
    env: dict[str, str],
    warmup: int = 1,
    log: Callable[[str], None] = lambda _: None,
) -> dict[str, Result]:
    """Runs every command once per round, warmup rounds first (not kept), then
    reps kept rounds; each round starts one command later than the last, so no
    command always follows the same neighbour. A command that exits with a
    code outside its ok_codes is recorded as failed and not run again."""
    results = {c.key: Result(c) for c in commands}
    for round_no in range(warmup + reps):
        shift = round_no % len(commands)
        for command in commands[shift:] + commands[:shift]:
            result = results[command.key]
            if result.error is not None:
                continue
            try:
                sample, errors = run_once(launcher, command, env)
            except OSError as error:  # the launcher itself failed
                result.error = str(error)
                continue
            if sample.code not in command.ok_codes:
                result.error = f"exit code {sample.code}: {errors.strip()[:STDERR_KEPT]}"
            elif round_no >= warmup:
                result.samples.append(sample)
        log(f"  round {round_no + 1}/{warmup + reps} done")
    return results

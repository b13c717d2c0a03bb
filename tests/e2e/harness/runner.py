"""Runs one case: builds its trees, runs the tool, compares every output and checks that
nothing was lost (the source tree unchanged, the target tree changed by the expected
renames only)."""

import os
import tempfile
import time
import traceback
from dataclasses import dataclass, field

from . import fsinfo, report, trees

_SHM = "/dev/shm"
_BIRTH_ATTEMPTS = 3


class Skip(Exception):
    """The case cannot run on this machine or under this launcher."""


@dataclass
class Outcome:
    status: str  # "pass", "fail" or "skip"
    lines: list = field(default_factory=list)


def _format_utc(seconds):
    return time.strftime("%Y/%m/%d %H:%M:%S", time.gmtime(seconds))


def _check_platform(case, launcher):
    if case.posix_only and launcher.platform != "posix":
        raise Skip(case.posix_only)
    if case.wine_only and launcher.platform != "wine":
        raise Skip(case.wine_only)
    if launcher.unsupported(case):
        raise Skip(launcher.unsupported(case))


def _shm_differs_from(disk_dir):
    shm_type, disk_type = fsinfo.mount_type(_SHM), fsinfo.mount_type(disk_dir)
    if not os.path.isdir(_SHM) or shm_type != "tmpfs":
        raise Skip(f"{_SHM} is not a tmpfs mount here")
    if disk_type in ("", "tmpfs"):
        raise Skip(f"the temporary folder is on {disk_type or 'an unknown file system'}, not disk")


class CaseRun:
    """The folders, trees and placeholder values of one run of one case."""

    def __init__(self, case, launcher):
        self.case, self.launcher = case, launcher
        self.folders = []
        self.builder = trees.TreeBuilder(case.exact_birth)
        if case.src_on_shm:
            _shm_differs_from(tempfile.gettempdir())
        self.root = self._new_folder(tempfile.gettempdir())
        self.src_base = self._new_folder(_SHM) if case.src_on_shm else self.root
        self.src = os.path.join(self.src_base, "src")
        self.tgt = os.path.join(self.root, "tgt")
        self.values = {}

    def _new_folder(self, parent):
        path = os.path.realpath(tempfile.mkdtemp(prefix="movra-e2e-", dir=parent))
        self.folders.append(path)
        return path

    def _pairs(self):
        c = self.case
        return [(self.src, c.src), (self.tgt, c.tgt), (self.root, c.around)]

    def build(self):
        for _ in range(_BIRTH_ATTEMPTS):
            self.builder.build(self._pairs())
            if not self.case.exact_birth or self._birth_times_settled():
                break
            self.cleanup(keep_roots=True)
        else:
            raise Skip("could not create files in two consecutive whole seconds of birth time")
        to = self.launcher.tool_path
        self.values.update(src=to(self.src), tgt=to(self.tgt), root=to(self.root))
        self.values["sep"] = self.launcher.sep

    def _birth_times_settled(self):
        first, second = trees.birth_phases(self._pairs())
        if None in first | second:
            raise Skip("this file system does not report birth times")
        if len(first) > 1 or len(second) > 1:
            return False
        if first and second and next(iter(second)) != next(iter(first)) + 1:
            return False
        for key, seconds in (("btime0", first), ("btime1", second)):
            if seconds:
                self.values[key] = _format_utc(next(iter(seconds)))
        return True

    def cleanup(self, keep_roots=False):
        self.builder.release()
        self.builder.immutable.clear()
        for path in self.folders:
            trees.remove_tree(path)
            if keep_roots:
                os.makedirs(path)


def _expected_bytes(case, launcher, text, values):
    return launcher.fill(text, values).encode(case.encoding, "surrogateescape")


def _compare_outputs(case, launcher, values, out, err, code):
    problems = []
    if case.expects_pattern():
        if not case.stdout.fullmatch(out):
            problems += report.pattern_mismatch("stdout", case.stdout, out)
    else:
        want = _expected_bytes(case, launcher, case.stdout, values)
        if out != want:
            problems += report.stream_diff("stdout", want, out)
    want_err = _expected_bytes(case, launcher, case.stderr, values)
    if err != want_err:
        problems += report.stream_diff("stderr", want_err, err)
    if code != case.code:
        shown = "killed after a timeout" if code is None else code
        problems.append(f"  exit code: expected {case.code}, actual {shown}")
    return problems


def _watched(run):
    """The folders whose contents must survive the run: the whole case folder (source,
    target and whatever lies around them) and the source tree when it lives elsewhere."""
    folders = [run.root]
    if run.src_base != run.root:
        folders.append(run.src_base)
    return folders


def _nothing_lost(run, before):
    renames = [(f"tgt/{old}", f"tgt/{new}") for old, new in run.case.renames]
    problems = []
    for folder, records in zip(_watched(run), before):
        expected = trees.expect_renamed(records, renames) if folder == run.root else records
        changes = trees.compare_snapshots(expected, trees.snapshot(folder))
        problems += [f"  changed on disk: {change}" for change in changes]
    return problems


def _command_echo(launcher, args):
    return "  command: " + " ".join(report.shorten(a) for a in launcher.command(args))


def run_case(case, launcher, keep=False):
    """Runs one case and returns its Outcome."""
    try:
        _check_platform(case, launcher)
        run = CaseRun(case, launcher)
    except Skip as reason:
        return Outcome("skip", [str(reason)])
    try:
        return _run_built(run, keep)
    except Skip as reason:
        return Outcome("skip", [str(reason)])
    except trees.TreeUnsupported as reason:
        return Outcome("skip", [str(reason)])
    except Exception:  # a broken case must not hide the results of the others
        return Outcome("fail", ["  the harness failed:"] + traceback.format_exc().splitlines())
    finally:
        if keep:
            run.builder.release()
        else:
            run.cleanup()


def _run_built(run, keep):
    case, launcher = run.case, run.launcher
    run.build()
    before = [trees.snapshot(folder) for folder in _watched(run)]
    args = [launcher.fill(a, run.values) for a in case.args]
    out, err, code = launcher.run(args, os.path.join(run.root, case.cwd), case.env)
    problems = _compare_outputs(case, launcher, run.values, out, err, code)
    problems += _nothing_lost(run, before)
    if not problems:
        return Outcome("pass")
    lines = [_command_echo(launcher, args)]
    if case.env:
        lines.append(f"  environment: {case.env}")
    if keep:
        lines.append(f"  trees kept in: {', '.join(run.folders)}")
    return Outcome("fail", lines + problems)

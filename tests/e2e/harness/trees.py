"""Folder trees for the cases: how a case describes one, how it is built, and snapshots.

A tree is a dict from a relative path ("docs/a.txt", always with "/") to an entry made
by F (file), D (folder) or L (symbolic link). Folders named only as parents of other
entries are created as plain folders. Names may hold lone surrogates U+DC80..U+DCFF,
which stand for bytes that are not valid UTF-8 (os functions write them back as
those bytes).
"""

import hashlib
import os
import stat
import time
from dataclasses import dataclass

from . import fsinfo

# 2020/09/13 12:26:40 UTC: every file gets it unless the case says otherwise, so
# that times are equal by default and differences are always deliberate.
DEFAULT_MTIME = 1600000000
DOSATTRIB = "user.DOSATTRIB"
_HASHED_LIMIT = 64 << 20


class TreeUnsupported(Exception):
    """The machine cannot build what the tree asks for (an xattr, the immutable flag)."""


@dataclass
class F:
    """A file: data as given, or size bytes of a fixed pattern with the byte at flip
    inverted; sparse files are only truncated to size (nothing is written)."""

    data: bytes = b""
    size: int = None
    flip: int = None
    mtime: int = DEFAULT_MTIME
    mode: int = None
    dos: str = None
    phase: int = 0
    sparse: bool = False

    def content(self):
        if self.size is None:
            return self.data.encode() if isinstance(self.data, str) else self.data
        block = bytes((i * 7 + 3) % 251 for i in range(min(self.size, 251 * 64)))
        body = bytearray((block * (self.size // len(block) + 1))[: self.size]) if block else b""
        if self.flip is not None:
            body[self.flip] ^= 0xFF
        return bytes(body)


@dataclass
class D:
    """A folder with optional mtime, mode, DOS attribute text and immutable flag."""

    mtime: int = None
    mode: int = None
    dos: str = None
    immutable: bool = False


@dataclass
class L:
    """A symbolic link to target (relative to the link's folder, or absolute)."""

    target: str
    mtime: int = DEFAULT_MTIME


def _depth(item):
    return item[0].count("/")


def _create_file(path, entry):
    with open(path, "wb") as f:
        if entry.sparse:
            f.truncate(entry.size)
        else:
            f.write(entry.content())


def _wait_for_next_second():
    # Birth times come from the kernel's coarse clock, which may lag a few
    # milliseconds behind time.time(): stay well clear of the boundary.
    now = time.time()
    time.sleep(int(now) + 1 - now + 0.05)


class TreeBuilder:
    """Builds several trees together, so that birth-time phases span all of them."""

    def __init__(self, exact_birth=False):
        self.exact_birth = exact_birth
        self.immutable = []

    def build(self, pairs):
        """pairs: (base folder, tree). Creates everything, then sets times, modes and
        attributes, so that creating children does not spoil a folder's settings."""
        items = [
            (base, rel, e) for base, tree in pairs for rel, e in sorted(tree.items(), key=_depth)
        ]
        for base, _ in pairs:
            os.makedirs(base, exist_ok=True)
        for base, rel, entry in items:
            self._create_structure(os.path.join(base, rel), entry)
        for phase in (0, 1):
            if self.exact_birth:
                _wait_for_next_second()
            for base, rel, entry in items:
                if isinstance(entry, F) and entry.phase == phase:
                    _create_file(os.path.join(base, rel), entry)
        for base, rel, entry in reversed(items):
            self._settle(os.path.join(base, rel), entry)
        for base, rel, entry in reversed(items):
            if isinstance(entry, D) and entry.immutable:
                self._make_immutable(os.path.join(base, rel))

    def _create_structure(self, path, entry):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if isinstance(entry, D):
            os.makedirs(path, exist_ok=True)
        elif isinstance(entry, L):
            os.symlink(entry.target, path)

    def _settle(self, path, entry):
        if getattr(entry, "dos", None) is not None:
            try:
                os.setxattr(path, DOSATTRIB, entry.dos.encode())
            except OSError as error:
                raise TreeUnsupported(f"cannot set {DOSATTRIB} on {path}: {error}") from error
        if getattr(entry, "mode", None) is not None:
            os.chmod(path, entry.mode)
        if entry.mtime is not None:
            ns = round(entry.mtime * 1_000_000_000)
            os.utime(path, ns=(ns, ns), follow_symlinks=not isinstance(entry, L))

    def _make_immutable(self, path):
        try:
            fsinfo.set_immutable(path, True)
        except OSError as error:
            if fsinfo.is_unsupported(error):
                raise TreeUnsupported(f"cannot set the immutable flag: {error}") from error
            raise
        self.immutable.append(path)

    def release(self):
        """Clears the immutable flags this builder set, so the trees can be removed."""
        for path in self.immutable:
            try:
                fsinfo.set_immutable(path, False)
            except OSError:
                pass


def birth_phases(pairs):
    """The birth times of the phase-0 and phase-1 files of the trees, as
    (set of phase-0 seconds, set of phase-1 seconds)."""
    seen = ({}, {})
    for base, tree in pairs:
        for rel, entry in tree.items():
            if isinstance(entry, F):
                seen[entry.phase][rel] = fsinfo.birth_time(os.path.join(base, rel))
    return set(seen[0].values()), set(seen[1].values())


def remove_tree(path):
    """Removes a case folder even where the tree made folders read-only."""
    if not os.path.lexists(path):
        return
    for top, dirs, _ in os.walk(path):
        for d in dirs:
            full = os.path.join(top, d)
            if not os.path.islink(full):
                os.chmod(full, 0o755)
    os.chmod(path, 0o755)
    for top, dirs, files in os.walk(path, topdown=False):
        for name in files:
            os.unlink(os.path.join(top, name))
        for name in dirs:
            full = os.path.join(top, name)
            (os.unlink if os.path.islink(full) else os.rmdir)(full)
    os.rmdir(path)


# --- snapshots -------------------------------------------------------------


@dataclass(frozen=True)
class Record:
    """What is kept of one entry; a field of None is not compared."""

    kind: str
    mode: int
    size: int
    mtime_ns: int
    ctime_ns: int
    inode: int
    digest: str
    link: str
    dosattrib: bytes


def _digest(path, size):
    if size > _HASHED_LIMIT:
        return None  # huge sparse files: size, mtime and ctime stand for the contents
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for chunk in iter(lambda: f.read(1 << 20), b""):
            h.update(chunk)
    return h.hexdigest()


def _dosattrib(path):
    try:
        return os.getxattr(path, DOSATTRIB, follow_symlinks=False)
    except OSError:
        return None


def _record(path):
    st = os.lstat(path)
    kind = "link" if stat.S_ISLNK(st.st_mode) else "dir" if stat.S_ISDIR(st.st_mode) else "file"
    return Record(
        kind=kind,
        mode=st.st_mode,
        size=st.st_size if kind == "file" else None,
        mtime_ns=st.st_mtime_ns,
        ctime_ns=st.st_ctime_ns,
        inode=st.st_ino,
        digest=_digest(path, st.st_size) if kind == "file" else None,
        link=os.readlink(path) if kind == "link" else None,
        dosattrib=_dosattrib(path),
    )


def snapshot(base):
    """Every entry below base (links not followed), and base itself as ".", by relative path."""
    records = {".": _record(base)}
    for top, dirs, files in os.walk(base):
        for name in dirs + files:
            full = os.path.join(top, name)
            records[os.path.relpath(full, base)] = _record(full)
    return records


def _parent(rel):
    return os.path.dirname(rel) or "."


def _moved(rel, old, new):
    if rel == old:
        return new
    if rel.startswith(old + "/"):
        return new + rel[len(old) :]
    return rel


def _loosen(record, fields):
    return Record(**{**record.__dict__, **{f: None for f in fields}})


def expect_renamed(before, renames):
    """The snapshot that before becomes after the renames (old, new), in order. A rename
    changes the moved entry's ctime and its folders' mtime and ctime, so those are left
    out of the comparison."""
    records = dict(before)
    for old, new in renames:
        records = {_moved(rel, old, new): r for rel, r in records.items()}
        records[new] = _loosen(records[new], ["ctime_ns"])
        for parent in {_parent(old), _parent(new)}:
            if parent in records:
                records[parent] = _loosen(records[parent], ["mtime_ns", "ctime_ns"])
    return records


def compare_snapshots(expected, actual):
    """Lines describing every difference; empty when the snapshots agree."""
    problems = []
    for rel in sorted(expected.keys() - actual.keys()):
        problems.append(f"missing: {rel!r}")
    for rel in sorted(actual.keys() - expected.keys()):
        problems.append(f"unexpected entry: {rel!r}")
    for rel in sorted(expected.keys() & actual.keys()):
        want, got = expected[rel], actual[rel]
        for field, value in want.__dict__.items():
            if value is not None and value != getattr(got, field):
                problems.append(f"{rel!r}: {field} was {value!r}, now {getattr(got, field)!r}")
    return problems

"""One end-to-end case, as data."""

import re
from dataclasses import dataclass, field


@dataclass
class Case:
    """A run of the tool on fresh trees and everything it must produce.

    src, tgt: the trees of the two compared folders ({src}, {tgt}); around: further
    entries in the case folder ({root}) next to them. args: the command line, with
    placeholders. stdout: text (encoded with `encoding`, CR LF written out) or a bytes
    regex that must match the whole output. renames: (old, new) paths relative to the
    target root, in the order the tool makes them; the target tree must be unchanged
    apart from them, the source tree must be unchanged. cwd: the run's folder, relative
    to {root}. src_on_shm: the source tree lives on tmpfs (/dev/shm). exact_birth: files
    of phase 0 are born in one second and files of phase 1 in the next ({btime0},
    {btime1}). posix_only / wine_only: the reason the case means one build only.
    """

    name: str
    args: list
    src: dict = field(default_factory=dict)
    tgt: dict = field(default_factory=dict)
    around: dict = field(default_factory=dict)
    stdout: object = ""
    stderr: str = ""
    code: int = 0
    env: dict = field(default_factory=dict)
    renames: list = field(default_factory=list)
    cwd: str = ""
    encoding: str = "utf-8"
    src_on_shm: bool = False
    exact_birth: bool = False
    posix_only: str = ""
    wine_only: str = ""

    def expects_pattern(self):
        return isinstance(self.stdout, re.Pattern)


def crlf(*lines):
    """Lines as the tool writes them to a pipe: each ended by CR LF."""
    return "".join(line + "\r\n" for line in lines)


def named(prefix, cases):
    """Prefixes the names of a module's cases with the module's topic."""
    for case in cases:
        case.name = f"{prefix}.{case.name}"
    return cases

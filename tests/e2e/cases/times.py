"""Last-write times (whole seconds, and the 2-second tolerance between roots on file
systems of different types) and creation times (/t). Creation times cannot be set, so
the creation-time cases create files in two consecutive seconds: phase-0 files are born
in the first ({btime0}), phase-1 files in the next ({btime1})."""

from harness.case import Case, crlf, named
from harness.trees import DEFAULT_MTIME, F

FOLDERS = ["{src}", "{tgt}"]
NO_DIFFERENCES = crlf("No differences were found.")
T0 = DEFAULT_MTIME
TIME_LINE = "Different:   a.txt (Time)"
VOLUMES = "Wine shows one file system for the whole Z: drive"


def timed(name, src_mtime, tgt_mtime, differs, on_shm=False, args=()):
    """One file whose last-write times are the two given values."""
    kw = dict(src_on_shm=True, posix_only=VOLUMES) if on_shm else {}
    return Case(
        name,
        list(args) + FOLDERS,
        src={"a.txt": F(b"1", mtime=src_mtime)},
        tgt={"a.txt": F(b"1", mtime=tgt_mtime)},
        stdout=crlf(TIME_LINE) if differs else NO_DIFFERENCES,
        code=1 if differs else 0,
        **kw
    )


def born(name, args, stdout, code=1, src=None, tgt=None):
    """The target file is born one second after the source file."""
    return Case(
        name,
        args + FOLDERS,
        src=src or {"a.txt": F(b"1")},
        tgt=tgt or {"a.txt": F(b"1", phase=1)},
        stdout=stdout,
        code=code,
        exact_birth=True,
    )


LAST_WRITE = [
    timed("one_second_same_volume", T0, T0 + 1, True),
    timed("two_seconds_same_volume", T0, T0 + 2, True),
    timed("target_older_same_volume", T0 + 5, T0, True),
    timed("fraction_of_a_second_ignored", T0 + 0.9, T0, False),
    timed("fraction_across_a_second", T0 + 1.1, T0 + 0.9, True),
    timed("two_seconds_across_volumes", T0, T0 + 2, False, on_shm=True),
    timed("one_second_across_volumes", T0 + 1, T0, False, on_shm=True),
    timed("two_seconds_older_across_volumes", T0 + 2, T0, False, on_shm=True),
    timed("three_seconds_across_volumes", T0, T0 + 3, True, on_shm=True),
    timed("three_seconds_older_across_volumes", T0 + 3, T0, True, on_shm=True),
    timed("three_seconds_same_volume", T0, T0 + 3, True),
    Case(
        "tolerance_with_verbose_lines",
        ["/v"] + FOLDERS,
        src_on_shm=True,
        posix_only=VOLUMES,
        src={"a.txt": F(b"1", mtime=T0), "b.txt": F(b"1", mtime=T0)},
        tgt={"a.txt": F(b"1", mtime=T0 + 2), "b.txt": F(b"1", mtime=T0 + 4)},
        stdout=crlf(
            "Different:   b.txt (Time)", "             2020/09/13 12:26:40 - 2020/09/13 12:26:44"
        ),
        code=1,
    ),
    Case(
        "local_time_follows_tz",
        ["/v"] + FOLDERS,
        env={"TZ": "JST-9"},
        src={"a.txt": F(b"1")},
        tgt={"a.txt": F(b"1", mtime=T0 + 3600)},
        stdout=crlf(TIME_LINE, "             2020/09/13 21:26:40 - 2020/09/13 22:26:40"),
        code=1,
    ),
    Case(
        "time_before_1970",
        ["/v"] + FOLDERS,
        src={"a.txt": F(b"1", mtime=-31536000)},
        tgt={"a.txt": F(b"1")},
        stdout=crlf(TIME_LINE, "             1969/01/01 00:00:00 - 2020/09/13 12:26:40"),
        code=1,
        posix_only="the Windows listing has no value for times before 1970",
    ),
    Case(
        "tolerance_does_not_touch_sizes",
        FOLDERS,
        src_on_shm=True,
        posix_only=VOLUMES,
        src={"a.txt": F(b"1", mtime=T0)},
        tgt={"a.txt": F(b"12", mtime=T0 + 1)},
        stdout=crlf("Different:   a.txt (Size)"),
        code=1,
    ),
    Case(
        "time_ignored_in_mode_c_across_volumes",
        ["/cc"] + FOLDERS,
        src_on_shm=True,
        posix_only=VOLUMES,
        src={"a.txt": F(b"1", mtime=T0)},
        tgt={"a.txt": F(b"1", mtime=T0 + 50)},
        stdout=NO_DIFFERENCES,
    ),
]

CREATION = [
    born("creation_time_equal", ["/t"], NO_DIFFERENCES, code=0, tgt={"a.txt": F(b"1")}),
    born("creation_time_differs", ["/t"], crlf("Different:   a.txt (Create Time)")),
    born("creation_time_ignored_without_t", [], NO_DIFFERENCES, code=0),
    born(
        "creation_time_verbose",
        ["/t", "/v"],
        crlf("Different:   a.txt (Create Time)", "             {btime0} - {btime1}"),
    ),
    born("creation_time_list", ["/t", "/l"], crlf("Createtime: a.txt")),
    born(
        "creation_and_write_time_list",
        ["/l", "/t"],
        crlf("Update: a.txt", "Createtime: a.txt"),
        tgt={"a.txt": F(b"1", phase=1, mtime=T0 + 60)},
    ),
    born(
        "source_born_later",
        ["/T", "/cf", "/v"],
        crlf("Different:   a.txt (Create Time)", "             {btime1} - {btime0}"),
        src={"a.txt": F(b"1", phase=1)},
        tgt={"a.txt": F(b"1")},
    ),
    born(
        "four_tags_in_order",
        ["/t", "/h", "/cf", "/v"],
        crlf(
            "Different:   a.bin (Size)(Time)(Create Time)(Attribute)",
            "             10 - 20",
            "             2020/09/13 12:26:43 - 2020/09/13 12:26:40",
            "             {btime0} - {btime1}",
            "             .H. - ...",
        ),
        src={"a.bin": F(size=10, mtime=T0 + 3, dos="0x2")},
        tgt={"a.bin": F(size=20, phase=1)},
    ),
]

CASES = named("times", LAST_WRITE + CREATION)

"""The normal, verbose and quiet forms: line shapes, folder headings and the empty lines
before them, value lines, working-folder lines, and the closing message."""

from harness.case import Case, crlf, named
from harness.trees import DEFAULT_MTIME, D, F

FOLDERS = ["{src}", "{tgt}"]
NO_DIFFERENCES = "No differences were found."
T0 = DEFAULT_MTIME  # 2020/09/13 12:26:40 in UTC


def sized(n, **kw):
    return F(size=n, **kw)


NORMAL = [
    Case(
        "typical_run",
        ["/s", "/v"] + FOLDERS,
        src={"readme.txt": F(b"same"), "docs/guide.txt": sized(1500), "docs/index.txt": F(b"i")},
        tgt={"readme.txt": F(b"same"), "docs/guide.txt": sized(123456), "docs/index.txt": F(b"i")},
        stdout=crlf("<docs>", "Different:   guide.txt (Size)", "             1,500 - 123,456"),
        code=1,
    ),
    Case(
        "no_differences",
        FOLDERS,
        src={"a.txt": F(b"1"), "sub/b.txt": F(b"2")},
        tgt={"a.txt": F(b"1"), "sub/b.txt": F(b"2")},
        stdout=crlf(NO_DIFFERENCES),
    ),
    Case("empty_roots", ["/s"] + FOLDERS, stdout=crlf(NO_DIFFERENCES)),
    Case(
        "root_lines_have_no_heading",
        FOLDERS,
        src={"a.txt": sized(1)},
        tgt={"a.txt": sized(2)},
        stdout=crlf("Different:   a.txt (Size)"),
        code=1,
    ),
    Case(
        "later_headings_get_an_empty_line",
        ["/s"] + FOLDERS,
        src={"r.txt": F(b"r"), "a/x.txt": F(b"x"), "a/b/f.txt": sized(1)},
        tgt={"a/b/f.txt": sized(2)},
        stdout=crlf(
            "Source Only: r.txt",
            "",
            "<a>",
            "Source Only: x.txt",
            "",
            "<a{sep}b>",
            "Different:   f.txt (Size)",
        ),
        code=1,
    ),
    Case(
        "first_heading_in_a_subfolder",
        ["/s"] + FOLDERS,
        src={"same.txt": F(b"s"), "a/eq.txt": F(b"e"), "b/f.txt": sized(1)},
        tgt={"same.txt": F(b"s"), "a/eq.txt": F(b"e"), "b/f.txt": sized(2)},
        stdout=crlf("<b>", "Different:   f.txt (Size)"),
        code=1,
    ),
    Case(
        "one_heading_per_level",
        ["/s"] + FOLDERS,
        src={"sub/a.txt": sized(1), "sub/b.txt": sized(1), "sub/c.txt": F(b"c")},
        tgt={"sub/a.txt": sized(2), "sub/b.txt": sized(2), "sub/d.txt": F(b"d")},
        stdout=crlf(
            "<sub>",
            "Different:   a.txt (Size)",
            "Different:   b.txt (Size)",
            "Source Only: c.txt",
            "Target Only: d.txt",
        ),
        code=1,
    ),
    Case(
        "equal_level_between_differing_ones",
        ["/s"] + FOLDERS,
        src={"r.txt": F(b"r"), "a/same.txt": F(b"s"), "b/y.txt": F(b"y")},
        tgt={"a/same.txt": F(b"s"), "b": D()},
        stdout=crlf("Source Only: r.txt", "", "<b>", "Source Only: y.txt"),
        code=1,
    ),
    Case(
        "folder_lines",
        ["/d"] + FOLDERS,
        src={"only_s": D(), "both": D()},
        tgt={"only_t": D(), "both": D()},
        stdout=crlf("Source Only: <DIR> only_s", "Target Only: <DIR> only_t"),
        code=1,
    ),
    Case(
        "names_printed_as_they_are",
        FOLDERS,
        src={"my file.txt": F(b"1"), "日本語 ファイル.txt": F(b"1"), "a{b}.txt": F(b"1")},
        stdout=crlf(
            "Source Only: a{b}.txt", "Source Only: my file.txt", "Source Only: 日本語 ファイル.txt"
        ),
        code=1,
    ),
    Case(
        "n_suppresses_closing_message",
        ["/n"] + FOLDERS,
        src={"a.txt": F(b"1")},
        tgt={"a.txt": F(b"1")},
    ),
    Case(
        "n_keeps_difference_lines",
        ["/N"] + FOLDERS,
        src={"a.txt": F(b"1")},
        stdout=crlf("Source Only: a.txt"),
        code=1,
    ),
]

VERBOSE = [
    Case(
        "verbose_name",
        ["/v"] + FOLDERS,
        src={"Readme.TXT": F(b"abc")},
        tgt={"readme.txt": F(b"abc")},
        stdout=crlf("Different:   Readme.TXT (Name)", "             Readme.TXT - readme.txt"),
        code=1,
    ),
    Case(
        "verbose_time",
        ["/v"] + FOLDERS,
        src={"a.txt": F(b"1")},
        tgt={"a.txt": F(b"1", mtime=T0 + 3)},
        stdout=crlf(
            "Different:   a.txt (Time)", "             2020/09/13 12:26:40 - 2020/09/13 12:26:43"
        ),
        code=1,
    ),
    Case(
        "verbose_all_file_tags",
        ["/ca", "/v"] + FOLDERS,
        src={"Data.bin": sized(10, mtime=4102444800, mode=0o444)},
        tgt={"data.bin": sized(1000, mtime=981173106)},
        stdout=crlf(
            "Different:   Data.bin (Name)(Size)(Time)(Attribute)",
            "             Data.bin - data.bin",
            "             10 - 1,000",
            "             2100/01/01 00:00:00 - 2001/02/03 04:05:06",
            "             R.. - ...",
        ),
        code=1,
    ),
    Case(
        "verbose_size_separators",
        ["/v"] + FOLDERS,
        src={
            "a": sized(999),
            "b": sized(0),
            "c": F(size=123456789, sparse=True),
            "d": F(size=9876543210, sparse=True),
        },
        tgt={"a": sized(1000), "b": sized(1000000), "c": sized(1), "d": sized(12)},
        stdout=crlf(
            "Different:   a (Size)",
            "             999 - 1,000",
            "Different:   b (Size)",
            "             0 - 1,000,000",
            "Different:   c (Size)",
            "             123,456,789 - 1",
            "Different:   d (Size)",
            "             9,876,543,210 - 12",
        ),
        code=1,
    ),
    Case(
        "verbose_folder_name",
        ["/d", "/v"] + FOLDERS,
        src={"Docs": D()},
        tgt={"docs": D()},
        stdout=crlf("Different:   <DIR> Docs (Name)", "             Docs - docs"),
        code=1,
    ),
    Case(
        "verbose_content_has_no_value_line",
        ["/ce", "/v"] + FOLDERS,
        src={"a.bin": F(b"abc")},
        tgt={"a.bin": F(b"abd")},
        stdout=crlf("Different:   a.bin (Content)"),
        code=1,
    ),
    Case(
        "verbose_content_and_time",
        ["/v", "/ce"] + FOLDERS,
        src={"a.bin": F(b"abc", mtime=T0 + 60)},
        tgt={"a.bin": F(b"abd")},
        stdout=crlf(
            "Different:   a.bin (Content)(Time)",
            "             2020/09/13 12:27:40 - 2020/09/13 12:26:40",
        ),
        code=1,
    ),
    Case(
        "verbose_one_sided_entries_have_no_value_lines",
        ["/v", "/d"] + FOLDERS,
        src={"a.txt": F(b"1"), "dir": D()},
        tgt={"b.txt": F(b"1")},
        stdout=crlf("Source Only: <DIR> dir", "Source Only: a.txt", "Target Only: b.txt"),
        code=1,
    ),
    Case(
        "verbose_in_subfolder",
        ["/v", "/s"] + FOLDERS,
        src={"x/y/z.txt": sized(1)},
        tgt={"x/y/z.txt": sized(22)},
        stdout=crlf("<x{sep}y>", "Different:   z.txt (Size)", "             1 - 22"),
        code=1,
    ),
]

QUIET = [
    Case(
        "quiet_without_fix_prints_nothing",
        ["/q", "/s"] + FOLDERS,
        src={"a.txt": sized(1), "sub/b.txt": F(b"b")},
        tgt={"a.txt": sized(2), "sub": D()},
        code=1,
    ),
    Case("quiet_no_differences", ["/q"] + FOLDERS, src={"a.txt": F(b"1")}, tgt={"a.txt": F(b"1")}),
    Case(
        "quiet_name_difference_without_fix",
        ["/q"] + FOLDERS,
        src={"A.txt": F(b"1")},
        tgt={"a.txt": F(b"1")},
        code=1,
    ),
]

WORKING_FOLDER = [
    Case(
        "working_folder_root_only",
        ["/w"] + FOLDERS,
        src={"sub/x.txt": sized(1)},
        tgt={"sub/x.txt": sized(2)},
        stdout=crlf("<.>", "", NO_DIFFERENCES),
    ),
    Case(
        "working_folder_levels",
        ["/s", "/w"] + FOLDERS,
        src={"r.txt": sized(1), "a/b/f.txt": sized(1), "a/x.txt": F(b"x"), "c": D()},
        tgt={"r.txt": sized(2), "a/b/f.txt": sized(2), "a/x.txt": F(b"x"), "c": D()},
        stdout=crlf(
            "<.>",
            "Different:   r.txt (Size)",
            "<a>",
            "<a{sep}b>",
            "Different:   f.txt (Size)",
            "<c>",
        ),
        code=1,
    ),
    Case(
        "working_folder_no_differences",
        ["/W", "/s"] + FOLDERS,
        src={"sub/deep/x.txt": F(b"1")},
        tgt={"sub/deep/x.txt": F(b"1")},
        stdout=crlf("<.>", "<sub>", "<sub{sep}deep>", "", NO_DIFFERENCES),
    ),
    Case("working_folder_with_n", ["/w", "/n"] + FOLDERS, stdout=crlf("<.>")),
    Case(
        "working_folder_verbose",
        ["/w", "/v", "/s"] + FOLDERS,
        src={"sub/x.txt": sized(1000)},
        tgt={"sub/x.txt": sized(2)},
        stdout=crlf("<.>", "<sub>", "Different:   x.txt (Size)", "             1,000 - 2"),
        code=1,
    ),
    Case(
        "working_folder_only_source_folders_entered",
        ["/w", "/s"] + FOLDERS,
        src={"s_only/x.txt": F(b"1"), "both/y.txt": F(b"1")},
        tgt={"t_only/x.txt": F(b"1"), "both/y.txt": F(b"1")},
        stdout=crlf("<.>", "Source Only: <DIR> s_only", "Target Only: <DIR> t_only", "<both>"),
        code=1,
    ),
]

CASES = named("output", NORMAL + VERBOSE + QUIET + WORKING_FOLDER)

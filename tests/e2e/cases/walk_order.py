"""Listing, name order, pairing and descent: which entries are seen, in which order they
are reported, and which folders are entered with /s and /d."""

from harness.case import Case, crlf, named
from harness.trees import D, F, L

FOLDERS = ["{src}", "{tgt}"]
NO_DIFFERENCES = crlf("No differences were found.")


def source_only(*names):
    return crlf(*("Source Only: " + n for n in names))


def files(*names):
    return {n: F(b"x") for n in names}


def many_entries():
    """1000 files on each side, half of them shared: pairing must stay one to one and in order."""
    src = {f"f{i:04}": F(b"x") for i in range(1000)}
    tgt = {f"f{i:04}": F(b"x") for i in range(500, 1500)}
    lines = [f"Source Only: f{i:04}" for i in range(500)] + [
        f"Target Only: f{i:04}" for i in range(1000, 1500)
    ]
    return Case("many_entries", FOLDERS, src=src, tgt=tgt, stdout=crlf(*lines), code=1)


def deep_tree():
    """Thirty levels of ten-character names: sub-paths far beyond 260 characters."""
    names = [f"level{i:02}abc" for i in range(30)]
    path = "/".join(names)
    return Case(
        "sub_path_beyond_260_characters",
        ["/s"] + FOLDERS,
        src={path + "/f.txt": F(b"1")},
        tgt={path + "/f.txt": F(b"22")},
        stdout=crlf("<" + "{sep}".join(names) + ">", "Different:   f.txt (Size)"),
        code=1,
    )


CASES = named(
    "walk",
    [
        Case(
            "pairing_and_descent_order",
            ["/s"] + FOLDERS,
            src={
                "alpha/in.txt": F(b"a"),
                "gamma/g.txt": F(b"g"),
                "x.txt": F(b"x"),
                "z.txt": F(b"z"),
            },
            tgt={"beta/in.txt": F(b"b"), "gamma": D(), "y.txt": F(b"y"), "z.txt": F(b"z")},
            stdout=crlf(
                "Source Only: <DIR> alpha",
                "Target Only: <DIR> beta",
                "Source Only: x.txt",
                "Target Only: y.txt",
                "",
                "<gamma>",
                "Source Only: g.txt",
            ),
            code=1,
        ),
        Case(
            "name_order",
            FOLDERS,
            src=files("Zeta", "alpha", "_under", "10", "beta", "~tmp"),
            stdout=source_only("10", "_under", "alpha", "beta", "Zeta", "~tmp"),
            code=1,
        ),
        Case(
            "prefix_sorts_first",
            FOLDERS,
            src=files("abcd", "abc.txt", "abc"),
            stdout=source_only("abc", "abc.txt", "abcd"),
            code=1,
        ),
        Case(
            "utf16_code_unit_order",
            FOLDERS,
            src=files("\uff21.txt", "\U0001f600.txt", "\u00e9.txt", "~.txt", "[x].txt"),
            stdout=source_only("[x].txt", "~.txt", "\u00e9.txt", "\U0001f600.txt", "\uff21.txt"),
            code=1,
        ),
        Case(
            "target_only_after_source_entries",
            FOLDERS,
            src=files("b", "d"),
            tgt=files("a", "c"),
            stdout=crlf("Source Only: b", "Source Only: d", "Target Only: a", "Target Only: c"),
            code=1,
        ),
        Case(
            "interleaved_pairs",
            FOLDERS,
            src=files("a", "c", "e", "g"),
            tgt=files("b", "c", "f", "g", "h"),
            stdout=crlf(
                "Source Only: a",
                "Source Only: e",
                "Target Only: b",
                "Target Only: f",
                "Target Only: h",
            ),
            code=1,
        ),
        Case(
            "ascii_case_pairs",
            FOLDERS,
            src=files("README"),
            tgt=files("readme"),
            stdout=crlf("Different:   README (Name)"),
            code=1,
        ),
        Case(
            "non_ascii_case_does_not_pair",
            FOLDERS,
            src=files("\u00c4rger.txt"),
            tgt=files("\u00e4rger.txt"),
            stdout=crlf("Source Only: \u00c4rger.txt", "Target Only: \u00e4rger.txt"),
            code=1,
        ),
        Case(
            "fullwidth_case_does_not_pair",
            FOLDERS,
            src=files("\uff21.txt"),
            tgt=files("\uff41.txt"),
            stdout=crlf("Source Only: \uff21.txt", "Target Only: \uff41.txt"),
            code=1,
        ),
        Case(
            "surplus_case_twins_source",
            ["/q"] + FOLDERS,
            src=files("a", "A"),
            tgt=files("a"),
            code=1,
        ),
        Case(
            "surplus_case_twins_target",
            ["/q", "/s"] + FOLDERS,
            src={"d": D()},
            tgt={"d": D(), "D": D()},
            code=1,
            posix_only="on Windows two names differing only in case cannot coexist",
        ),
        Case(
            "folder_case_differs_no_descent",
            ["/s"] + FOLDERS,
            src={"Foo/a.txt": F(b"1")},
            tgt={"foo/a.txt": F(b"22")},
            stdout=crlf("Different:   <DIR> Foo (Name)"),
            code=1,
            posix_only="Windows finds the target folder whatever the case of its name",
        ),
        Case(
            "non_ascii_case_folders_not_entered",
            ["/s"] + FOLDERS,
            src={"\u00c4rger/x": F(b"1")},
            tgt={"\u00e4rger/x": F(b"22")},
            stdout=crlf("Source Only: <DIR> \u00c4rger", "Target Only: <DIR> \u00e4rger"),
            code=1,
            posix_only="Windows finds the target folder whatever the case of its name",
        ),
        many_entries(),
        deep_tree(),
        Case(
            "files_and_folders_never_pair",
            ["/d"] + FOLDERS,
            src={"x": D()},
            tgt={"x": F(b"x")},
            stdout=crlf("Source Only: <DIR> x", "Target Only: x"),
            code=1,
        ),
        Case(
            "folder_against_file_is_entered",
            ["/s"] + FOLDERS,
            src={"x/a.txt": F(b"a"), "x/b.txt": F(b"b"), "x/deeper/c.txt": F(b"c")},
            tgt={"x": F(b"file")},
            stdout=crlf(
                "Source Only: <DIR> x",
                "Target Only: x",
                "",
                "<x>",
                "Source Only: <DIR> deeper",
                "Source Only: a.txt",
                "Source Only: b.txt",
            ),
            code=1,
        ),
        Case(
            "three_dot_folder_listed",
            ["/d", "/h"] + FOLDERS,
            src={"...": D(), "..x": D(), "a..": D()},
            stdout=crlf(
                "Source Only: <DIR> ...", "Source Only: <DIR> ..x", "Source Only: <DIR> a.."
            ),
            code=1,
        ),
        Case(
            "folders_ignored_without_s_or_d",
            FOLDERS,
            src={"only_s": D(), "same/x.txt": F(b"1")},
            tgt={"same/x.txt": F(b"22"), "only_t": D()},
            stdout=NO_DIFFERENCES,
        ),
        Case(
            "d_reports_folders_without_descent",
            ["/d"] + FOLDERS,
            src={"same/x.txt": F(b"1"), "only_s/y.txt": F(b"y")},
            tgt={"same/x.txt": F(b"22"), "only_t": D()},
            stdout=crlf("Source Only: <DIR> only_s", "Target Only: <DIR> only_t"),
            code=1,
        ),
        Case(
            "d_equal_folders_inner_ignored",
            ["/d"] + FOLDERS,
            src={"same/x.txt": F(b"1")},
            tgt={"same/x.txt": F(b"22")},
            stdout=NO_DIFFERENCES,
        ),
        Case(
            "target_only_folder_not_entered",
            ["/s"] + FOLDERS,
            tgt={"t/x.txt": F(b"x")},
            stdout=crlf("Target Only: <DIR> t"),
            code=1,
        ),
        Case(
            "source_only_folder_not_entered",
            ["/s"] + FOLDERS,
            src={"s/x.txt": F(b"x")},
            stdout=crlf("Source Only: <DIR> s"),
            code=1,
        ),
        Case(
            "deep_descent",
            ["/s"] + FOLDERS,
            src={"a/b/c/d/f.txt": F(b"1")},
            tgt={"a/b/c/d/f.txt": F(b"22")},
            stdout=crlf("<a{sep}b{sep}c{sep}d>", "Different:   f.txt (Size)"),
            code=1,
        ),
        Case(
            "descent_in_name_order",
            ["/s"] + FOLDERS,
            src={"b/x": F(b"1"), "a/x": F(b"1"), "C/x": F(b"1")},
            tgt={"a/x": F(b"22"), "b/x": F(b"22"), "C/x": F(b"22")},
            stdout=crlf(
                "<a>",
                "Different:   x (Size)",
                "",
                "<b>",
                "Different:   x (Size)",
                "",
                "<C>",
                "Different:   x (Size)",
            ),
            code=1,
        ),
        Case(
            "level_finished_before_descent",
            ["/s"] + FOLDERS,
            src={"a/deep.txt": F(b"1"), "z.txt": F(b"1")},
            tgt={"a/deep.txt": F(b"22"), "z.txt": F(b"22")},
            stdout=crlf("Different:   z.txt (Size)", "", "<a>", "Different:   deep.txt (Size)"),
            code=1,
        ),
        Case(
            "hidden_and_system_left_out",
            ["/s"] + FOLDERS,
            src={
                ".hidden": F(b"h"),
                "vis.txt": F(b"v"),
                "dosh.txt": F(b"h", dos="0x2"),
                "sys.txt": F(b"s", dos="0x4"),
                ".hdir/x": F(b"x"),
                "hdir2": D(dos="0x2"),
            },
            tgt={"vis.txt": F(b"v")},
            stdout=NO_DIFFERENCES,
        ),
        Case(
            "hidden_and_system_included_with_h",
            ["/s", "/h"] + FOLDERS,
            src={
                ".hidden": F(b"h"),
                "vis.txt": F(b"v"),
                "dosh.txt": F(b"h", dos="0x2"),
                "sys.txt": F(b"s", dos="0x4"),
                ".hdir/x": F(b"x"),
            },
            tgt={"vis.txt": F(b"v")},
            stdout=crlf(
                "Source Only: <DIR> .hdir",
                "Source Only: .hidden",
                "Source Only: dosh.txt",
                "Source Only: sys.txt",
            ),
            code=1,
        ),
        Case(
            "hidden_target_only",
            ["/h"] + FOLDERS,
            tgt={".cache": F(b"c")},
            stdout=crlf("Target Only: .cache"),
            code=1,
        ),
        Case(
            "read_only_listed_without_h",
            FOLDERS,
            src={"ro.txt": F(b"r", mode=0o444)},
            stdout=source_only("ro.txt"),
            code=1,
        ),
        Case(
            "hidden_target_folder_still_entered",
            ["/s"] + FOLDERS,
            src={"data/f.txt": F(b"f"), "data/g.txt": F(b"g")},
            tgt={"data": D(dos="0x2"), "data/f.txt": F(b"f")},
            stdout=crlf("Source Only: <DIR> data", "", "<data>", "Source Only: g.txt"),
            code=1,
        ),
        Case(
            "hidden_source_folder_not_entered",
            ["/s"] + FOLDERS,
            src={"data": D(dos="0x2"), "data/g.txt": F(b"g")},
            tgt={"data": D()},
            stdout=crlf("Target Only: <DIR> data"),
            code=1,
        ),
        Case(
            "stored_attributes_override_dot_name",
            FOLDERS,
            src={".profile": F(b"p", dos="0x20")},
            stdout=source_only(".profile"),
            code=1,
            posix_only="the stored attributes replace the dot-name rule of the POSIX build",
        ),
        Case(
            "names_that_are_not_utf8",
            FOLDERS,
            src={"caf\udce9.txt": F(b"1"), "plain.txt": F(b"1"), "both\udcff.txt": F(b"1")},
            tgt={"plain.txt": F(b"1"), "both\udcff.txt": F(b"12")},
            stdout=crlf("Different:   both\udcff.txt (Size)", "Source Only: caf\udce9.txt"),
            code=1,
            posix_only="names that are not UTF-8 exist on POSIX only",
        ),
        Case(
            "folder_not_utf8_entered",
            ["/s"] + FOLDERS,
            src={"d\udce9/x": F(b"1")},
            tgt={"d\udce9/x": F(b"22")},
            stdout=crlf("<d\udce9>", "Different:   x (Size)"),
            code=1,
            posix_only="names that are not UTF-8 exist on POSIX only",
        ),
        Case(
            "links_listed_as_what_they_point_to",
            ["/s", "/ce"] + FOLDERS,
            src={
                "real.txt": F(b"abc"),
                "link.txt": L("real.txt"),
                "realdir/a.txt": F(b"1"),
                "dirlink": L("realdir"),
            },
            tgt={
                "real.txt": F(b"abc"),
                "link.txt": F(b"abc"),
                "realdir/a.txt": F(b"1"),
                "dirlink/a.txt": F(b"1"),
            },
            stdout=NO_DIFFERENCES,
        ),
        Case(
            "dangling_link_is_a_file",
            ["/d"] + FOLDERS,
            src={"dead": L("nowhere")},
            stdout=source_only("dead"),
            code=1,
            posix_only="Wine does not list dangling links alike",
        ),
    ],
)

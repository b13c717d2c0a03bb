"""The name fix (/f): target entries whose names differ from their source partners only in
the case of A-Z are renamed to the source spelling. The harness checks every rename on
disk, and that nothing else in either tree changed."""

from harness.case import Case, crlf, named
from harness.trees import D, F

FOLDERS = ["/f", "{src}", "{tgt}"]
NO_DIFFERENCES = "No differences were found."
ERROR_LINE = "             ###Error###"
NESTED_SRC = {"Docs/Readme.TXT": F(b"1"), "A.txt": F(b"1")}
NESTED_TGT = {"docs/readme.txt": F(b"1"), "a.txt": F(b"1")}
NESTED_RENAMES = [("docs", "Docs"), ("a.txt", "A.txt"), ("Docs/readme.txt", "Docs/Readme.TXT")]
LOCKED_SRC = {"locked/Readme.TXT": F(b"abc")}
LOCKED_TGT = {"locked": D(immutable=True), "locked/readme.txt": F(b"abc")}

CASES = named(
    "fix",
    [
        Case(
            "file_renamed",
            FOLDERS,
            src={"Readme.TXT": F(b"abc")},
            tgt={"readme.txt": F(b"abc")},
            stdout=crlf("*Rename:     readme.txt -> Readme.TXT", "", NO_DIFFERENCES),
            renames=[("readme.txt", "Readme.TXT")],
        ),
        Case(
            "wine_case_only_rename_kept_old_name",
            FOLDERS,
            src={"Readme.TXT": F(b"abc")},
            tgt={"readme.txt": F(b"abc")},
            stdout=crlf(
                "*Rename:     readme.txt -> Readme.TXT",
                "             ###Error###",
                "",
                NO_DIFFERENCES,
            ),
            wine_only="a rename that reports success but keeps the old spelling is a Wine trait",
        ),
        Case(
            "folder_renamed_with_d",
            FOLDERS + ["/d"],
            src={"Docs": D()},
            tgt={"docs/keep.txt": F(b"k")},
            stdout=crlf("*Rename:     <DIR> docs -> Docs", "", NO_DIFFERENCES),
            renames=[("docs", "Docs")],
        ),
        Case(
            "folder_renamed_then_entered",
            FOLDERS + ["/s"],
            src={"Foo/a.txt": F(b"1")},
            tgt={"foo/a.txt": F(b"22")},
            stdout=crlf("*Rename:     <DIR> foo -> Foo", "", "<Foo>", "Different:   a.txt (Size)"),
            code=1,
            renames=[("foo", "Foo")],
        ),
        Case(
            "renames_at_every_level",
            FOLDERS + ["/s"],
            src=NESTED_SRC,
            tgt=NESTED_TGT,
            stdout=crlf(
                "*Rename:     <DIR> docs -> Docs",
                "*Rename:     a.txt -> A.txt",
                "",
                "<Docs>",
                "*Rename:     readme.txt -> Readme.TXT",
                "",
                NO_DIFFERENCES,
            ),
            renames=NESTED_RENAMES,
        ),
        Case(
            "quiet_renames_with_sub_paths",
            FOLDERS + ["/s", "/q"],
            src=NESTED_SRC,
            tgt=NESTED_TGT,
            stdout=crlf(
                "*Rename Dir: docs -> Docs",
                "*Rename: a.txt -> A.txt",
                "*Rename: Docs{sep}readme.txt -> Readme.TXT",
            ),
            renames=NESTED_RENAMES,
        ),
        Case(
            "quiet_folder_rename_in_subfolder",
            FOLDERS + ["/s", "/q"],
            src={"top/Sub/x": F(b"x")},
            tgt={"top/sub/x": F(b"x")},
            stdout=crlf("*Rename Dir: top{sep}sub -> Sub"),
            renames=[("top/sub", "top/Sub")],
        ),
        Case(
            "quiet_shows_only_renames",
            FOLDERS + ["/q"],
            src={"Readme.TXT": F(b"1"), "new.txt": F(b"n")},
            tgt={"readme.txt": F(b"22")},
            stdout=crlf("*Rename: readme.txt -> Readme.TXT"),
            code=1,
            renames=[("readme.txt", "Readme.TXT")],
        ),
        Case(
            "rename_then_size_difference",
            FOLDERS + ["/v"],
            src={"Readme.TXT": F(b"abc")},
            tgt={"readme.txt": F(b"abcde")},
            stdout=crlf(
                "*Rename:     readme.txt -> Readme.TXT",
                "Different:   Readme.TXT (Size)",
                "             3 - 5",
            ),
            code=1,
            renames=[("readme.txt", "Readme.TXT")],
        ),
        Case(
            "rename_then_content_difference",
            FOLDERS + ["/cc"],
            src={"Readme.TXT": F(b"abc")},
            tgt={"readme.txt": F(b"abd")},
            stdout=crlf(
                "*Rename:     readme.txt -> Readme.TXT", "Different:   Readme.TXT (Content)"
            ),
            code=1,
            renames=[("readme.txt", "Readme.TXT")],
        ),
        Case(
            "rename_then_content_equal",
            FOLDERS + ["/cf"],
            src={"Readme.TXT": F(b"abc")},
            tgt={"readme.txt": F(b"abc")},
            stdout=crlf("*Rename:     readme.txt -> Readme.TXT", "", NO_DIFFERENCES),
            renames=[("readme.txt", "Readme.TXT")],
        ),
        Case(
            "folder_rename_then_attribute",
            FOLDERS + ["/d", "/ca"],
            src={"Docs": D(mode=0o555)},
            tgt={"docs": D()},
            stdout=crlf("*Rename:     <DIR> docs -> Docs", "Different:   <DIR> Docs (Attribute)"),
            code=1,
            renames=[("docs", "Docs")],
        ),
        Case(
            "renames_under_working_folder",
            FOLDERS + ["/s", "/w"],
            src={"sub/A.txt": F(b"1")},
            tgt={"sub/a.txt": F(b"1")},
            stdout=crlf("<.>", "<sub>", "*Rename:     a.txt -> A.txt", "", NO_DIFFERENCES),
            renames=[("sub/a.txt", "sub/A.txt")],
        ),
        Case(
            "no_rename_for_non_ascii_case",
            FOLDERS,
            src={"\u00c4rger.txt": F(b"1")},
            tgt={"\u00e4rger.txt": F(b"1")},
            stdout=crlf("Source Only: \u00c4rger.txt", "Target Only: \u00e4rger.txt"),
            code=1,
        ),
        Case(
            "name_not_utf8_renamed",
            FOLDERS,
            src={"CAF\udce9.txt": F(b"1")},
            tgt={"caf\udce9.txt": F(b"1")},
            stdout=crlf("*Rename:     caf\udce9.txt -> CAF\udce9.txt", "", NO_DIFFERENCES),
            renames=[("caf\udce9.txt", "CAF\udce9.txt")],
            posix_only="names that are not UTF-8 exist on POSIX only",
        ),
        Case(
            "rename_fails_in_locked_folder",
            FOLDERS + ["/s"],
            src=LOCKED_SRC,
            tgt=LOCKED_TGT,
            stdout=crlf(
                "<locked>", "*Rename:     readme.txt -> Readme.TXT", ERROR_LINE, "", NO_DIFFERENCES
            ),
        ),
        Case(
            "rename_fails_quiet",
            FOLDERS + ["/s", "/q"],
            src=LOCKED_SRC,
            tgt=LOCKED_TGT,
            stdout=crlf("*Rename: locked{sep}readme.txt -> Readme.TXT", ERROR_LINE),
        ),
        Case(
            "rename_never_replaces",
            FOLDERS,
            src={"Readme.TXT": F(b"abc")},
            tgt={"readme.txt": F(b"abc"), "Readme.TXT/inside.txt": F(b"keep")},
            stdout=crlf("*Rename:     readme.txt -> Readme.TXT", ERROR_LINE, "", NO_DIFFERENCES),
            posix_only="on Windows two names differing only in case cannot coexist",
        ),
        Case(
            "failed_rename_then_size",
            FOLDERS + ["/v"],
            src={"Readme.TXT": F(b"abc")},
            tgt={"readme.txt": F(b"ab"), "Readme.TXT": D()},
            stdout=crlf(
                "*Rename:     readme.txt -> Readme.TXT",
                ERROR_LINE,
                "Different:   Readme.TXT (Size)",
                "             3 - 2",
            ),
            code=1,
            posix_only="on Windows two names differing only in case cannot coexist",
        ),
    ],
)

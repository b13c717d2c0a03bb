"""The list form (/l): one action line per finding, with the path relative to the roots,
no headings, no empty lines and no closing message."""

from harness.case import Case, crlf, named
from harness.trees import DEFAULT_MTIME, D, F

FOLDERS = ["/l", "{src}", "{tgt}"]

CASES = named(
    "list",
    [
        Case(
            "root_entries",
            FOLDERS + ["/d"],
            src={"a.txt": F(b"1"), "b.txt": F(b"b"), "onlydir": D()},
            tgt={"a.txt": F(b"22"), "c.txt": F(b"c"), "tdir": D()},
            stdout=crlf(
                "Copy Dir: onlydir",
                "Delete Dir: tdir",
                "Update: a.txt",
                "Copy: b.txt",
                "Delete: c.txt",
            ),
            code=1,
        ),
        Case(
            "sub_paths",
            FOLDERS + ["/s"],
            src={
                "top.txt": F(b"t"),
                "sub/x.txt": F(b"x"),
                "sub/deep/d.txt": F(b"d"),
                "sub/in/a.txt": F(b"1"),
            },
            tgt={
                "top.txt": F(b"t"),
                "sub/in/a.txt": F(b"22"),
                "sub/y.txt": F(b"y"),
                "sub/gone": D(),
            },
            stdout=crlf(
                "Copy Dir: sub{sep}deep",
                "Delete Dir: sub{sep}gone",
                "Copy: sub{sep}x.txt",
                "Delete: sub{sep}y.txt",
                "Update: sub{sep}in{sep}a.txt",
            ),
            code=1,
        ),
        Case(
            "size_and_time_give_one_update",
            FOLDERS,
            src={"a.txt": F(b"1")},
            tgt={"a.txt": F(b"22", mtime=DEFAULT_MTIME + 9)},
            stdout=crlf("Update: a.txt"),
            code=1,
        ),
        Case(
            "time_only_is_update",
            FOLDERS,
            src={"a.txt": F(b"1", mtime=DEFAULT_MTIME + 1)},
            tgt={"a.txt": F(b"1")},
            stdout=crlf("Update: a.txt"),
            code=1,
        ),
        Case(
            "update_rename_attribute_order",
            FOLDERS + ["/ca"],
            src={"Readme.TXT": F(b"abc", mode=0o444)},
            tgt={"readme.txt": F(b"abcd")},
            stdout=crlf("Update: Readme.TXT", "Rename: Readme.TXT", "Attribute: Readme.TXT"),
            code=1,
        ),
        Case(
            "content_is_update",
            FOLDERS + ["/cc"],
            src={"a.bin": F(b"abc")},
            tgt={"a.bin": F(b"abd")},
            stdout=crlf("Update: a.bin"),
            code=1,
        ),
        Case(
            "folder_rename_and_attribute",
            FOLDERS + ["/d", "/ca"],
            src={"Docs": D(mode=0o555)},
            tgt={"docs": D()},
            stdout=crlf("Rename Dir: Docs", "Attribute Dir: Docs"),
            code=1,
        ),
        Case(
            "name_only_in_mode_n",
            FOLDERS + ["/cn"],
            src={"Readme": F(b"1")},
            tgt={"readme": F(b"22", mtime=DEFAULT_MTIME + 100)},
            stdout=crlf("Rename: Readme"),
            code=1,
        ),
        Case("no_closing_message", FOLDERS, src={"a.txt": F(b"1")}, tgt={"a.txt": F(b"1")}),
        Case(
            "with_working_folder",
            FOLDERS + ["/s", "/w"],
            src={"a.txt": F(b"1"), "sub/b.txt": F(b"b")},
            tgt={"a.txt": F(b"22"), "sub": D()},
            stdout=crlf("<.>", "Update: a.txt", "<sub>", "Copy: sub{sep}b.txt"),
            code=1,
        ),
        Case(
            "no_separation_between_levels",
            FOLDERS + ["/s"],
            src={"a.txt": F(b"1"), "sub/b.txt": F(b"b")},
            tgt={"sub": D()},
            stdout=crlf("Copy: a.txt", "Copy: sub{sep}b.txt"),
            code=1,
        ),
    ],
)

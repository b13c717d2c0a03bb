"""The end of a run: the pause prompt (/p) and the exit code. The harness runs the tool
with no standard input and without a controlling terminal, so a pause must print its
prompt and end at once instead of waiting for a key."""

from harness.case import Case, crlf, named
from harness.trees import D, F

FOLDERS = ["{src}", "{tgt}"]
PROMPT = "\x07\r\nDiffernces were found. Press any key to continue.\r\n"
ONE_DIFFERENCE = dict(src={"a.txt": F(b"1")}, tgt={}, code=1)

CASES = named(
    "end",
    [
        Case(
            "pause_after_differences",
            ["/p"] + FOLDERS,
            stdout=crlf("Source Only: a.txt") + PROMPT,
            **ONE_DIFFERENCE
        ),
        Case("pause_with_quiet", ["/p", "/q"] + FOLDERS, stdout=PROMPT, **ONE_DIFFERENCE),
        Case(
            "pause_with_list",
            ["/l", "/p"] + FOLDERS,
            stdout=crlf("Copy: a.txt") + PROMPT,
            **ONE_DIFFERENCE
        ),
        Case(
            "pause_with_n",
            ["/n", "/P"] + FOLDERS,
            stdout=crlf("Source Only: a.txt") + PROMPT,
            **ONE_DIFFERENCE
        ),
        Case(
            "pause_after_verbose_lines",
            ["/p", "/v", "/s"] + FOLDERS,
            src={"d/a.txt": F(b"1")},
            tgt={"d/a.txt": F(b"22")},
            stdout=crlf("<d>", "Different:   a.txt (Size)", "             1 - 2") + PROMPT,
            code=1,
        ),
        Case(
            "no_pause_without_differences",
            ["/p"] + FOLDERS,
            src={"a.txt": F(b"1")},
            tgt={"a.txt": F(b"1")},
            stdout=crlf("No differences were found."),
        ),
        Case(
            "no_pause_after_renames_only",
            ["/p", "/f"] + FOLDERS,
            src={"A.txt": F(b"1")},
            tgt={"a.txt": F(b"1")},
            stdout=crlf("*Rename:     a.txt -> A.txt", "", "No differences were found."),
            renames=[("a.txt", "A.txt")],
        ),
        Case(
            "difference_found_deep_gives_1",
            ["/s", "/n"] + FOLDERS,
            src={"a/b/c/x": F(b"1"), "top": F(b"t")},
            tgt={"a/b/c/x": F(b"1", mtime=1), "top": F(b"t")},
            stdout=crlf("<a{sep}b{sep}c>", "Different:   x (Time)"),
            code=1,
        ),
        Case("target_only_folder_gives_1", ["/d", "/q"] + FOLDERS, tgt={"t": D()}, code=1),
        Case(
            "hidden_differences_alone_give_0",
            ["/q"] + FOLDERS,
            src={".h": F(b"1")},
            tgt={".h": F(b"22")},
        ),
    ],
)

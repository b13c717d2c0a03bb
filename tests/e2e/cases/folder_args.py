"""The two folder arguments: existence, the folder test, relative and odd spellings, the
same-folder and overlap checks, and absolute paths that begin with "/"."""

from harness.case import Case, crlf, named
from harness.trees import F, L

NOT_FOUND = " - Folder was not found."
NOT_A_FOLDER = " - Not a folder."
SAME = "Same folder was specified."
OVERLAPPED = "Overlapped folder was specified."
NO_DIFFERENCES = crlf("No differences were found.")
LINKS_RESOLVED = "only the POSIX build resolves symbolic links in folder arguments"
SLASH_PATHS = "absolute paths starting with / exist on POSIX only"

# One file on each side, so that the output shows which two folders were compared.
ONE_EACH = dict(
    src={"a.txt": F(b"1")},
    tgt={"b.txt": F(b"2")},
    stdout=crlf("Source Only: a.txt", "Target Only: b.txt"),
    code=1,
)
FILE_AROUND = {"file.txt": F(b"data")}


def error(name, args, line, **kw):
    return Case(name, args, stderr=crlf(line), **kw)


CASES = named(
    "folders",
    [
        error(
            "missing_source_absolute",
            ["{root}{sep}nosuch", "{tgt}"],
            "{root}{sep}nosuch" + NOT_FOUND,
        ),
        error("missing_source_relative", ["nosuch", "tgt"], "nosuch" + NOT_FOUND),
        error("missing_target", ["{src}", "{root}{sep}gone"], "{root}{sep}gone" + NOT_FOUND),
        error(
            "missing_inside_existing", ["{src}{sep}deeper", "{tgt}"], "{src}{sep}deeper" + NOT_FOUND
        ),
        error(
            "file_as_source",
            ["{root}{sep}file.txt", "{tgt}"],
            "{root}{sep}file.txt" + NOT_A_FOLDER,
            around=FILE_AROUND,
        ),
        error(
            "file_as_target_relative",
            ["{src}", "file.txt"],
            "file.txt" + NOT_A_FOLDER,
            around=FILE_AROUND,
        ),
        error(
            "file_checked_before_later_error",
            ["file.txt", "/zz"],
            "file.txt" + NOT_A_FOLDER,
            around=FILE_AROUND,
        ),
        error(
            "link_to_file_as_folder",
            ["flink", "{tgt}"],
            "flink" + NOT_A_FOLDER,
            around={"file.txt": F(b"data"), "flink": L("file.txt")},
        ),
        # A dangling link has attributes of its own, and they carry no folder bit.
        error(
            "dangling_link_as_folder",
            ["dead", "{tgt}"],
            "dead" + NOT_A_FOLDER,
            around={"dead": L("nowhere")},
            posix_only="Wine does not show dangling links alike",
        ),
        error("dash_name_missing", ["{src}", "-x"], "-x" + NOT_FOUND),
        error("long_missing_name", ["a" * 10000, "{tgt}"], "a" * 10000 + NOT_FOUND),
        error(
            "long_missing_path",
            ["{src}{sep}" + "c" * 9990, "{tgt}"],
            "{src}{sep}" + "c" * 9990 + NOT_FOUND,
        ),
        error(
            "long_slash_argument",
            ["/" + "b" * 9999, "{tgt}"],
            "/" + "b" * 9999 + " - Parameter is invalid.",
        ),
        error("non_ascii_missing", ["données", "{tgt}"], "données" + NOT_FOUND),
        error("japanese_missing", ["{src}", "比較先"], "比較先" + NOT_FOUND),
        error(
            "non_utf8_missing",
            [b"caf\xe9", "{tgt}"],
            "caf\udce9" + NOT_FOUND,
            posix_only="argument bytes that are not UTF-8 exist on POSIX only",
        ),
        Case("relative_folders", ["src", "tgt"], **ONE_EACH),
        Case("relative_from_inside_source", [".", "..{sep}tgt"], cwd="src", **ONE_EACH),
        Case(
            "dot_dot_chains",
            ["tgt{sep}..{sep}src", "src{sep}..{sep}tgt{sep}.{sep}..{sep}tgt"],
            **ONE_EACH
        ),
        Case("dot_step_in_absolute", ["{root}{sep}.{sep}src", "{tgt}"], **ONE_EACH),
        Case("trailing_separators", ["{src}{sep}", "{tgt}{sep}"], **ONE_EACH),
        Case(
            "japanese_folder_names",
            ["比較元", "比較先"],
            around={"比較元/a.txt": F(b"1"), "比較先/b.txt": F(b"2")},
            stdout=crlf("Source Only: a.txt", "Target Only: b.txt"),
            code=1,
        ),
        Case(
            "source_through_link",
            ["{root}{sep}srclink", "{tgt}"],
            around={"srclink": L("src")},
            **ONE_EACH
        ),
        Case(
            "link_resolved_in_printed_paths",
            ["/cc", "srclink", "{tgt}"],
            around={"srclink": L("src")},
            src={"dead": L("nowhere!")},
            tgt={"dead": F(b"12345678")},
            stdout=NO_DIFFERENCES,
            stderr=crlf("{src}{sep}dead - File was not able to open."),
            posix_only=LINKS_RESOLVED,
        ),
        error("same_folder", ["{src}", "{src}"], SAME),
        error("same_folder_trailing_separator", ["{src}", "{src}{sep}"], SAME),
        error("same_folder_dot_step", ["{src}", "{root}{sep}.{sep}src"], SAME),
        error("same_folder_dot_dot", ["{src}{sep}..{sep}src", "{src}"], SAME),
        error("same_folder_relative_and_absolute", ["src", "{src}"], SAME),
        error("same_folder_before_overlap", ["/s", "{tgt}", "{tgt}"], SAME),
        error(
            "same_folder_through_link",
            ["{root}{sep}srclink", "{src}"],
            SAME,
            around={"srclink": L("src")},
            posix_only=LINKS_RESOLVED,
        ),
        Case(
            "case_differs_distinct_folders",
            ["{src}", "{root}{sep}SRC"],
            src={"a.txt": F(b"1")},
            around={"SRC/b.txt": F(b"2")},
            stdout=crlf("Source Only: a.txt", "Target Only: b.txt"),
            code=1,
            posix_only="Windows names ignore letter case",
        ),
        error(
            "overlap_target_inside",
            ["/s", "{src}", "{src}{sep}inner"],
            OVERLAPPED,
            src={"inner/a.txt": F(b"1")},
        ),
        error(
            "overlap_source_inside",
            ["{src}{sep}inner", "/s", "{src}"],
            OVERLAPPED,
            src={"inner/a.txt": F(b"1")},
        ),
        error(
            "overlap_through_link",
            ["/s", "{root}{sep}link", "{src}{sep}inner"],
            OVERLAPPED,
            src={"inner/a.txt": F(b"1")},
            around={"link": L("src")},
            posix_only=LINKS_RESOLVED,
        ),
        Case(
            "nested_without_s",
            ["{src}", "{src}{sep}inner"],
            src={"a.txt": F(b"1"), "inner/a.txt": F(b"1")},
            stdout=NO_DIFFERENCES,
        ),
        Case(
            "common_prefix_is_no_overlap",
            ["/s", "{root}{sep}data", "{root}{sep}database"],
            around={"data/a.txt": F(b"1"), "database/a.txt": F(b"1")},
            stdout=NO_DIFFERENCES,
        ),
        error("slash_root_twice", ["/", "/"], SAME, posix_only=SLASH_PATHS),
        error("slash_root_overlaps", ["/s", "/", "{tgt}"], OVERLAPPED, posix_only=SLASH_PATHS),
        error("existing_top_level_folder", ["/dev", "/dev/."], SAME, posix_only=SLASH_PATHS),
        error(
            "missing_top_level_name",
            ["/nosuch-movra-e2e", "{tgt}"],
            "/nosuch-movra-e2e - Parameter is invalid.",
            posix_only=SLASH_PATHS,
        ),
        error(
            "missing_two_level_path",
            ["{src}", "/nosuch-movra-e2e/x"],
            "/nosuch-movra-e2e/x" + NOT_FOUND,
            posix_only=SLASH_PATHS,
        ),
        error(
            "slash_path_with_bad_character",
            ["/nosuch-movra-e2e/a|b", "{tgt}"],
            "/nosuch-movra-e2e/a|b - File name or folder name is invalid.",
            posix_only=SLASH_PATHS,
        ),
        error(
            "forward_slash_refused",
            ["{root}{sep}a/b", "{tgt}"],
            "{root}{sep}a/b - File name or folder name is invalid.",
            wine_only="the forward slash is a separator on POSIX",
        ),
    ],
)

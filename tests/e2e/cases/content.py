"""Compare modes and the byte comparison: which mode looks at what, the 65536-byte chunk
boundaries, and files that cannot be opened (dangling links are listed as files with
their own size, and opening them fails)."""

from harness.case import Case, crlf, named
from harness.trees import DEFAULT_MTIME, F, L

FOLDERS = ["{src}", "{tgt}"]
NO_DIFFERENCES = crlf("No differences were found.")
CHUNK = 65536
DANGLING = "Wine does not list dangling links alike"


def content_case(name, size, flip=None, mode="/cc"):
    """Two files of one size; with flip, the target's byte at that offset differs."""
    expected = NO_DIFFERENCES if flip is None else crlf("Different:   data.bin (Content)")
    return Case(
        name,
        [mode] + FOLDERS,
        src={"data.bin": F(size=size)},
        tgt={"data.bin": F(size=size, flip=flip)},
        stdout=expected,
        code=0 if flip is None else 1,
    )


MODES = [
    Case(
        "mode_d_ignores_content",
        FOLDERS,
        src={"a.bin": F(b"abc")},
        tgt={"a.bin": F(b"abd")},
        stdout=NO_DIFFERENCES,
    ),
    Case(
        "mode_c_content_not_time",
        ["/cc"] + FOLDERS,
        src={"a.bin": F(b"abc")},
        tgt={"a.bin": F(b"abd", mtime=DEFAULT_MTIME + 100)},
        stdout=crlf("Different:   a.bin (Content)"),
        code=1,
    ),
    Case(
        "mode_c_equal_content_other_time",
        ["/cc"] + FOLDERS,
        src={"a.bin": F(b"abc")},
        tgt={"a.bin": F(b"abc", mtime=DEFAULT_MTIME - 100)},
        stdout=NO_DIFFERENCES,
    ),
    Case(
        "mode_c_size_without_opening",
        ["/cc"] + FOLDERS,
        src={"f": L("nowhere")},
        tgt={"f": F(b"12345678")},
        stdout=crlf("Different:   f (Size)"),
        code=1,
        posix_only=DANGLING,
    ),
    Case(
        "mode_e_content_and_time",
        ["/ce"] + FOLDERS,
        src={"a.bin": F(b"abc", mtime=DEFAULT_MTIME + 7)},
        tgt={"a.bin": F(b"abd")},
        stdout=crlf("Different:   a.bin (Content)(Time)"),
        code=1,
    ),
    Case(
        "mode_e_upper_case_letter",
        ["/CE"] + FOLDERS,
        src={"a.bin": F(b"abc")},
        tgt={"a.bin": F(b"xbc")},
        stdout=crlf("Different:   a.bin (Content)"),
        code=1,
    ),
    Case(
        "mode_f_content_time_attribute",
        ["/cf"] + FOLDERS,
        src={"a.bin": F(b"abc", mode=0o444, mtime=DEFAULT_MTIME + 10)},
        tgt={"a.bin": F(b"abd")},
        stdout=crlf("Different:   a.bin (Content)(Time)(Attribute)"),
        code=1,
    ),
    Case(
        "mode_n_ignores_size_and_time",
        ["/cn"] + FOLDERS,
        src={"a": F(b"a")},
        tgt={"a": F(b"bbb", mtime=DEFAULT_MTIME + 100)},
        stdout=NO_DIFFERENCES,
    ),
    Case(
        "mode_n_ignores_attributes",
        ["/cn", "/h"] + FOLDERS,
        src={"a": F(b"a", mode=0o444, dos="0x7")},
        tgt={"a": F(b"a")},
        stdout=NO_DIFFERENCES,
    ),
    Case(
        "mode_n_name_only",
        ["/cn"] + FOLDERS,
        src={"Readme": F(b"a")},
        tgt={"readme": F(b"bb")},
        stdout=crlf("Different:   Readme (Name)"),
        code=1,
    ),
    Case(
        "size_before_content",
        ["/cc", "/v"] + FOLDERS,
        src={"a.bin": F(b"abc")},
        tgt={"a.bin": F(b"ab")},
        stdout=crlf("Different:   a.bin (Size)", "             3 - 2"),
        code=1,
    ),
]

BOUNDARIES = [
    content_case("empty_files_equal", 0),
    content_case("one_chunk_equal", CHUNK),
    content_case("one_chunk_first_byte", CHUNK, flip=0),
    content_case("one_chunk_last_byte", CHUNK, flip=CHUNK - 1),
    content_case("chunk_plus_one_last_byte", CHUNK + 1, flip=CHUNK),
    content_case("chunk_plus_one_equal", CHUNK + 1, mode="/ce"),
    content_case("two_chunks_equal", 2 * CHUNK, mode="/cf"),
    content_case("two_chunks_last_byte", 2 * CHUNK, flip=2 * CHUNK - 1, mode="/ce"),
    content_case("large_first_byte", 200000, flip=0),
    content_case("large_second_chunk", 200000, flip=CHUNK + 17),
    content_case("large_last_byte", 200000, flip=199999),
    Case(
        "many_files_each_judged",
        ["/cc"] + FOLDERS,
        src={"a": F(size=10), "b": F(size=CHUNK), "c": F(size=3), "d": F(b"")},
        tgt={"a": F(size=10, flip=9), "b": F(size=CHUNK), "c": F(size=3, flip=1), "d": F(b"")},
        stdout=crlf("Different:   a (Content)", "Different:   c (Content)"),
        code=1,
    ),
]

OPEN_FAILURES = [
    Case(
        "source_cannot_be_opened",
        ["/cc"] + FOLDERS,
        src={"dead": L("nowhere")},
        tgt={"dead": F(b"1234567")},
        stdout=NO_DIFFERENCES,
        stderr=crlf("{src}{sep}dead - File was not able to open."),
        posix_only=DANGLING,
    ),
    Case(
        "target_cannot_be_opened",
        ["/cc"] + FOLDERS,
        src={"dead": F(b"1234567")},
        tgt={"dead": L("nowhere")},
        stdout=NO_DIFFERENCES,
        stderr=crlf("{tgt}{sep}dead - File was not able to open."),
        posix_only=DANGLING,
    ),
    Case(
        "only_source_reported_when_both_fail",
        ["/cc"] + FOLDERS,
        src={"dead": L("nowhere")},
        tgt={"dead": L("nowhere")},
        stdout=NO_DIFFERENCES,
        stderr=crlf("{src}{sep}dead - File was not able to open."),
        posix_only=DANGLING,
    ),
    Case(
        "link_loop_cannot_be_opened",
        ["/cc"] + FOLDERS,
        src={"loop": L("loop")},
        tgt={"loop": F(b"1234")},
        stdout=NO_DIFFERENCES,
        stderr=crlf("{src}{sep}loop - File was not able to open."),
        posix_only=DANGLING,
    ),
    Case(
        "failure_does_not_stop_the_walk",
        ["/s", "/cc"] + FOLDERS,
        src={"sub/dead": L("nowhere"), "sub/z.txt": F(b"1")},
        tgt={"sub/dead": F(b"1234567"), "sub/z.txt": F(b"2")},
        stdout=crlf("<sub>", "Different:   z.txt (Content)"),
        code=1,
        stderr=crlf("{src}{sep}sub{sep}dead - File was not able to open."),
        posix_only=DANGLING,
    ),
]

CASES = named("content", MODES + BOUNDARIES + OPEN_FAILURES)

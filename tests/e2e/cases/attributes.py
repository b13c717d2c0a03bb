"""Attribute comparison (modes a and f): read-only from the owner's write permission,
hidden from a leading dot, and the stored DOS attributes (user.DOSATTRIB) that carry
hidden, system and read-only bits; every other bit is ignored."""

from harness.case import Case, crlf, named
from harness.trees import DEFAULT_MTIME, D, F, L

FOLDERS = ["{src}", "{tgt}"]
NO_DIFFERENCES = crlf("No differences were found.")
ATTRIBUTE_LINE = "Different:   a.txt (Attribute)"
MODE_BITS = "the POSIX build derives read-only from the owner's write permission"
STORED_READ_ONLY = "Wine takes the read-only bit from the file mode only"


def attribute_case(name, src, tgt, lines, args=("/ca", "/v"), **kw):
    """One file a.txt, described by the F arguments of each side."""
    return Case(
        name,
        list(args) + FOLDERS,
        src={"a.txt": F(b"1", **src)},
        tgt={"a.txt": F(b"1", **tgt)},
        stdout=crlf(*lines) if lines else NO_DIFFERENCES,
        code=1 if lines else 0,
        **kw
    )


CASES = named(
    "attributes",
    [
        attribute_case(
            "read_only_source", dict(mode=0o444), {}, [ATTRIBUTE_LINE, "             R.. - ..."]
        ),
        attribute_case(
            "read_only_target", {}, dict(mode=0o400), [ATTRIBUTE_LINE, "             ... - R.."]
        ),
        attribute_case("read_only_ignored_in_mode_d", dict(mode=0o444), {}, [], args=("/v",)),
        attribute_case("read_only_ignored_in_mode_e", dict(mode=0o444), {}, [], args=("/ce",)),
        attribute_case(
            "read_only_in_mode_f", dict(mode=0o444), {}, [ATTRIBUTE_LINE], args=("/cf",)
        ),
        attribute_case("both_read_only", dict(mode=0o444), dict(mode=0o555), []),
        attribute_case(
            "owner_write_decides",
            dict(mode=0o466),
            dict(mode=0o600),
            [ATTRIBUTE_LINE, "             R.. - ..."],
            posix_only=MODE_BITS,
        ),
        attribute_case("group_write_irrelevant", dict(mode=0o200), dict(mode=0o644), []),
        attribute_case("archive_bit_ignored", dict(dos="0x20"), {}, []),
        attribute_case(
            "stored_bits_replace_mode",
            dict(mode=0o444, dos="0x20"),
            {},
            [],
            args=("/ca",),
            posix_only=MODE_BITS,
        ),
        attribute_case(
            "stored_read_only",
            dict(dos="0x1"),
            {},
            [ATTRIBUTE_LINE, "             R.. - ..."],
            posix_only=STORED_READ_ONLY,
        ),
        Case(
            "hidden_and_system_with_h",
            ["/h", "/ca", "/v"] + FOLDERS,
            src={"h.txt": F(b"1", dos="0x2"), "s.txt": F(b"1", dos="0x4"), ".dot": F(b"1")},
            tgt={"h.txt": F(b"1"), "s.txt": F(b"1"), ".dot": F(b"1")},
            stdout=crlf(
                "Different:   h.txt (Attribute)",
                "             .H. - ...",
                "Different:   s.txt (Attribute)",
                "             ..S - ...",
            ),
            code=1,
        ),
        Case(
            "all_three_stored_bits",
            ["/h", "/ca", "/v"] + FOLDERS,
            src={"all.txt": F(b"1", dos="0x7")},
            tgt={"all.txt": F(b"1", mode=0o444)},
            stdout=crlf("Different:   all.txt (Attribute)", "             RHS - R.."),
            code=1,
            posix_only=STORED_READ_ONLY,
        ),
        Case(
            "hidden_only_on_one_side_without_h",
            ["/ca"] + FOLDERS,
            src={"h.txt": F(b"1", dos="0x2")},
            tgt={"h.txt": F(b"1")},
            stdout=crlf("Target Only: h.txt"),
            code=1,
        ),
        Case(
            "folder_attribute",
            ["/d", "/ca"] + FOLDERS,
            src={"d": D(mode=0o555)},
            tgt={"d": D()},
            stdout=crlf("Different:   <DIR> d (Attribute)"),
            code=1,
        ),
        Case(
            "folder_attribute_then_descent",
            ["/s", "/ca", "/v"] + FOLDERS,
            src={"d": D(mode=0o555), "d/x.txt": F(b"1")},
            tgt={"d/x.txt": F(b"22")},
            stdout=crlf(
                "Different:   <DIR> d (Attribute)",
                "             R.. - ...",
                "",
                "<d>",
                "Different:   x.txt (Size)",
                "             1 - 2",
            ),
            code=1,
        ),
        Case(
            "hidden_folder_attribute_with_h",
            ["/h", "/d", "/cf"] + FOLDERS,
            src={"d": D(dos="0x2")},
            tgt={"d": D()},
            stdout=crlf("Different:   <DIR> d (Attribute)"),
            code=1,
        ),
        Case(
            "folder_times_never_compared",
            ["/d", "/cf"] + FOLDERS,
            src={"d": D(mtime=DEFAULT_MTIME)},
            tgt={"d": D(mtime=DEFAULT_MTIME + 1000)},
            stdout=NO_DIFFERENCES,
        ),
        Case(
            "link_bit_ignored",
            ["/ca"] + FOLDERS,
            src={"l": L("real"), "real": F(b"x")},
            tgt={"l": F(b"x"), "real": F(b"x")},
            stdout=NO_DIFFERENCES,
        ),
    ],
)

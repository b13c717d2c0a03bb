"""Malformed and conflicting command lines, in English: one line on standard error,
nothing on standard output, exit code 0, and only the first error reported."""

from harness.case import Case, crlf, named
from harness.trees import F

INVALID = " - Parameter is invalid."
TOGETHER = " - Parameter is not able to use together."
MORE_THAN_ONE = "/c - Parameter is not able to use more than one."
NO_FOLDERS = "Compare source and target parameters are not specified."
NO_TARGET = "Compare target parameter is not specified."
TIME_WITHOUT_DATE = "/t - Parameter is not able to use without date/time compare."
INVALID_NAME = " - File name or folder name is invalid."
FOLDERS = ["{src}", "{tgt}"]


def error(name, args, line, **kw):
    return Case(name, args, stderr=crlf(line), **kw)


CASES = named(
    "cli",
    [
        error("no_arguments", [], NO_FOLDERS),
        error("empty_argument", [""], "Empty parameter is specified."),
        error("empty_argument_after_folders", FOLDERS + [""], "Empty parameter is specified."),
        error("empty_argument_before_bad_option", ["", "/zz"], "Empty parameter is specified."),
        error("mode_twice", ["/ca", "/cd"] + FOLDERS, MORE_THAN_ONE),
        error("mode_twice_same_letter", ["/cd", "/CD"] + FOLDERS, MORE_THAN_ONE),
        error("mode_repeat_found_before_bad_letter", ["/ca", "/cz"] + FOLDERS, MORE_THAN_ONE),
        error("bad_mode_letter_first", ["/cz", "/ca"] + FOLDERS, "/cz" + INVALID),
        error("bad_mode_letter_echoed_as_typed", ["/CZ"] + FOLDERS, "/CZ" + INVALID),
        error("mode_without_letter", ["/C"] + FOLDERS, "/C" + INVALID),
        error("mode_with_two_letters", ["/cab"] + FOLDERS, "/cab" + INVALID),
        error("unknown_option", FOLDERS + ["/x"], "/x" + INVALID),
        error("unknown_long_option", ["/sv"] + FOLDERS, "/sv" + INVALID),
        error("help_with_other_arguments", ["/?"] + FOLDERS, "/?" + INVALID),
        error("version_with_other_argument", ["/ver", "/s"], "/ver" + INVALID),
        error("void_after_folder", ["{src}", "/void"], "/void" + INVALID),
        error("help_twice", ["/?", "/?"], "/?" + INVALID),
        error(
            "third_folder_existing",
            FOLDERS + ["{root}{sep}other"],
            "{root}{sep}other" + INVALID,
            around={"other/keep.txt": F(b"x")},
        ),
        error("third_folder_missing", FOLDERS + ["nosuch"], "nosuch" + INVALID),
        error("third_folder_before_bad_option", FOLDERS + ["again", "/zz"], "again" + INVALID),
        error("name_with_less_than", ["{root}{sep}a<b", "{tgt}"], "{root}{sep}a<b" + INVALID_NAME),
        error("name_with_greater_than", ["src>x", "{tgt}"], "src>x" + INVALID_NAME),
        error("name_with_vertical_bar", ["{src}", "a|b"], "a|b" + INVALID_NAME),
        error("name_with_double_quote", ['a"b', "{tgt}"], 'a"b' + INVALID_NAME),
        error("d_with_s", ["/d", "/s"] + FOLDERS, "/d /s" + TOGETHER),
        error("d_with_s_reported_first", ["/l", "/f", "/s", "/d"] + FOLDERS, "/d /s" + TOGETHER),
        error("f_with_l", ["/F", "/L"] + FOLDERS, "/f /l" + TOGETHER),
        error("f_with_l_before_q_with_w", ["/w", "/q", "/l", "/f"] + FOLDERS, "/f /l" + TOGETHER),
        error("q_with_w", FOLDERS + ["/q", "/w"], "/q /w" + TOGETHER),
        error("q_with_w_before_l_with_q", ["/l", "/q", "/w"] + FOLDERS, "/q /w" + TOGETHER),
        error("l_with_q", ["/l", "/q"] + FOLDERS, "/l /q /v" + TOGETHER),
        error("l_with_v", ["/l", "/v"] + FOLDERS, "/l /q /v" + TOGETHER),
        error("q_with_v", ["/Q", "/V"] + FOLDERS, "/l /q /v" + TOGETHER),
        error("l_q_and_v", ["/v", "/q", "/l"] + FOLDERS, "/l /q /v" + TOGETHER),
        error("combination_before_missing_folders", ["/l", "/v"], "/l /q /v" + TOGETHER),
        error("options_without_folders", ["/s", "/v"], NO_FOLDERS),
        error("one_folder_only", ["{src}"], NO_TARGET),
        error("one_folder_and_options", ["/s", "{src}", "/v"], NO_TARGET),
        error("creation_time_with_mode_n", ["/t", "/cn"] + FOLDERS, TIME_WITHOUT_DATE),
        error("creation_time_with_mode_c", FOLDERS + ["/cc", "/T"], TIME_WITHOUT_DATE),
        error("creation_time_check_after_missing_target", ["/t", "/cn", "{src}"], NO_TARGET),
        error("dash_option_is_a_folder", ["-s"] + FOLDERS, "-s - Folder was not found."),
        error(
            "bad_option_after_missing_folder", ["nosuch", "/zz"], "nosuch - Folder was not found."
        ),
        error("bad_option_before_missing_folder", ["/zz", "nosuch"], "/zz" + INVALID),
        error("bad_option_after_good_folder", ["{src}", "/zz", "nosuch"], "/zz" + INVALID),
        error(
            "missing_target_before_combination",
            ["/d", "{src}", "nosuch", "/s"],
            "nosuch - Folder was not found.",
        ),
        Case(
            "switch_twice_accepted",
            ["/s", "/S"] + FOLDERS,
            stdout=crlf("No differences were found."),
        ),
        Case("n_with_q_accepted", ["/n", "/q"] + FOLDERS),
        Case(
            "creation_time_with_mode_a_accepted",
            ["/t", "/ca"] + FOLDERS,
            stdout=crlf("No differences were found."),
        ),
        Case(
            "creation_time_without_mode_accepted",
            FOLDERS + ["/t"],
            stdout=crlf("No differences were found."),
        ),
        Case(
            "creation_time_with_mode_e_accepted",
            ["/ce", "/t"] + FOLDERS,
            stdout=crlf("No differences were found."),
        ),
        Case(
            "creation_time_with_mode_f_accepted",
            ["/t", "/cF"] + FOLDERS,
            stdout=crlf("No differences were found."),
        ),
    ],
)

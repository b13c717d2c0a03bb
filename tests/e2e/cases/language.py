"""The single-argument forms (/?, /ver, /void), the Japanese messages, the choice of
language from the locale, and the byte encoding of redirected output."""

import re

from harness.case import Case, crlf, named
from harness.trees import F, L

HELP_EN = """Compare folders.

Movra [/cacdefn] [/f] [/h] [/d | /s] [/t] [/w] [/n] [/p] [/l | /q | /v] source destination
      /c Compare mode
         a name, size, date/time, attribute
         c name, size, content
         d name, size, date/time (default)
         e name, size, date/time, content
         f name, size, date/time, attribute, content
         n name
      /f Fix if name is different
      /h Include hidden and system attribute
      /d Comapre existence of folder also
      /s Include subfolders
      /t Include create time for time compare
      /w Display working folder
      /n No display when all compare matched
      /p Pause when differences found
      /l Display in list format
      /q No display
      /v Verbose

Returns exit code 1 if folder is different.
"""

HELP_JA = """フォルダを比較します。

Movra [/cacdefn] [/f] [/h] [/d | /s] [/t] [/w] [/n] [/p] [/l | /q | /v] 比較元フォルダ 比較先フォルダ
      /c 比較モード
         a 名前、サイズ、日時、属性
         c 名前、サイズ、内容
         d 名前、サイズ、日時（デフォルト）
         e 名前、サイズ、日時、内容
         f 名前、サイズ、日時、属性、内容
         n 名前
      /f 名前が異なる場合に修正する
      /h 隠し属性およびシステム属性も含める
      /d フォルダの有無も比較する
      /s サブフォルダも比較する
      /t 日時の比較で作成日時も含める
      /w 作業中のフォルダを表示する
      /n 全て一致したときの終了時の表示なし
      /p 異なったときの終了時に一時停止する
      /l リスト形式で表示する
      /q 表示なし
      /v 詳細表示

フォルダが異なる場合終了コード 1 を返します。
"""

BANNER = re.compile(
    rb"\r\n Movra 2\.01 64bit [^\r\n]+ - (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)"
    rb" {1,2}\d{1,2} \d{4} \d\d:\d\d:\d\d \r\n"
)

JA = {"LANG": "ja_JP.UTF-8"}
SJIS = {"LANG": "ja_JP.SJIS"}
FOLDERS = ["{src}", "{tgt}"]
NO_FOLDERS_EN = crlf("Compare source and target parameters are not specified.")
NO_FOLDERS_JA = crlf("比較元および比較先フォルダのパラメータが指定されていません。")
LOCALE = "Wine takes its code pages from its own locale tables"


def help_bytes(text):
    return text.replace("\n", "\r\n")


def ja(name, args, err="", **kw):
    """A Japanese UTF-8 run: LANG=ja_JP.UTF-8 gives code page 65001 and UI 1041."""
    return Case(name, args, stderr=err, env=JA, posix_only=LOCALE, **kw)


def locale_rule(name, env, expect_japanese, encoding="utf-8"):
    """Which language a locale environment selects, seen through the no-argument error."""
    err = NO_FOLDERS_JA if expect_japanese else NO_FOLDERS_EN
    return Case(name, [], stderr=err, env=env, encoding=encoding, posix_only=LOCALE)


SINGLE_ARGUMENT = [
    Case("help", ["/?"], stdout=help_bytes(HELP_EN)),
    Case("version", ["/ver"], stdout=BANNER),
    Case("version_upper_case", ["/VER"], stdout=BANNER),
    Case("void", ["/void"]),
    Case("void_mixed_case", ["/VoId"]),
    Case("help_japanese", ["/?"], stdout=help_bytes(HELP_JA), env=JA, posix_only=LOCALE),
    Case("version_japanese", ["/Ver"], stdout=BANNER, env=JA, posix_only=LOCALE),
    Case(
        "help_shift_jis",
        ["/?"],
        stdout=help_bytes(HELP_JA),
        env=SJIS,
        encoding="shift_jis",
        posix_only=LOCALE,
    ),
]

JAPANESE_MESSAGES = [
    ja("no_arguments", [], NO_FOLDERS_JA),
    ja("empty_argument", [""], crlf("空のパラメータが指定されています。")),
    ja("mode_twice", ["/ca", "/ce"] + FOLDERS, crlf("/c - パラメータは複数で使うことはできません。")),
    ja("unknown_option", ["/x"], crlf("/x - パラメータが正しくありません。")),
    ja("third_folder", FOLDERS + ["比較"], crlf("比較 - パラメータが正しくありません。")),
    ja("invalid_name", ["a|b"], crlf("a|b - ファイル名またはフォルダ名が正しくありません。")),
    ja("d_with_s", ["/d", "/s"], crlf("/d /s - パラメータは一緒に使うことはできません。")),
    ja("l_with_v", ["/l", "/v"], crlf("/l /q /v - パラメータは一緒に使うことはできません。")),
    ja("time_without_date", ["/t", "/cc"] + FOLDERS, crlf("/t - パラメータは日時の比較が指定されていないと使えません。")),
    ja("one_folder", ["{src}"], crlf("比較先フォルダのパラメータが指定されていません。")),
    ja("missing_folder", ["存在しない", "{tgt}"], crlf("存在しない - フォルダが見つかりませんでした。")),
    ja(
        "not_a_folder",
        ["file.txt", "{tgt}"],
        crlf("file.txt - フォルダではありません。"),
        around={"file.txt": F(b"x")},
    ),
    ja("same_folder", ["{src}", "src"], crlf("同じフォルダが指定されました。")),
    ja(
        "overlapped_folder",
        ["/s", "{src}", "{src}{sep}sub"],
        crlf("重なっているフォルダが指定されました。"),
        src={"sub/a.txt": F(b"1")},
    ),
    ja("closing_message", FOLDERS, stdout=crlf("違いは見つかりませんでした。")),
    ja(
        "report_labels_stay_english",
        FOLDERS,
        src={"資料.txt": F(b"1")},
        stdout=crlf("Source Only: 資料.txt"),
        code=1,
    ),
    ja(
        "pause_prompt",
        ["/p"] + FOLDERS,
        tgt={"a.txt": F(b"1")},
        stdout="Target Only: a.txt\r\n\x07\r\n違いが見つかりました。続けるには何かキーを押してください。\r\n",
        code=1,
    ),
    ja(
        "open_failure",
        ["/ce"] + FOLDERS,
        src={"dead": L("nowhere")},
        tgt={"dead": F(b"1234567")},
        stdout=crlf("違いは見つかりませんでした。"),
        err=crlf("{src}{sep}dead - ファイルを開けませんでした。"),
    ),
]

SHIFT_JIS = [
    Case(
        "sjis_no_arguments",
        [],
        stderr=NO_FOLDERS_JA,
        env=SJIS,
        encoding="shift_jis",
        posix_only=LOCALE,
    ),
    Case(
        "sjis_not_together",
        ["/f", "/l"],
        stderr=crlf("/f /l - パラメータは一緒に使うことはできません。"),
        env=SJIS,
        encoding="shift_jis",
        posix_only=LOCALE,
    ),
    Case(
        "sjis_names_and_unmappable",
        FOLDERS,
        src={"資料.txt": F(b"1"), "é.txt": F(b"2")},
        stdout=crlf("Source Only: ?.txt", "Source Only: 資料.txt"),
        code=1,
        env=SJIS,
        encoding="shift_jis",
        posix_only=LOCALE,
    ),
    Case(
        "sjis_closing_message",
        FOLDERS,
        stdout=crlf("違いは見つかりませんでした。"),
        env=SJIS,
        encoding="shift_jis",
        posix_only=LOCALE,
    ),
    Case(
        "ascii_locale_unmappable",
        FOLDERS,
        src={"é.txt": F(b"2")},
        stdout=crlf("Source Only: ?.txt"),
        code=1,
        env={"LANG": "C"},
        encoding="ascii",
        posix_only=LOCALE,
    ),
    Case(
        "euc_jp_locale_english_in_euc_jp",
        FOLDERS,
        src={"資料.txt": F(b"1")},
        stdout=crlf("Source Only: 資料.txt"),
        code=1,
        env={"LANG": "ja_JP.eucJP"},
        encoding="euc_jp",
        posix_only=LOCALE,
    ),
]

LOCALE_RULES = [
    locale_rule("lc_all_overrides_lang", {"LANG": "ja_JP.UTF-8", "LC_ALL": "C"}, False),
    locale_rule("lc_all_selects_japanese", {"LANG": "en_US.UTF-8", "LC_ALL": "ja_JP.utf8"}, True),
    locale_rule("empty_lc_all_ignored", {"LANG": "ja_JP.UTF-8", "LC_ALL": ""}, True),
    locale_rule(
        "lc_messages_english", {"LANG": "ja_JP.UTF-8", "LC_MESSAGES": "en_US.UTF-8"}, False
    ),
    locale_rule("lc_messages_japanese", {"LANG": "C.UTF-8", "LC_MESSAGES": "ja_JP.UTF-8"}, True),
    locale_rule(
        "lc_ctype_shift_jis", {"LANG": "ja_JP.UTF-8", "LC_CTYPE": "ja_JP.SJIS"}, True, "shift_jis"
    ),
    locale_rule("cp932_codeset", {"LANG": "ja_JP.CP932"}, True, "cp932"),
    locale_rule("windows_31j_codeset", {"LANG": "ja_JP.Windows-31J"}, True, "cp932"),
    locale_rule("shift_underscore_jis_codeset", {"LANG": "ja_JP.Shift_JIS"}, True, "shift_jis"),
    locale_rule("euc_jp_is_english", {"LANG": "ja_JP.EUC-JP"}, False),
    locale_rule("no_codeset_is_english", {"LANG": "ja_JP"}, False),
    locale_rule("no_locale_at_all", {"LANG": None}, False),
]

CASES = named("language", SINGLE_ARGUMENT + JAPANESE_MESSAGES + SHIFT_JIS + LOCALE_RULES)

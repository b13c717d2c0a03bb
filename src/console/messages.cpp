#include "console/messages.h"

#include "cli/run_settings.h"

namespace movra {
namespace {

constexpr std::u16string_view kHelpJapanese =
    u"フォルダを比較します。\n"
    u"\n"
    u"Movra [/cacdefn] [/f] [/h] [/d | /s] [/t] [/w] [/n] [/p] [/l | /q | /v] 比較元フォルダ "
    u"比較先フォルダ\n"
    u"      /c 比較モード\n"
    u"         a 名前、サイズ、日時、属性\n"
    u"         c 名前、サイズ、内容\n"
    u"         d 名前、サイズ、日時（デフォルト）\n"
    u"         e 名前、サイズ、日時、内容\n"
    u"         f 名前、サイズ、日時、属性、内容\n"
    u"         n 名前\n"
    u"      /f 名前が異なる場合に修正する\n"
    u"      /h 隠し属性およびシステム属性も含める\n"
    u"      /d フォルダの有無も比較する\n"
    u"      /s サブフォルダも比較する\n"
    u"      /t 日時の比較で作成日時も含める\n"
    u"      /w 作業中のフォルダを表示する\n"
    u"      /n 全て一致したときの終了時の表示なし\n"
    u"      /p 異なったときの終了時に一時停止する\n"
    u"      /l リスト形式で表示する\n"
    u"      /q 表示なし\n"
    u"      /v 詳細表示\n"
    u"\n"
    u"フォルダが異なる場合終了コード 1 を返します。\n";

constexpr std::u16string_view kHelpEnglish =
    u"Compare folders.\n"
    u"\n"
    u"Movra [/cacdefn] [/f] [/h] [/d | /s] [/t] [/w] [/n] [/p] [/l | /q | /v] source "
    u"destination\n"
    u"      /c Compare mode\n"
    u"         a name, size, date/time, attribute\n"
    u"         c name, size, content\n"
    u"         d name, size, date/time (default)\n"
    u"         e name, size, date/time, content\n"
    u"         f name, size, date/time, attribute, content\n"
    u"         n name\n"
    u"      /f Fix if name is different\n"
    u"      /h Include hidden and system attribute\n"
    u"      /d Comapre existence of folder also\n"
    u"      /s Include subfolders\n"
    u"      /t Include create time for time compare\n"
    u"      /w Display working folder\n"
    u"      /n No display when all compare matched\n"
    u"      /p Pause when differences found\n"
    u"      /l Display in list format\n"
    u"      /q No display\n"
    u"      /v Verbose\n"
    u"\n"
    u"Returns exit code 1 if folder is different.\n";

// In MessageId order.
constexpr MessagePair MessageCatalogue[] = {
    {{kHelpJapanese, kHelpEnglish}},
    {{u" - パラメータが正しくありません。", u" - Parameter is invalid."}},
    {{u"空のパラメータが指定されています。", u"Empty parameter is specified."}},
    {{u" - パラメータは一緒に使うことはできません。",
      u" - Parameter is not able to use together."}},
    {{u" - パラメータは複数で使うことはできません。",
      u" - Parameter is not able to use more than one."}},
    {{u"/t - パラメータは日時の比較が指定されていないと使えません。",
      u"/t - Parameter is not able to use without date/time compare."}},
    {{u"比較元および比較先フォルダのパラメータが指定されていません。",
      u"Compare source and target parameters are not specified."}},
    {{u"比較先フォルダのパラメータが指定されていません。",
      u"Compare target parameter is not specified."}},
    {{u" - ファイル名またはフォルダ名が正しくありません。",
      u" - File name or folder name is invalid."}},
    {{u" - フォルダではありません。", u" - Not a folder."}},
    {{u" - フォルダが見つかりませんでした。", u" - Folder was not found."}},
    {{u"同じフォルダが指定されました。", u"Same folder was specified."}},
    {{u"重なっているフォルダが指定されました。", u"Overlapped folder was specified."}},
    {{u" - ファイルを開けませんでした。", u" - File was not able to open."}},
    {{u"違いは見つかりませんでした。", u"No differences were found."}},
    {{u"\a\n違いが見つかりました。続けるには何かキーを押してください。",
      u"\a\nDiffernces were found. Press any key to continue."}},
    {{u" - フォルダを開けませんでした。", u" - Folder was not able to open."}},
};

static_assert(std::size(MessageCatalogue) == static_cast<std::size_t>(MessageId::count));

}  // namespace

std::u16string_view messageText(MessageId id) {
    const MessagePair& pair = MessageCatalogue[static_cast<std::size_t>(id)];
    return pair.text[runSettings().languageIndex == 0 ? 0 : 1];
}

}  // namespace movra

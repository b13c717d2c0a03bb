#include "console/console_writer.h"

#include <string>

#include "cli/run_settings.h"
#include "platform/platform.h"

namespace movra {
namespace {

constexpr std::uint32_t kCodePageUtf8 = 65001;
constexpr std::uint32_t kCodePageShiftJis = 932;
constexpr std::uint16_t kLanguageJapanese = 0x0411;

}  // namespace

void setUpConsole() {
    const ConsoleFacts facts = platform::queryConsole();
    RunSettings& settings = runSettings();
    settings.stdoutConsole = facts.stdoutIsConsole;
    settings.stderrConsole = facts.stderrIsConsole;
    const bool japaneseCodePage =
        facts.outputCodePage == kCodePageShiftJis || facts.outputCodePage == kCodePageUtf8;
    settings.languageIndex = (japaneseCodePage && facts.uiLanguage == kLanguageJapanese) ? 0 : 1;
    settings.redirectCodePage = facts.outputCodePage == kCodePageUtf8 ? kCodePageUtf8 : 0;
}

void writeText(std::u16string_view text, bool toStandardError, bool appendLineFeed) {
    const RunSettings& settings = runSettings();
    const StandardStream stream = toStandardError ? StandardStream::Error : StandardStream::Output;
    const bool console = toStandardError ? settings.stderrConsole : settings.stdoutConsole;

    // Each line goes out as one piece, so a console shows it with one write.
    static std::u16string line;
    line.assign(text);
    if (appendLineFeed) {
        line.push_back(u'\n');
    }
    if (console) {
        platform::writeConsole(stream, line);
    } else {
        platform::writeRedirected(stream, line, settings.redirectCodePage);
    }
}

}  // namespace movra

// Console set-up and the one way text leaves the process.
#pragma once

#include <string_view>

namespace movra {

// Reads whether each standard stream is a console, the console's output code page and
// the user's UI language, and fills stdoutConsole, stderrConsole, languageIndex
// (Japanese only for code page 932 or 65001 with a Japanese UI) and redirectCodePage
// (65001 when the console code page is 65001, else 0).
void setUpConsole();

// Writes `text`, plus one line feed when `appendLineFeed` is set, to standard error or
// standard output: straight to the console when the stream is one, otherwise converted
// to redirectCodePage. Write failures are ignored.
void writeText(std::u16string_view text, bool toStandardError, bool appendLineFeed);

}  // namespace movra

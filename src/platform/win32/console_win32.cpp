// Console detection and the two ways text leaves the process on Windows.
#include <windows.h>

#include <climits>
#include <cstdio>
#include <string>

#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

HANDLE standardHandle(StandardStream stream) {
    return GetStdHandle(stream == StandardStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
}

std::FILE* narrowStream(StandardStream stream) {
    return stream == StandardStream::Error ? stderr : stdout;
}

// GetConsoleMode fails on a file, a pipe, the null device and a missing handle alike,
// which is exactly the set of streams that must take the conversion path.
bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

ConsoleFacts queryConsole() {
    ConsoleFacts facts;
    facts.stdoutIsConsole = isConsole(GetStdHandle(STD_OUTPUT_HANDLE));
    facts.stderrIsConsole = isConsole(GetStdHandle(STD_ERROR_HANDLE));
    facts.outputCodePage = GetConsoleOutputCP();
    facts.uiLanguage = GetUserDefaultUILanguage();
    return facts;
}

void writeConsole(StandardStream stream, std::u16string_view text) {
    const std::wstring wide = toWide(text);
    // Lines are short; a text beyond a DWORD count would be cut, never overrun.
    const DWORD length = wide.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(wide.size());
    DWORD written = 0;
    WriteConsoleW(standardHandle(stream), wide.c_str(), length, &written, nullptr);
}

void writeRedirected(StandardStream stream, std::u16string_view text, std::uint32_t codePage) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return;
    }
    const std::wstring wide = toWide(text);
    const int length = static_cast<int>(wide.size());
    // Flags 0 and no default character: what the code page cannot represent becomes
    // the conversion's own default character ("?"), or its best-fit letter.
    const int size =
        WideCharToMultiByte(codePage, 0, wide.c_str(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const int converted = WideCharToMultiByte(codePage, 0, wide.c_str(), length, bytes.data(), size,
                                              nullptr, nullptr);
    if (converted <= 0) {
        return;
    }
    // stdout and stderr are text-mode streams: fwrite turns each LF into CR LF.
    std::fwrite(bytes.data(), 1, static_cast<std::size_t>(converted), narrowStream(stream));
}

void writeNarrowOutput(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void flushOutput() {
    std::fflush(stdout);
    std::fflush(stderr);
}

}  // namespace movra::win32

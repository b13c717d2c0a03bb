#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <stdio.h>
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <iterator>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

// Runs `write` with the process's standard output sent to a file; returns the file's bytes.
template <typename Write>
std::string capturedStdout(Write write) {
    testing::TempFolder temp;
    const std::wstring path = toWide(temp.at(u"out.bin"));
    fflush(stdout);
    const int saved = _dup(_fileno(stdout));
    int file = -1;
    _wsopen_s(&file, path.c_str(), _O_CREAT | _O_TRUNC | _O_WRONLY, _SH_DENYNO, _S_IWRITE);
    _dup2(file, _fileno(stdout));
    _close(file);
    write();
    fflush(stdout);
    _dup2(saved, _fileno(stdout));
    _close(saved);
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Win32Console, RedirectedTextIsConvertedAndEndsLinesWithCrLf) {
    const std::string bytes = capturedStdout([] {
        writeRedirected(StandardStream::Output, u"Source Only: \u00E4\u4E00\n", 65001);
        writeRedirected(StandardStream::Output, u"", 65001);
        writeRedirected(StandardStream::Output, u"\x07\nx\n", 0);
    });
    EXPECT_EQ(bytes, "Source Only: \xC3\xA4\xE4\xB8\x80\r\n\x07\r\nx\r\n");
}

TEST(Win32Console, NarrowOutputIsTextModeAndFlushed) {
    EXPECT_EQ(capturedStdout([] { writeNarrowOutput("\n Movra \n"); }), "\r\n Movra \r\n");
}

}  // namespace
}  // namespace movra::win32

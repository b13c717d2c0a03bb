#include "captured_output.h"

namespace movra::testing {
namespace {

std::u16string& standardOutput() {
    static std::u16string text;
    return text;
}

std::u16string& standardError() {
    static std::u16string text;
    return text;
}

void capture(StandardStream stream, std::u16string_view text) {
    (stream == StandardStream::Output ? standardOutput() : standardError()) += text;
}

}  // namespace

CapturedOutput::CapturedOutput() {
    runSettings() = RunSettings{};
    runSettings().languageIndex = 1;
    runSettings().sourceRoot = u"/src/";
    runSettings().targetRoot = u"/tgt/";
    clear();
    platformCalls().writeConsole = capture;
    platformCalls().writeRedirected = [](StandardStream s, std::u16string_view text,
                                         std::uint32_t) { capture(s, text); };
    platformCalls().flushOutput = [] {};
    // Redirected UTF-8 output in English, whatever the environment of the test run.
    platformCalls().queryConsole = [] { return ConsoleFacts{false, false, 65001, 1033}; };
}

CapturedOutput::~CapturedOutput() {
    runSettings() = RunSettings{};
}

const std::u16string& CapturedOutput::out() const {
    return standardOutput();
}
const std::u16string& CapturedOutput::err() const {
    return standardError();
}

void CapturedOutput::clear() {
    standardOutput().clear();
    standardError().clear();
}

FolderEntry fileEntry(std::u16string name, std::int64_t size, std::int64_t timeWrite,
                      std::uint32_t attrib) {
    FolderEntry entry;
    entry.attrib = attrib;
    entry.time_write = timeWrite;
    entry.time_create = timeWrite;
    entry.size = size;
    entry.name = std::move(name);
    return entry;
}

FolderEntry folderEntry(std::u16string name, std::uint32_t attrib) {
    FolderEntry entry;
    entry.attrib = attrib;
    entry.name = std::move(name);
    return entry;
}

}  // namespace movra::testing

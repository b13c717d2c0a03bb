#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace movra::fuzz {
namespace {

std::vector<std::u16string>& fakeFolders() {
    static std::vector<std::u16string> folders;
    return folders;
}

std::u16string withoutTrailingSeparator(std::u16string path) {
    while (path.size() > 1 && path.back() == u'/') {
        path.pop_back();
    }
    return path;
}

bool isFolder(const std::u16string& path) {
    const auto& folders = fakeFolders();
    return std::find(folders.begin(), folders.end(), withoutTrailingSeparator(path)) !=
           folders.end();
}

bool isFile(const std::u16string& path) {
    return path.find(u"file") != std::u16string::npos;
}

void capture(StandardStream stream, std::u16string_view text);

}  // namespace

std::u16string& capturedOutput() {
    static std::u16string text;
    return text;
}

std::u16string& capturedErrors() {
    static std::u16string text;
    return text;
}

int& errorWrites() {
    static int count = 0;
    return count;
}

void installFakePlatform(const std::vector<std::u16string>& folders) {
    fakeFolders() = folders;
    capturedOutput().clear();
    capturedErrors().clear();
    errorWrites() = 0;
    PlatformCalls& calls = platformCalls();
    calls.queryConsole = [] { return ConsoleFacts{false, false, 65001, 1033}; };
    calls.writeRedirected = [](StandardStream s, std::u16string_view text, std::uint32_t) {
        capture(s, text);
    };
    calls.writeConsole = capture;
    calls.writeNarrowOutput = [](std::string_view) {};
    calls.flushOutput = [] {};
    calls.fileAttributes = [](const std::u16string& p) -> std::optional<std::uint32_t> {
        if (isFolder(p)) {
            return kAttribDirectory;
        }
        return isFile(p) ? std::optional<std::uint32_t>(0x20) : std::nullopt;
    };
    calls.canListFolder = [](const std::u16string& p) { return isFolder(p); };
    calls.fullPath = [](const std::u16string& p) -> std::optional<std::u16string> {
        return p.empty() || p[0] != u'/' ? u"/work/" + p : p;
    };
    calls.fileSystemName = [](const std::u16string&) { return std::u16string(u"ext4"); };
    calls.isSameFolder = [](const std::u16string& a, const std::u16string& b) { return a == b; };
    calls.rootsOverlap = [](const std::u16string& a, const std::u16string& b) {
        const std::size_t n = std::min(a.size(), b.size());
        return a.compare(0, n, b, 0, n) == 0;
    };
    calls.pathExists = [](const std::u16string& p) { return isFolder(p) || isFile(p); };
}

namespace {

void capture(StandardStream stream, std::u16string_view text) {
    if (stream == StandardStream::Output) {
        capturedOutput() += text;
    } else {
        capturedErrors() += text;
        ++errorWrites();
    }
}

}  // namespace

std::vector<std::u16string> splitInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::u16string> parts(1);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0xFFFF) {
            parts.emplace_back();
        } else {
            parts.back() += unit;
        }
    }
    return parts;
}

void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace movra::fuzz

// Binary reading through CRT streams, so end of file is the stream's own indicator.
#include <stdio.h>

#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

FILE* streamOf(FileHandle file) {
    return reinterpret_cast<FILE*>(file.value);
}

}  // namespace

std::optional<FileHandle> openForRead(const std::u16string& path) {
    FILE* stream = nullptr;
    if (_wfopen_s(&stream, toWide(path).c_str(), L"rb") != 0 || stream == nullptr) {
        return std::nullopt;
    }
    return FileHandle{reinterpret_cast<std::intptr_t>(stream)};
}

ReadResult readFile(FileHandle file, void* buffer, std::size_t size) {
    FILE* stream = streamOf(file);
    ReadResult result;
    result.count = fread(buffer, 1, size, stream);
    result.endOfFile = feof(stream) != 0;
    result.failed = ferror(stream) != 0;
    return result;
}

void closeFile(FileHandle file) {
    fclose(streamOf(file));
}

}  // namespace movra::win32

#include "compare/content_comparer.h"

#include <cstring>

#include "console/console_writer.h"
#include "console/messages.h"
#include "platform/platform.h"

namespace movra {
namespace {

unsigned char sourceBuffer[kContentChunkSize];
unsigned char targetBuffer[kContentChunkSize];

void reportCannotOpen(const std::u16string& path) {
    std::u16string line = path;
    line += messageText(MessageId::msgCannotOpenFile);
    writeText(line, true, true);
}

enum class ChunkOutcome { Same, Different, ReadFailed };

// Compares the files chunk by chunk until either reaches its end or a chunk differs.
// A read error ends the comparison instead of spinning on a stream that makes no
// progress.
ChunkOutcome compareOpenFiles(FileHandle source, FileHandle target,
                              const std::u16string& sourcePath, const std::u16string& targetPath) {
    bool sourceAtEnd = false;
    bool targetAtEnd = false;
    while (!sourceAtEnd && !targetAtEnd) {
        const ReadResult s = platform::readFile(source, sourceBuffer, kContentChunkSize);
        if (s.failed) {
            reportCannotOpen(sourcePath);
            return ChunkOutcome::ReadFailed;
        }
        const ReadResult t = platform::readFile(target, targetBuffer, kContentChunkSize);
        if (t.failed) {
            reportCannotOpen(targetPath);
            return ChunkOutcome::ReadFailed;
        }
        if (s.count != t.count || std::memcmp(sourceBuffer, targetBuffer, s.count) != 0) {
            return ChunkOutcome::Different;
        }
        if (s.count == 0 && !s.endOfFile && !t.endOfFile) {
            return ChunkOutcome::Same;  // neither stream moves any more
        }
        sourceAtEnd = s.endOfFile;
        targetAtEnd = t.endOfFile;
    }
    return ChunkOutcome::Same;
}

}  // namespace

bool compareContents(const std::u16string& sourcePath, const std::u16string& targetPath) {
    const std::optional<FileHandle> source = platform::openForRead(sourcePath);
    if (!source) {
        reportCannotOpen(sourcePath);
        return true;
    }
    const std::optional<FileHandle> target = platform::openForRead(targetPath);
    if (!target) {
        reportCannotOpen(targetPath);
        platform::closeFile(*source);
        return true;
    }
    const ChunkOutcome outcome = compareOpenFiles(*source, *target, sourcePath, targetPath);
    platform::closeFile(*source);
    platform::closeFile(*target);
    return outcome != ChunkOutcome::Different;
}

}  // namespace movra

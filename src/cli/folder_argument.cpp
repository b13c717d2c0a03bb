#include "cli/folder_argument.h"

#include "console/messages.h"
#include "platform/platform.h"

namespace movra {
namespace {

FolderArgumentResult failure(const std::u16string& argument, MessageId id) {
    std::u16string line = argument;
    line += messageText(id);
    return FolderArgumentResult{{}, CommandLineError{std::move(line)}};
}

}  // namespace

FolderArgumentResult resolveFolderArgument(const std::u16string& argument) {
    const std::optional<std::uint32_t> attributes = platform::fileAttributes(argument);
    if (!attributes && !platform::canListFolder(argument)) {
        return failure(argument, MessageId::msgFolderNotFound);
    }
    std::optional<std::u16string> full = platform::fullPath(argument);
    if (attributes && (*attributes & kAttribDirectory) == 0) {
        return failure(argument, MessageId::msgNotAFolder);
    }
    if (!full) {
        // A path too long to resolve cannot be walked either.
        return failure(argument, MessageId::msgFolderNotFound);
    }
    full->push_back(pathRules().separator);
    return FolderArgumentResult{std::move(*full), std::nullopt};
}

void normalizeRoot(std::u16string& root) {
    const char16_t separator = pathRules().separator;
    const std::u16string doubled{separator, separator};
    const std::size_t pair = root.find(doubled);
    if (pair == std::u16string::npos) {
        return;
    }
    // Two backslashes at the start open a network path (\\server\share\) on Windows.
    // POSIX has no such form, so there "//" at the start is the root with its separator
    // appended.
    if (pair == 0 && separator == u'\\') {
        return;
    }
    root.erase(pair, 1);
}

}  // namespace movra

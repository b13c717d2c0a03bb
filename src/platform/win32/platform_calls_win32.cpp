// The platform table of the Windows build.
#include "platform/platform.h"
#include "platform/win32/win32_layer.h"

namespace movra {
namespace {

constexpr PlatformCalls kWin32Calls{
    .queryConsole = &win32::queryConsole,
    .writeConsole = &win32::writeConsole,
    .writeRedirected = &win32::writeRedirected,
    .writeNarrowOutput = &win32::writeNarrowOutput,
    .flushOutput = &win32::flushOutput,
    .fileAttributes = &win32::fileAttributes,
    .canListFolder = &win32::canListFolder,
    .fullPath = &win32::fullPath,
    .fileSystemName = &win32::fileSystemName,
    .isSameFolder = &win32::isSameFolder,
    .rootsOverlap = &win32::rootsOverlap,
    .listFolder = &win32::listFolder,
    .pathExists = &win32::pathExists,
    .folderIdentity = &win32::folderIdentity,
    .openForRead = &win32::openForRead,
    .readFile = &win32::readFile,
    .closeFile = &win32::closeFile,
    .renameEntry = &win32::renameEntry,
    .localTime = &win32::localTime,
    .readKeyCode = &win32::readKeyCode,
};

// Backslash separators; a leading "/" always starts an option, and "/" is refused in a
// folder path; a case-only rename leaves the target reachable by its old spelling.
constexpr PathRules kWin32PathRules{u'\\', false, true, false};

}  // namespace

PlatformCalls& platformCalls() {
    static PlatformCalls live = kWin32Calls;
    return live;
}

const PlatformCalls& realPlatformCalls() {
    return kWin32Calls;
}

const PathRules& pathRules() {
    return kWin32PathRules;
}

}  // namespace movra

// The platform table of the POSIX build.
#include "platform/platform.h"
#include "platform/posix/posix_calls.h"

namespace movra {
namespace {

constexpr PlatformCalls kRealCalls{
    posix::queryConsole,   posix::writeConsole,   posix::writeRedirected, posix::writeNarrowOutput,
    posix::flushOutput,    posix::fileAttributes, posix::canListFolder,   posix::fullPath,
    posix::fileSystemName, posix::isSameFolder,   posix::rootsOverlap,    posix::listFolder,
    posix::pathExists,     posix::folderIdentity, posix::openForRead,     posix::readFile,
    posix::closeFile,      posix::renameEntry,    posix::localTime,       posix::readKeyCode,
};

}  // namespace

PlatformCalls& platformCalls() {
    static PlatformCalls calls = kRealCalls;
    return calls;
}

const PlatformCalls& realPlatformCalls() {
    return kRealCalls;
}

const PathRules& pathRules() {
    static constexpr PathRules kRules{u'/', true, false, true};
    return kRules;
}

}  // namespace movra

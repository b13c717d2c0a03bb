// Questions about single paths: attributes, existence, identity, canonical form, and the
// file system that holds a folder.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "platform/posix/dos_attrib.h"
#include "platform/posix/entry_status.h"
#include "platform/posix/mountinfo.h"
#include "platform/posix/posix_calls.h"
#include "platform/posix/utf8_text.h"

namespace movra::posix {
namespace {

// The last component of `path`, without trailing slashes.
std::string_view lastComponent(std::string_view path) {
    while (path.size() > 1 && path.ends_with('/')) {
        path.remove_suffix(1);
    }
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The whole of a file that stat reports as empty (a /proc file), or "" when unreadable.
std::string readWholeFile(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    std::string text;
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            text.append(chunk, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(fd);
    return text;
}

// access() refuses a path longer than PATH_MAX as a whole, though what it names may well
// exist deep in a tree. Its folders are then opened a piece at a time, each piece shorter
// than the limit, and the rest is asked relative to the last of them. A single name longer
// than a piece can be names nothing.
bool existsInPieces(std::string_view path) {
    int fd = ::open(path.starts_with('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    while (fd >= 0) {
        path.remove_prefix(std::min(path.find_first_not_of('/'), path.size()));
        if (path.size() < PATH_MAX) {
            const bool exists = ::faccessat(fd, std::string(path).c_str(), F_OK, 0) == 0;
            ::close(fd);
            return exists;
        }
        const auto cut = path.rfind('/', PATH_MAX - 1);
        if (cut == std::string_view::npos) {
            ::close(fd);
            break;
        }
        const int next = ::openat(fd, std::string(path.substr(0, cut)).c_str(),
                                  O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
        path.remove_prefix(cut);
    }
    return false;
}

}  // namespace

std::optional<std::uint32_t> fileAttributes(const std::u16string& path) {
    const std::string bytes = utf8FromUtf16(path);
    EntryStatus status;
    if (statEntryAt(AT_FDCWD, bytes.c_str(), DT_UNKNOWN, status) != 0) {
        return std::nullopt;
    }
    std::uint32_t attrib = derivedAttributes(status, lastComponent(bytes));
    if (const auto dos = DosAttribReader().read(bytes.c_str(), status.linkResolved)) {
        attrib = withDosAttrib(attrib, *dos);
    }
    return attrib;
}

bool canListFolder(const std::u16string& path) {
    DIR* dir = ::opendir(utf8FromUtf16(path).c_str());
    if (dir == nullptr) {
        return false;
    }
    ::closedir(dir);
    return true;
}

std::optional<std::u16string> fullPath(const std::u16string& path) {
    // realpath's answer never ends in "/" except for the root itself.
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        ::realpath(utf8FromUtf16(path).c_str(), nullptr), &std::free);
    if (!resolved) {
        return std::nullopt;
    }
    return utf16FromUtf8(resolved.get());
}

std::u16string fileSystemName(const std::u16string& root) {
    const std::string mountinfo = readWholeFile("/proc/self/mountinfo");
    return utf16FromUtf8(fileSystemTypeFor(mountinfo, utf8FromUtf16(root)));
}

bool isSameFolder(const std::u16string& a, const std::u16string& b) {
    const auto identityA = folderIdentity(a);
    const auto identityB = folderIdentity(b);
    if (!identityA || !identityB) {
        return a == b;
    }
    return *identityA == *identityB;
}

bool rootsOverlap(const std::u16string& a, const std::u16string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    return a.compare(0, n, b, 0, n) == 0;
}

bool pathExists(const std::u16string& path) {
    const std::string bytes = utf8FromUtf16(path);
    if (::access(bytes.c_str(), F_OK) == 0) {
        return true;
    }
    return errno == ENAMETOOLONG && existsInPieces(bytes);
}

std::optional<FolderIdentity> folderIdentity(const std::u16string& path) {
    struct stat st;
    if (::stat(utf8FromUtf16(path).c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FolderIdentity{static_cast<std::uint64_t>(st.st_dev),
                          static_cast<std::uint64_t>(st.st_ino)};
}

}  // namespace movra::posix

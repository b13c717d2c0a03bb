// The name fix's rename: never replaces an existing entry, and still changes the letter
// case of a name on a case-insensitive file system.
#include "platform/posix/rename_posix.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/posix/posix_calls.h"
#include "platform/posix/utf8_text.h"

namespace movra::posix {
namespace {

bool sameEntry(const char* a, const char* b) {
    struct stat sa;
    struct stat sb;
    return ::lstat(a, &sa) == 0 && ::lstat(b, &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

int renameWithoutReplacing(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // The file system (some FUSE and network ones) or the kernel does not know
    // RENAME_NOREPLACE. A check of the new name before a plain rename keeps the rule that
    // nothing is replaced, short of a race with another process creating that name
    // between the two calls. (EINVAL also means moving a folder into itself; the plain
    // rename then fails the same way.)
    struct stat st;
    if (::lstat(to, &st) == 0) {
        return EEXIST;
    }
    return ::rename(from, to) == 0 ? 0 : errno;
}

int renameThroughTemporaryName(const char* folder, const char* from, const char* to) {
    // A hidden name that no other run in this process can hold at the same time.
    static unsigned counter = 0;
    std::string temporary;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        temporary = std::string(folder) + ".movra-rename-" + std::to_string(::getpid()) + "-" +
                    std::to_string(++counter);
        error = renameWithoutReplacing(from, temporary.c_str());
    }
    if (error != 0) {
        return error;
    }
    error = renameWithoutReplacing(temporary.c_str(), to);
    if (error != 0) {
        renameWithoutReplacing(temporary.c_str(), from);
    }
    return error;
}

bool renameEntry(const std::u16string& from, const std::u16string& to) {
    const std::string oldPath = utf8FromUtf16(from);
    const std::string newPath = utf8FromUtf16(to);
    const int error = renameWithoutReplacing(oldPath.c_str(), newPath.c_str());
    if (error != EEXIST || !sameEntry(oldPath.c_str(), newPath.c_str())) {
        return error == 0;
    }
    // Both names lead to one entry: a case-only rename on a case-insensitive file system.
    // A plain rename() would succeed without doing anything there (the kernel sees one
    // entry renamed onto itself), so the entry moves to a temporary name and from there
    // to the new spelling. Two hard links to one file on a case-sensitive file system also
    // land here; the second step then finds the new name taken, and nothing changes.
    return renameThroughTemporaryName(folderOf(oldPath).c_str(), oldPath.c_str(),
                                      newPath.c_str()) == 0;
}

}  // namespace movra::posix

#include "platform/posix/entry_status.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/platform.h"

namespace movra::posix {
namespace {

// Only what a listing needs; asking for less lets network and FUSE file systems answer
// from what they have at hand.
constexpr unsigned kStatxMask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_BTIME;

// statx can be missing under old kernels or refused by a seccomp filter (ENOSYS, EPERM);
// fstatat then answers everything but the birth time.
bool statxUnavailable = false;

int statWithFstatat(int dirFd, const char* name, int flags, EntryStatus& status) {
    struct stat st;
    if (::fstatat(dirFd, name, &st, flags) != 0) {
        return errno;
    }
    status.mode = st.st_mode;
    status.size = st.st_size;
    status.modified = st.st_mtim.tv_sec;
    status.created = -1;
    return 0;
}

int statOnce(int dirFd, const char* name, bool follow, EntryStatus& status) {
    // Automount points are reported as they stand instead of being mounted by the walk.
    const int flags = AT_NO_AUTOMOUNT | (follow ? 0 : AT_SYMLINK_NOFOLLOW);
    if (statxUnavailable) {
        return statWithFstatat(dirFd, name, flags, status);
    }
    struct statx stx;
    if (::statx(dirFd, name, flags, kStatxMask, &stx) != 0) {
        if (errno != ENOSYS && errno != EPERM) {
            return errno;
        }
        statxUnavailable = true;
        return statWithFstatat(dirFd, name, flags, status);
    }
    status.mode = stx.stx_mode;
    status.size = static_cast<std::int64_t>(stx.stx_size);
    status.modified = stx.stx_mtime.tv_sec;
    status.created = (stx.stx_mask & STATX_BTIME) != 0 ? stx.stx_btime.tv_sec : -1;
    return 0;
}

}  // namespace

int statEntryAt(int dirFd, const char* name, unsigned char knownType, EntryStatus& status) {
    status = EntryStatus{};
    if (knownType != DT_LNK) {
        const int error = statOnce(dirFd, name, false, status);
        if (error != 0 || !S_ISLNK(status.mode)) {
            return error;
        }
    }
    status.isLink = true;
    EntryStatus target;
    if (statOnce(dirFd, name, true, target) == 0) {
        status = target;
        status.isLink = true;
        status.linkResolved = true;
        return 0;
    }
    // A dangling link (or one that loops) is listed with its own data, as a file.
    if (knownType == DT_LNK) {
        return statOnce(dirFd, name, false, status);
    }
    return 0;
}

std::uint32_t derivedAttributes(const EntryStatus& status, std::string_view name) {
    std::uint32_t bits = 0;
    if (S_ISDIR(status.mode)) {
        bits |= kAttribDirectory;
    }
    if (name.starts_with('.') && name != "." && name != "..") {
        bits |= kAttribHidden;
    }
    if ((status.mode & S_IWUSR) == 0) {
        bits |= kAttribReadOnly;
    }
    if (status.isLink) {
        bits |= kAttribReparsePoint;
    }
    return bits;
}

}  // namespace movra::posix

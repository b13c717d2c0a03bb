// Folder listing: opendir/readdir and one status call per entry relative to the folder's
// descriptor, so no entry costs a lookup of its full path for its status.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "platform/posix/dos_attrib.h"
#include "platform/posix/entry_status.h"
#include "platform/posix/posix_calls.h"
#include "platform/posix/utf8_text.h"

namespace movra::posix {
namespace {

ListOutcome outcomeOfOpenError(int error) {
    return error == ENOENT || error == ENOTDIR ? ListOutcome::NotFound : ListOutcome::Unreadable;
}

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// An entry whose status cannot be read (a FUSE mount of another user answers EACCES) is
// still listed, with the type readdir gave and no times, rather than hidden from the run.
EntryStatus statusFromType(unsigned char type) {
    EntryStatus status;
    status.mode = type == DT_DIR ? S_IFDIR | S_IRWXU : S_IFREG | S_IRUSR | S_IWUSR;
    status.isLink = type == DT_LNK;
    return status;
}

// Reads the entries of an open folder whose path, ending in "/", is `path`.
void readEntries(DIR* dir, std::string path, std::vector<FolderEntry>& entries) {
    const int dirFd = ::dirfd(dir);
    DosAttribReader dosAttrib(dirFd, std::move(path));
    // readdir returns null both at the end and on an error; either way the listing ends
    // with what it has read.
    while (const dirent* d = ::readdir(dir)) {
        if (isDotOrDotDot(d->d_name)) {
            continue;
        }
        EntryStatus status;
        const int error = statEntryAt(dirFd, d->d_name, d->d_type, status);
        if (error == ENOENT) {
            continue;  // removed since readdir saw it
        }
        if (error != 0) {
            status = statusFromType(d->d_type);
        }
        const std::string_view name(d->d_name);
        std::uint32_t attrib = derivedAttributes(status, name);
        if (const auto dos = dosAttrib.readEntry(d->d_name, status.linkResolved)) {
            attrib = withDosAttrib(attrib, *dos);
        }
        const bool isFolder = (attrib & kAttribDirectory) != 0;
        entries.push_back(FolderEntry{attrib, status.created, status.modified,
                                      isFolder ? 0 : status.size, utf16FromUtf8(name)});
    }
}

}  // namespace

FolderListingResult listFolder(const std::u16string& folder) {
    FolderListingResult result;
    std::string path = utf8FromUtf16(folder);
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) {
        result.outcome = outcomeOfOpenError(errno);
        return result;
    }
    if (!path.ends_with('/')) {
        path += '/';
    }
    result.outcome = ListOutcome::Listed;
    result.entries.reserve(64);
    readEntries(dir, std::move(path), result.entries);
    ::closedir(dir);
    return result;
}

}  // namespace movra::posix

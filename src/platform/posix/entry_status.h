// What the file system says about one entry, and the attribute bits derived from it.
#pragma once

#include <cstdint>
#include <string_view>

namespace movra::posix {

// The status of one entry as a listing reports it: for a symbolic link, the status of
// what it points to (a dangling link: its own).
struct EntryStatus {
    std::uint32_t mode = 0;     // st_mode: type and permission bits
    std::int64_t size = 0;      // bytes
    std::int64_t modified = 0;  // last write, whole seconds since 1970 UTC
    std::int64_t created = -1;  // birth time, whole seconds since 1970 UTC; -1 when unknown
    bool isLink = false;        // the entry itself is a symbolic link
    bool linkResolved = false;  // ... and what it points to exists
};

// Reads the status of `name` relative to the folder descriptor `dirFd` (AT_FDCWD for a
// path of its own). `knownType` is the d_type readdir gave (DT_UNKNOWN when none): with a
// known type that is not a link, one call suffices. Returns 0, or the errno of the failure.
int statEntryAt(int dirFd, const char* name, unsigned char knownType, EntryStatus& status);

// The attribute bits of an entry named `name` with `status`: 0x10 for a folder, 0x02 for
// a name that begins with "." (other than "." and ".."), 0x01 when the owner has no write
// permission, 0x400 for a symbolic link.
std::uint32_t derivedAttributes(const EntryStatus& status, std::string_view name);

}  // namespace movra::posix

// Windows attributes kept in the extended attribute user.DOSATTRIB, the form in which
// Samba and Wine store them on POSIX file systems.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace movra::posix {

// The attribute word a user.DOSATTRIB value holds: "0x" (or "0X") and hex digits, ended by
// the end of the value, a NUL (Samba follows it with a binary record) or any other
// character. Nothing when the value does not start that way or has no digit.
std::optional<std::uint32_t> parseDosAttrib(std::string_view value);

// `derived` with its read-only, hidden and system bits replaced by those of `dosAttrib`.
std::uint32_t withDosAttrib(std::uint32_t derived, std::uint32_t dosAttrib);

// Whether entries are read relative to their folder with getxattrat (Linux 6.13 and later)
// where the kernel offers it; when not, or before 6.13, each entry is read by its full
// path. For tests of the path route on a kernel that has both.
void allowGetxattrat(bool allowed);

// Reads user.DOSATTRIB, of single paths or of the entries of one folder.
class DosAttribReader {
public:
    DosAttribReader() = default;
    // For the entries of the open folder `folderFd`, whose path is `folderPath` (ending in
    // "/"). When the folder's file system keeps no user attributes at all, its entries
    // are not asked one by one.
    DosAttribReader(int folderFd, std::string folderPath);

    // The attribute word stored for `path` (for what it points to when `followLink`), or
    // nothing when there is none or it cannot be read.
    std::optional<std::uint32_t> read(const char* path, bool followLink);
    // The same for the entry `name` of the folder given at construction.
    std::optional<std::uint32_t> readEntry(const char* name, bool followLink);

private:
    int folderFd_ = -1;
    std::string entryPath_;  // the folder's path, then that of the entry last read by path
    std::size_t folderLength_ = 0;
    bool unsupported_ = false;
};

}  // namespace movra::posix

// Windows attributes kept in the extended attribute user.DOSATTRIB, the form in which
// Samba and Wine store them on POSIX file systems.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace movra::posix {

// The attribute word a user.DOSATTRIB value holds: "0x" (or "0X") and hex digits, ended by
// the end of the value, a NUL (Samba follows it with a binary record) or any other
// character. Nothing when the value does not start that way or has no digit.
std::optional<std::uint32_t> parseDosAttrib(std::string_view value);

// `derived` with its read-only, hidden and system bits replaced by those of `dosAttrib`.
std::uint32_t withDosAttrib(std::uint32_t derived, std::uint32_t dosAttrib);

// Reads user.DOSATTRIB, for one entry or for the entries of one folder.
class DosAttribReader {
public:
    DosAttribReader() = default;
    // For the entries of the folder `folderPath`: when the folder's file system keeps no
    // user attributes at all, its entries are not asked one by one.
    explicit DosAttribReader(const char* folderPath);

    // The attribute word stored for `path` (what it points to when `followLink`), or
    // nothing when there is none or it cannot be read.
    std::optional<std::uint32_t> read(const char* path, bool followLink);

private:
    bool unsupported_ = false;
};

}  // namespace movra::posix

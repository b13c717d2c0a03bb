#include "platform/posix/dos_attrib.h"

#include <sys/xattr.h>

#include <cerrno>
#include <vector>

#include "platform/platform.h"

namespace movra::posix {
namespace {

constexpr const char* kAttributeName = "user.DOSATTRIB";
constexpr std::uint32_t kReplacedBits = kAttribReadOnly | kAttribHidden | kAttribSystem;

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

ssize_t readAttribute(const char* path, bool followLink, void* buffer, std::size_t size) {
    return followLink ? ::getxattr(path, kAttributeName, buffer, size)
                      : ::lgetxattr(path, kAttributeName, buffer, size);
}

}  // namespace

std::optional<std::uint32_t> parseDosAttrib(std::string_view value) {
    if (value.size() < 3 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X')) {
        return std::nullopt;
    }
    std::uint32_t word = 0;
    std::size_t digits = 0;
    for (std::size_t i = 2; i < value.size() && digits < 8; ++i, ++digits) {
        const int digit = hexDigitValue(value[i]);
        if (digit < 0) {
            break;
        }
        word = (word << 4) | static_cast<std::uint32_t>(digit);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return word;
}

std::uint32_t withDosAttrib(std::uint32_t derived, std::uint32_t dosAttrib) {
    return (derived & ~kReplacedBits) | (dosAttrib & kReplacedBits);
}

DosAttribReader::DosAttribReader(const char* folderPath) {
    unsupported_ = ::getxattr(folderPath, kAttributeName, nullptr, 0) < 0 && errno == ENOTSUP;
}

std::optional<std::uint32_t> DosAttribReader::read(const char* path, bool followLink) {
    if (unsupported_) {
        return std::nullopt;
    }
    // Samba's value (a hex text, a NUL and a binary record) is well under this size.
    char small[256];
    ssize_t length = readAttribute(path, followLink, small, sizeof small);
    if (length >= 0) {
        return parseDosAttrib(std::string_view(small, static_cast<std::size_t>(length)));
    }
    if (errno != ERANGE) {
        return std::nullopt;  // ENODATA: no such attribute; ENOTSUP: none kept; or unreadable
    }
    length = readAttribute(path, followLink, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::vector<char> large(static_cast<std::size_t>(length));
    length = readAttribute(path, followLink, large.data(), large.size());
    if (length < 0) {
        return std::nullopt;
    }
    return parseDosAttrib(std::string_view(large.data(), static_cast<std::size_t>(length)));
}

}  // namespace movra::posix

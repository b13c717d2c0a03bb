#include "platform/posix/dos_attrib.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>
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

// getxattrat (Linux 6.13) reads an attribute relative to a folder descriptor, as statx
// reads the status: one name to look up instead of every component of a full path, which
// makes the per-entry read of a deep folder about a quarter cheaper. The C library has no
// wrapper for it yet; the number is shared by every architecture listed here.
#if defined(SYS_getxattrat)
constexpr long kGetxattrat = SYS_getxattrat;
#elif defined(__x86_64__) || defined(__aarch64__) || defined(__i386__) || defined(__riscv)
constexpr long kGetxattrat = 464;
#else
constexpr long kGetxattrat = -1;
#endif

// The kernel's struct xattr_args, first version.
struct XattrArgs {
    std::uint64_t value;
    std::uint32_t size;
    std::uint32_t flags;
};

bool getxattratUnavailable = kGetxattrat < 0;
bool getxattratAllowed = true;

// Like readAttribute, relative to `folderFd`; sets errno to ENOSYS once the kernel (or a
// seccomp filter) has refused the call.
ssize_t readAttributeAt(int folderFd, const char* name, bool followLink, void* buffer,
                        std::size_t size) {
    if (getxattratUnavailable || !getxattratAllowed) {
        errno = ENOSYS;
        return -1;
    }
    XattrArgs args{reinterpret_cast<std::uintptr_t>(buffer), static_cast<std::uint32_t>(size), 0};
    const long length = ::syscall(kGetxattrat, folderFd, name, followLink ? 0 : AT_SYMLINK_NOFOLLOW,
                                  kAttributeName, &args, sizeof args);
    if (length < 0 && (errno == ENOSYS || errno == EPERM)) {
        getxattratUnavailable = true;
        errno = ENOSYS;
    }
    return length;
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

void allowGetxattrat(bool allowed) {
    getxattratAllowed = allowed;
}

std::uint32_t withDosAttrib(std::uint32_t derived, std::uint32_t dosAttrib) {
    return (derived & ~kReplacedBits) | (dosAttrib & kReplacedBits);
}

DosAttribReader::DosAttribReader(int folderFd, std::string folderPath)
    : folderFd_(folderFd), entryPath_(std::move(folderPath)), folderLength_(entryPath_.size()) {
    unsupported_ =
        ::getxattr(entryPath_.c_str(), kAttributeName, nullptr, 0) < 0 && errno == ENOTSUP;
}

std::optional<std::uint32_t> DosAttribReader::readEntry(const char* name, bool followLink) {
    if (unsupported_) {
        return std::nullopt;
    }
    char small[256];
    const ssize_t length = readAttributeAt(folderFd_, name, followLink, small, sizeof small);
    if (length >= 0) {
        return parseDosAttrib(std::string_view(small, static_cast<std::size_t>(length)));
    }
    if (errno != ENOSYS && errno != ERANGE) {
        return std::nullopt;
    }
    entryPath_.resize(folderLength_);
    entryPath_ += name;
    return read(entryPath_.c_str(), followLink);
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

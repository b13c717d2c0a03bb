// Test helper: a fresh folder under the temporary folder, removed with everything in it.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/posix/utf8_text.h"
#include "temp_tree.h"

namespace movra::posix::testing {

class TempFolder {
public:
    TempFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/movra-posix-XXXXXX";
        path_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~TempFolder() { movra::testing::removeTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path in bytes, without a trailing "/".
    const std::string& path() const { return path_; }
    // The path of `name` inside the folder, in bytes.
    std::string bytesAt(const std::string& name) const { return path_ + "/" + name; }
    // The folder's full path with a trailing "/", as the core hands roots over.
    std::u16string root() const { return utf16FromUtf8(path_ + "/"); }
    // The full path of `name` (bytes) inside the folder, as the core builds it.
    std::u16string at(const std::string& name) const { return utf16FromUtf8(bytesAt(name)); }

    // Writes a file of `size` bytes, each byte `fill`.
    void file(const std::string& name, std::size_t size, char fill = 'x') const {
        const int fd = ::open(bytesAt(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const std::string bytes(size, fill);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t written = ::write(fd, bytes.data(), bytes.size());
            ::close(fd);
        }
    }
    void folder(const std::string& name) const { ::mkdir(bytesAt(name).c_str(), 0755); }
    void link(const std::string& name, const std::string& target) const {
        [[maybe_unused]] const int r = ::symlink(target.c_str(), bytesAt(name).c_str());
    }

private:
    std::string path_;
};

}  // namespace movra::posix::testing

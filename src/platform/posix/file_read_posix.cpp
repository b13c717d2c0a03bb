// Binary reads of a file's contents, with the end-of-file rule of stdio's fread/feof.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>

#include "platform/posix/posix_calls.h"
#include "platform/posix/utf8_text.h"

namespace movra::posix {
namespace {

constexpr off_t kSmallFile = 65536;

// Opening each file by its full path makes the kernel walk every component of that path
// again. The files compared one after another sit in one folder per side, so the last
// two folders opened stay open and each file is opened relative to its folder.
class FolderHandles {
public:
    // A descriptor for the folder `path` (ending in "/"), or -1.
    int folder(std::string_view path) {
        for (Slot& slot : slots_) {
            if (slot.fd >= 0 && slot.path == path) {
                return slot.fd;
            }
        }
        Slot& slot = slots_[next_];
        next_ = 1 - next_;
        if (slot.fd >= 0) {
            ::close(slot.fd);
        }
        slot.path.assign(path);
        slot.fd = ::open(slot.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return slot.fd;
    }

private:
    struct Slot {
        std::string path;
        int fd = -1;
    };
    Slot slots_[2];
    int next_ = 0;
};

int openRelativeToFolder(const std::string& path, int flags) {
    static FolderHandles handles;
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash + 1 < path.size()) {
        const int folder = handles.folder(std::string_view(path).substr(0, slash + 1));
        if (folder >= 0) {
            const int fd = ::openat(folder, path.c_str() + slash + 1, flags);
            // A folder replaced since it was opened is found again by its path below.
            if (fd >= 0 || errno != ENOENT) {
                return fd;
            }
        }
    }
    return ::open(path.c_str(), flags);
}

}  // namespace

std::optional<FileHandle> openForRead(const std::u16string& path) {
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer. Only regular files
    // are read: a FIFO or a device has no contents to compare (/dev/zero never ends), so
    // it counts as a file that cannot be opened.
    const int fd =
        openRelativeToFolder(utf8FromUtf16(path), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // The comparison reads each file once from start to end; a file that fits in one
    // chunk gains nothing from the hint and would only pay for the call.
    if (st.st_size > kSmallFile) {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    return FileHandle{fd};
}

// Fills the buffer as fread does: read() until `size` bytes are in or the file ends, which
// sets `endOfFile`. Only regular files are opened, and a regular file returns fewer bytes
// than asked only at its end, so a short read is the end without a further empty read. A
// file whose length is a multiple of `size` still reports its end only on the next,
// empty, read.
ReadResult readFile(FileHandle file, void* buffer, std::size_t size) {
    ReadResult result;
    auto* bytes = static_cast<char*>(buffer);
    while (result.count < size) {
        const ssize_t n =
            ::read(static_cast<int>(file.value), bytes + result.count, size - result.count);
        if (n > 0) {
            result.count += static_cast<std::size_t>(n);
            if (result.count < size) {
                result.endOfFile = true;
                break;
            }
        } else if (n == 0) {
            result.endOfFile = true;
            break;
        } else if (errno != EINTR) {
            result.failed = true;
            break;
        }
    }
    return result;
}

void closeFile(FileHandle file) {
    if (file.value >= 0) {
        ::close(static_cast<int>(file.value));
    }
}

}  // namespace movra::posix

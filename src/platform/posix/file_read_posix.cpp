// Binary reads of a file's contents, with the end-of-file rule of stdio's fread/feof.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/posix_calls.h"
#include "platform/posix/utf8_text.h"

namespace movra::posix {

std::optional<FileHandle> openForRead(const std::u16string& path) {
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer. Only regular files
    // are read: a FIFO or a device has no contents to compare (/dev/zero never ends), so
    // it counts as a file that cannot be opened.
    const int fd =
        ::open(utf8FromUtf16(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // The comparison reads each file once from start to end.
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return FileHandle{fd};
}

// Fills the buffer as fread does: read() until `size` bytes are in or a read returns 0,
// which is the end of the file and the only thing that sets `endOfFile`. So a file whose
// length is a multiple of `size` reports its end only on the next, empty, read.
ReadResult readFile(FileHandle file, void* buffer, std::size_t size) {
    ReadResult result;
    auto* bytes = static_cast<char*>(buffer);
    while (result.count < size) {
        const ssize_t n =
            ::read(static_cast<int>(file.value), bytes + result.count, size - result.count);
        if (n > 0) {
            result.count += static_cast<std::size_t>(n);
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

#include "platform/posix/output_stream.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace movra::posix {

OutputStream::OutputStream(int fd, std::size_t capacity) : fd_(fd), capacity_(capacity) {
    buffer_.reserve(capacity);
}

OutputStream::~OutputStream() {
    flush();
}

void OutputStream::commit() {
    if (buffer_.size() >= capacity_) {
        flush();
    }
}

void OutputStream::append(std::string_view bytes) {
    buffer_ += bytes;
    commit();
}

void OutputStream::flush() {
    if (!buffer_.empty()) {
        writeAll(buffer_.data(), buffer_.size());
        buffer_.clear();
    }
}

void OutputStream::writeAll(const char* data, std::size_t size) {
    while (size > 0 && !broken_) {
        const ssize_t written = ::write(fd_, data, size);
        if (written >= 0) {
            data += written;
            size -= static_cast<std::size_t>(written);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A descriptor inherited in non-blocking mode: wait until it takes more.
            pollfd waitFor{fd_, POLLOUT, 0};
            ::poll(&waitFor, 1, -1);
        } else if (errno != EINTR) {
            // SIGPIPE is ignored, so a reader that went away shows up here as EPIPE; like
            // every other failure it ends this stream's output quietly.
            broken_ = true;
        }
    }
}

}  // namespace movra::posix

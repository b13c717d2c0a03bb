// One standard stream's bytes on their way out of the process.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace movra::posix {

// Bytes collected in the layer's own buffer and handed to write(2) in large pieces. Once
// a write fails (a pipe whose reader has gone, a closed descriptor, a full disk) the
// stream is broken: everything then pending or written later is dropped without a word.
class OutputStream {
public:
    static constexpr std::size_t kDefaultCapacity = 64 * 1024;

    explicit OutputStream(int fd, std::size_t capacity = kDefaultCapacity);
    ~OutputStream();  // flushes
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // Where callers append bytes; call commit() after appending.
    std::string& buffer() { return buffer_; }
    // Writes the buffer out once it holds `capacity` bytes or more.
    void commit();
    // Appends bytes and commits them.
    void append(std::string_view bytes);
    // Writes out everything pending.
    void flush();
    // Whether a write has failed, so that output is being dropped.
    bool broken() const { return broken_; }

private:
    void writeAll(const char* data, std::size_t size);

    int fd_;
    std::size_t capacity_;
    std::string buffer_;
    bool broken_ = false;
};

}  // namespace movra::posix

#include "platform/posix/output_stream.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <string>

namespace movra::posix {
namespace {

// A pipe whose read end never blocks, closed at the end of the test.
class Pipe {
public:
    Pipe() {
        EXPECT_EQ(::pipe2(fds_, O_CLOEXEC), 0);
        ::fcntl(fds_[0], F_SETFL, O_NONBLOCK);
    }
    ~Pipe() {
        closeReadEnd();
        ::close(fds_[1]);
    }
    int writeEnd() const { return fds_[1]; }
    void closeReadEnd() {
        if (fds_[0] >= 0) {
            ::close(fds_[0]);
            fds_[0] = -1;
        }
    }
    std::string readAvailable() const {
        char chunk[4096];
        const ssize_t n = ::read(fds_[0], chunk, sizeof chunk);
        return n > 0 ? std::string(chunk, static_cast<std::size_t>(n)) : std::string();
    }

private:
    int fds_[2] = {-1, -1};
};

TEST(OutputStream, HoldsBytesUntilFlushed) {
    Pipe pipe;
    OutputStream stream(pipe.writeEnd());
    stream.append("line\r\n");
    EXPECT_EQ(pipe.readAvailable(), "");
    stream.flush();
    EXPECT_EQ(pipe.readAvailable(), "line\r\n");
}

TEST(OutputStream, WritesOutWhenTheBufferIsFull) {
    Pipe pipe;
    OutputStream stream(pipe.writeEnd(), 8);
    stream.append("1234");
    EXPECT_EQ(pipe.readAvailable(), "");
    stream.buffer() += "56789";
    stream.commit();
    EXPECT_EQ(pipe.readAvailable(), "123456789");
}

TEST(OutputStream, FlushesWhenDestroyed) {
    Pipe pipe;
    { OutputStream(pipe.writeEnd()).append("last"); }
    EXPECT_EQ(pipe.readAvailable(), "last");
}

TEST(OutputStream, ClosedPipeEndsOutputQuietly) {
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    Pipe pipe;
    pipe.closeReadEnd();
    OutputStream stream(pipe.writeEnd());
    stream.append("lost");
    stream.flush();
    EXPECT_TRUE(stream.broken());
    stream.append("also lost");
    stream.flush();
    EXPECT_TRUE(stream.buffer().empty());
    std::signal(SIGPIPE, previous);
}

}  // namespace
}  // namespace movra::posix

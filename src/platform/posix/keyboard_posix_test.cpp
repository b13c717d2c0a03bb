#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/posix/posix_calls.h"

namespace movra::posix {
namespace {

TEST(PosixKeyboard, NoTerminalMeansNoWait) {
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty >= 0) {
        ::close(tty);
        GTEST_SKIP() << "a terminal is attached: reading a key would wait for a person";
    }
    EXPECT_EQ(readKeyCode(), -1);
}

}  // namespace
}  // namespace movra::posix

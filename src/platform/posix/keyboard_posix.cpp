// One keypress from the terminal, without echo and without waiting for Enter.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/posix_calls.h"

namespace movra::posix {
namespace {

// The bytes of one key arrive together: an arrow or function key sends an escape sequence,
// a non-ASCII character its UTF-8 bytes. What follows the first byte within this time
// belongs to the same key.
constexpr int kRestOfKeyMilliseconds = 30;

int readByte(int fd) {
    unsigned char byte = 0;
    for (;;) {
        const ssize_t n = ::read(fd, &byte, 1);
        if (n == 1) {
            return byte;
        }
        if (n == 0 || errno != EINTR) {
            return -1;
        }
    }
}

void discardRestOfKey(int fd) {
    pollfd more{fd, POLLIN, 0};
    while (::poll(&more, 1, kRestOfKeyMilliseconds) == 1 && (more.revents & POLLIN) != 0) {
        char rest[64];
        if (::read(fd, rest, sizeof rest) <= 0) {
            break;
        }
    }
}

int readOneKey(int fd) {
    termios saved;
    if (::tcgetattr(fd, &saved) != 0) {
        return -1;
    }
    termios raw = saved;
    // No line editing and no echo; ISIG off as well, so Ctrl+C is a keypress like any
    // other instead of ending the process with the terminal left in this mode.
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | ISIG));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &raw) != 0) {
        return -1;
    }
    int code = readByte(fd);
    if (code >= 0) {
        discardRestOfKey(fd);
    }
    ::tcsetattr(fd, TCSANOW, &saved);
    // The whole key has been read, so the result must not announce a second code.
    if (code == 0 || code == 0xE0) {
        code |= 0x100;
    }
    return code;
}

}  // namespace

// The terminal is /dev/tty rather than standard input, which may be redirected while a
// person still sits at the terminal. Without a controlling terminal there is no wait.
int readKeyCode() {
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    const int code = readOneKey(fd);
    ::close(fd);
    return code;
}

}  // namespace movra::posix

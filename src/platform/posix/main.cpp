// The POSIX entry point: arguments are byte strings, turned into the core's UTF-16 by the
// one converter so that a name that is not valid UTF-8 still reaches the file system
// byte for byte.
#include <csignal>
#include <string>
#include <vector>

#include "cli/driver.h"
#include "platform/platform.h"
#include "platform/posix/utf8_text.h"

int main(int argc, char** argv) {
    // A reader that goes away (`movra ... | head`) must not kill the process: writes then
    // fail with EPIPE and the output layer drops the rest quietly.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::u16string> arguments;
    arguments.reserve(argc > 1 ? static_cast<std::size_t>(argc - 1) : 0);
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(movra::posix::utf16FromUtf8(argv[i]));
    }
    const int exitCode = movra::runMovra(arguments);
    movra::platform::flushOutput();
    return exitCode;
}

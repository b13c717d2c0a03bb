// The Windows entry point: wide arguments straight from the command line.
#include <string>
#include <vector>

#include "cli/driver.h"
#include "platform/win32/wide_text_win32.h"

int wmain(int argc, wchar_t** argv) {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(movra::win32::fromWide(argv[i]));
    }
    return movra::runMovra(arguments);
}

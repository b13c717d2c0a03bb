// The program's entry point, shared by every platform's main.
#pragma once

#include <string>
#include <vector>

namespace movra {

// Runs the whole tool on the command-line arguments (without the program name) and
// returns the process exit code: 1 when differences were found, 0 otherwise. All output
// has been handed to the platform, and flushed, when it returns.
int runMovra(const std::vector<std::u16string>& arguments);

}  // namespace movra

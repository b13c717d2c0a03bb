// The command line: options and folder arguments into RunSettings, and the checks
// that reject malformed or conflicting command lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/run_settings.h"

namespace movra {

// The one line written to standard error for a rejected command line; the run then
// ends with exit code 0.
struct CommandLineError {
    std::u16string line;
};

// What the parse hands to the driver besides RunSettings.
struct ParsedCommandLine {
    std::optional<char16_t> compareModeLetter;  // a, c, d, e, f or n once /c was accepted
    bool showClosingMessage = true;             // false after /n
};

// Reads the arguments (without the program name) one by one into `settings` and
// `parsed`. Each folder argument is checked and resolved to its full path (ending in the
// separator) when it is met, so a missing folder is reported before a later bad option.
// Returns the first error, or nothing.
std::optional<CommandLineError> parseArguments(const std::vector<std::u16string>& arguments,
                                               RunSettings& settings, ParsedCommandLine& parsed);

// The combination and presence checks, in their fixed order. Returns the first failure.
std::optional<CommandLineError> checkArguments(const RunSettings& settings);

// Applies the compare mode to `settings`, then rejects /t without a date/time compare.
std::optional<CommandLineError> applyCompareMode(const ParsedCommandLine& parsed,
                                                 RunSettings& settings);

}  // namespace movra

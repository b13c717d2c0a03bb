// Shared pieces of the fuzz targets: a platform with captured output and a fake disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace movra::fuzz {

// Points the platform table at fakes: output is captured (see capturedOutput), the disk
// holds exactly the folders named in `folders` (full paths without trailing separator)
// and a file at every path containing "file", and nothing else is touched.
void installFakePlatform(const std::vector<std::u16string>& folders);

// Everything written to standard output and standard error since the last install.
std::u16string& capturedOutput();
std::u16string& capturedErrors();
// How many separate writes went to standard error (an argument may hold line feeds).
int& errorWrites();

// Reads the fuzz input as a sequence of UTF-16 strings split at the code unit 0xFFFF.
std::vector<std::u16string> splitInput(const std::uint8_t* data, std::size_t size);

// Stops the process loudly: the fuzzer records the input as a finding.
[[noreturn]] void fail(const char* what);

}  // namespace movra::fuzz

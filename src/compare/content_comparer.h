// Byte-for-byte comparison of two files of equal size.
#pragma once

#include <string>

namespace movra {

// Size of each read, and of each of the two buffers the whole run reuses.
inline constexpr std::size_t kContentChunkSize = 65536;

// Reads both files from the start in chunks and stops at the first chunk that differs.
// Returns false when the contents differ. A file that cannot be opened, or whose read
// fails, gets one line on standard error (its path and " - File was not able to open.")
// and the pair counts as equal in content; when the source fails the target is never
// opened.
bool compareContents(const std::u16string& sourcePath, const std::u16string& targetPath);

}  // namespace movra

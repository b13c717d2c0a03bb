// Which file system holds a path, read from the text of /proc/self/mountinfo.
#pragma once

#include <string>
#include <string_view>

namespace movra::posix {

// The file-system type ("ext4", "vfat", "tmpfs", ...) of the mount that holds `path`, a
// canonical absolute path ending in "/", given the text of a mountinfo file: the mount
// whose mount point is the longest prefix of `path` ending at a "/" (so /a holds /a/b/ but
// not /ab/); of mounts on the same point, the last listed (the one on top). Mount points
// are decoded from their octal escapes ("\040" is a blank). Empty when no line matches.
std::string fileSystemTypeFor(std::string_view mountinfo, std::string_view path);

// A mountinfo field with its "\ooo" escapes decoded.
std::string decodeMountinfoField(std::string_view field);

}  // namespace movra::posix

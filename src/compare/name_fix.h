// Gives a target entry its source partner's spelling.
#pragma once

#include <string>

namespace movra {

// Renames `targetRoot` + `subPath` + `targetName` to `targetRoot` + `subPath` +
// `sourceName`, never replacing an existing entry. On failure prints the indented
// "###Error###" line and returns false.
bool renameTargetEntry(const std::u16string& targetName, const std::u16string& sourceName,
                       const std::u16string& subPath);

}  // namespace movra

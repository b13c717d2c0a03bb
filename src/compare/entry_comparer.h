// Compares one matched pair of entries under the compare mode.
#pragma once

#include <string>

#include "platform/platform.h"

namespace movra {

// Compares a source entry with the target entry paired with it by name (equal but for
// the case of A-Z). With /f a name that differs only in case is announced ("*Rename:")
// and fixed in the target; otherwise it is tagged "(Name)". Then size or content,
// last-write time, creation time and attributes as the mode selects. Reports one
// "Different:" record when anything differs, with value lines under /v. Returns false
// when it reported the pair as different; a rename alone leaves it true.
bool EntryComparer(const FolderEntry& source, const FolderEntry& target,
                   const std::u16string& subPath, bool isFolder);

}  // namespace movra

// One folder level of one side, read into name-ordered files and folders.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace movra {

struct FolderListing {
    std::vector<FolderEntry> files;    // entries without the folder bit, in name order
    std::vector<FolderEntry> folders;  // folders less "." and "..", in name order
};

// Lists the folder `root` + `subPath`. Hidden and system entries are left out unless /h
// was given. A folder that is missing or is a file gives an empty listing silently; one
// that exists but cannot be read gives an empty listing and one line on standard error.
FolderListing ListFolder(const std::u16string& root, const std::u16string& subPath);

// Splits `entries` into `listing` by the rules above and sorts both sequences.
void fillListing(std::vector<FolderEntry>&& entries, bool includeHiddenSystem,
                 FolderListing& listing);

}  // namespace movra

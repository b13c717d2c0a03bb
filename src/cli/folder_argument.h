// Checks one folder argument and turns it into the folder's full path.
#pragma once

#include <optional>
#include <string>

#include "cli/arguments.h"

namespace movra {

struct FolderArgumentResult {
    std::u16string fullPath;                // ends in one separator; empty on error
    std::optional<CommandLineError> error;  // "Folder was not found" or "Not a folder"
};

// Resolves `argument` (as typed) to its full path with one separator appended. Something
// that can be listed counts as a folder even when its attributes cannot be read.
FolderArgumentResult resolveFolderArgument(const std::u16string& argument);

// Removes one separator of the first doubled pair in `root`, unless the pair opens the
// path on Windows (a network path). Only the first pair is looked at.
void normalizeRoot(std::u16string& root);

}  // namespace movra

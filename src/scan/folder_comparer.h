// The walk over the two folder trees.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace movra {

// Compares the level `subPath` (empty for the roots, else folder names each followed by
// the separator) of the two trees and, with /s, every level below it, depth first in
// source name order. Returns true when no difference was found there. Never stops early.
bool FolderComparer(const std::u16string& subPath);

// Pairs one kind of entries (files, or folders when `isFolder`) of one level by name.
// Both sequences are in listing order. Pairs go to the entry comparison in source order,
// unmatched source entries are reported "Source Only:" in that same pass, then unmatched
// target entries "Target Only:". Among names equal but for case on both sides, exact
// spellings pair first. Returns true when everything paired and no pair differed.
bool PairEntries(const std::vector<FolderEntry>& source, const std::vector<FolderEntry>& target,
                 const std::u16string& subPath, bool isFolder);

}  // namespace movra

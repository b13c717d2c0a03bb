// Prints findings in the normal, quiet or list form.
#pragma once

#include <string_view>

namespace movra {

// One finding. `kind` is its display text: "Different:", "Source Only:", "Target Only:"
// or "*Rename:". `detail` is the tags of a differing pair, or the new name of a rename.
struct DifferenceRecord {
    std::u16string_view kind;
    std::u16string_view name;
    std::u16string_view detail;
    std::u16string_view subPath;
    bool isFolder = false;
};

// Prints `record` in the form the options select (/q, else /l, else normal), with the
// folder heading of the normal form before the first line of a level.
void DifferenceReport(const DifferenceRecord& record);

// Prints 13 spaces, `first`, and " - " `second` when `second` is not empty.
void writeDetailLine(std::u16string_view first, std::u16string_view second);

}  // namespace movra

// The list form: one action line per thing that would bring the target in line.
#pragma once

#include "report/difference_report.h"

namespace movra {

// Prints `record` as list lines: "Update: ", "Rename: ", "Attribute: ", "Createtime: "
// for a differing pair (in that order, each at most once), "Copy: " for a source-only
// entry, "Delete: " for a target-only one, each followed by the sub-path and the name.
// Renames print nothing.
void writeListForm(const DifferenceRecord& record);

}  // namespace movra

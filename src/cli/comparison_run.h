// The comparison of the two roots and the end of the run.
#pragma once

namespace movra {

// Walks the two trees, then prints the closing message (when `showClosingMessage` and
// nothing differed) or pauses (with /p, when something differed). Returns the exit
// code: 1 when differences were found, 0 otherwise.
int runComparison(bool showClosingMessage);

}  // namespace movra

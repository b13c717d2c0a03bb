// Renaming a target entry, and making sure a case-only rename really happened.
#include <io.h>
#include <windows.h>

#include "platform/win32/ascii_fold_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

bool differsOnlyInAsciiCase(const std::u16string& a, const std::u16string& b) {
    return a != b && equalFoldingAscii(a, b);
}

std::u16string lastComponent(const std::u16string& path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    return separator == std::u16string::npos ? path : path.substr(separator + 1);
}

}  // namespace

bool entryHasSpelling(const std::u16string& path) {
    // A pattern without wildcards finds the one entry of that name, reported with the
    // spelling the file system keeps.
    _wfinddata64_t record{};
    const intptr_t handle = _wfindfirst64(toWide(path).c_str(), &record);
    if (handle == -1) {
        return false;
    }
    const bool same = fromWide(record.name) == lastComponent(path);
    _findclose(handle);
    return same;
}

bool renameEntry(const std::u16string& from, const std::u16string& to) {
    if (!MoveFileW(toWide(from).c_str(), toWide(to).c_str())) {
        return false;
    }
    // Some FAT drivers and network shares report success for a case-only rename and keep
    // the old spelling; that is a failed rename, not a done one.
    if (differsOnlyInAsciiCase(from, to)) {
        return entryHasSpelling(to);
    }
    return true;
}

}  // namespace movra::win32

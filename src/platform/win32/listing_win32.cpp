// One folder level read with the CRT's find functions.
#include <errno.h>
#include <io.h>
#include <windows.h>

#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

FolderEntry toEntry(const _wfinddata64_t& record) {
    FolderEntry entry;
    entry.attrib = static_cast<std::uint32_t>(record.attrib);
    entry.time_create = static_cast<std::int64_t>(record.time_create);
    entry.time_write = static_cast<std::int64_t>(record.time_write);
    entry.size = static_cast<std::int64_t>(record.size);
    entry.name = fromWide(record.name);
    return entry;
}

// The find functions fold "nothing there" and "cannot be read" into one -1, and their
// errno says too little: ENOENT covers a missing path (and a drive root with no entry at
// all), but EINVAL stands both for a path through a file and for access denied. So only
// ENOENT is taken at its word; otherwise the folder's own attributes decide: a folder
// that is there could not be read, anything else is not a folder to list.
ListOutcome outcomeOfFailedStart(const std::wstring& folder, int error) {
    if (error == ENOENT) {
        return ListOutcome::NotFound;
    }
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return ListOutcome::Unreadable;
    }
    return ListOutcome::NotFound;
}

}  // namespace

FolderListingResult listFolder(const std::u16string& path) {
    FolderListingResult result;
    const std::wstring folder = toWide(path);
    const std::wstring pattern = folder + L"*";
    _wfinddata64_t record{};
    errno = 0;
    const intptr_t handle = _wfindfirst64(pattern.c_str(), &record);
    if (handle == -1) {
        result.outcome = outcomeOfFailedStart(folder, errno);
        return result;
    }
    // A listing that _wfindnext64 ends early for a reason other than its end keeps what
    // it read.
    do {
        result.entries.push_back(toEntry(record));
    } while (_wfindnext64(handle, &record) == 0);
    _findclose(handle);
    result.outcome = ListOutcome::Listed;
    return result;
}

}  // namespace movra::win32

// Attributes, full paths, existence and the comparisons of two root folders on Windows.
#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include <algorithm>

#include "platform/win32/ascii_fold_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

// The buffer _wfullpath is given: a longer full path is refused rather than cut.
constexpr int kFullPathCapacity = 260;

// "C:\" is a drive root and keeps its backslash; every other trailing one goes.
bool isDriveRoot(const std::u16string& path) {
    return path.size() == 3 && path[1] == u':' && path[2] == u'\\';
}

}  // namespace

std::optional<std::uint32_t> fileAttributes(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(attributes);
}

bool canListFolder(const std::u16string& path) {
    const std::wstring pattern = toWide(path) + L"\\*";
    _wfinddata64i32_t record{};
    const intptr_t handle = _wfindfirst64i32(pattern.c_str(), &record);
    if (handle == -1) {
        return false;
    }
    _findclose(handle);
    return true;
}

std::optional<std::u16string> fullPath(const std::u16string& path) {
    wchar_t buffer[kFullPathCapacity];
    if (_wfullpath(buffer, toWide(path).c_str(), kFullPathCapacity) == nullptr) {
        return std::nullopt;
    }
    std::u16string full = fromWide(buffer);
    while (full.size() > 1 && full.back() == u'\\' && !isDriveRoot(full)) {
        full.pop_back();
    }
    return full;
}

bool isSameFolder(const std::u16string& a, const std::u16string& b) {
    return equalFoldingAscii(a, b);
}

bool rootsOverlap(const std::u16string& a, const std::u16string& b) {
    const std::size_t shorter = std::min(a.size(), b.size());
    return equalFoldingAscii(std::u16string_view(a).substr(0, shorter),
                             std::u16string_view(b).substr(0, shorter));
}

bool pathExists(const std::u16string& path) {
    return _waccess_s(toWide(path).c_str(), 0) == 0;
}

// A junction that leads back to an ancestor is bounded anyway: each round adds to the
// path until the find functions refuse it for its length.
std::optional<FolderIdentity> folderIdentity(const std::u16string&) {
    return std::nullopt;
}

}  // namespace movra::win32

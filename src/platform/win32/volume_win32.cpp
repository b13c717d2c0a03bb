// The file-system name of the volume that holds a root folder.
#include <windows.h>

#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

constexpr DWORD kFileSystemNameCapacity = 260;

}  // namespace

std::u16string volumeRoot(const std::u16string& path) {
    if (!path.empty() && path[0] == u'\\') {
        // \\server\share\...: the share is the volume, so the root ends after its name.
        const std::size_t afterServer = path.find(u'\\', 2);
        if (afterServer == std::u16string::npos) {
            return path;
        }
        const std::size_t afterShare = path.find(u'\\', afterServer + 1);
        return afterShare == std::u16string::npos ? path : path.substr(0, afterShare + 1);
    }
    const std::size_t first = path.find(u'\\');
    return first == std::u16string::npos ? path : path.substr(0, first + 1);
}

std::u16string fileSystemName(const std::u16string& root) {
    wchar_t name[kFileSystemNameCapacity] = {};
    if (!GetVolumeInformationW(toWide(volumeRoot(root)).c_str(), nullptr, 0, nullptr, nullptr,
                               nullptr, name, kFileSystemNameCapacity)) {
        return {};
    }
    return fromWide(name);
}

}  // namespace movra::win32

// Test helper: a fresh folder under the temporary folder, removed with all it holds.
#pragma once

#include <process.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/wide_text_win32.h"

namespace movra::win32::testing {

class TempFolder {
public:
    TempFolder() {
        static int serial = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("movra-win32-" + std::to_string(_getpid()) + "-" + std::to_string(++serial));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full path with a trailing backslash, as the core hands roots over.
    std::u16string root() const { return fromWide(path_.native()) + u"\\"; }
    std::u16string at(const std::u16string& name) const { return root() + name; }

    void file(const std::u16string& name, std::size_t size, char fill = 'x') const {
        std::ofstream(path_ / toWide(name), std::ios::binary) << std::string(size, fill);
    }
    void folder(const std::u16string& name) const {
        std::filesystem::create_directory(path_ / toWide(name));
    }

private:
    std::filesystem::path path_;
};

}  // namespace movra::win32::testing

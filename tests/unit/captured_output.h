// Test helper: runs the core against a captured console and fresh settings.
#pragma once

#include <string>

#include "cli/run_settings.h"
#include "platform/platform.h"

namespace movra::testing {

// While alive: RunSettings are reset (English, redirected output), everything written to
// standard output and standard error is collected here as UTF-16 text, and the platform
// table is restored afterwards.
class CapturedOutput {
public:
    CapturedOutput();
    ~CapturedOutput();
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    // Text written so far, line feeds as "\n".
    const std::u16string& out() const;
    const std::u16string& err() const;
    void clear();

private:
    ScopedPlatformCalls restore_;
};

// A FolderEntry for fabricated listings.
FolderEntry fileEntry(std::u16string name, std::int64_t size = 0, std::int64_t timeWrite = 0,
                      std::uint32_t attrib = 0x20);
FolderEntry folderEntry(std::u16string name, std::uint32_t attrib = kAttribDirectory);

}  // namespace movra::testing

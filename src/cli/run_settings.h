// The one process-wide record of what this run compares and how it reports.
#pragma once

#include <cstdint>
#include <string>

namespace movra {

struct RunSettings {
    std::u16string sourceRoot;  // full path, always ending in the separator
    std::u16string targetRoot;  // full path, always ending in the separator

    bool compareSize = true;
    bool compareDateTime = true;
    bool compareAttributes = false;
    bool compareContent = false;
    bool compareFolderExistence = false;  // /d
    bool fixNameCase = false;             // /f
    bool includeHiddenSystem = false;     // /h
    bool listFormat = false;              // /l
    bool pauseOnDifferences = false;      // /p
    bool quiet = false;                   // /q
    bool recurseSubfolders = false;       // /s
    bool includeCreationTime = false;     // /t
    bool verbose = false;                 // /v
    bool showWorkingFolder = false;       // /w

    std::int32_t languageIndex = 0;      // 0 Japanese, 1 English
    bool stdoutConsole = false;          // standard output is a console
    bool stderrConsole = false;          // standard error is a console
    std::uint32_t redirectCodePage = 0;  // 65001 UTF-8, or 0 for the system's ANSI code page

    std::int32_t timeToleranceSeconds = 0;  // 2 when the roots' file systems differ

    bool folderHeadingShown = false;  // the report's heading step ran for this level
    bool anyHeadingShown = false;     // the report's heading step ran at least once
};

// The run's settings. Tests reset them with `runSettings() = RunSettings{}`.
RunSettings& runSettings();

}  // namespace movra

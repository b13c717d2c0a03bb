// Everything the portable core asks of the operating system.
//
// The core holds all text as UTF-16 and never includes a system header; it
// reaches the system only through the functions declared here. One
// implementation lives in posix/, one in win32/, and CMake compiles one of
// them.
//
// Test seam: every call goes through one table of function pointers,
// `platformCalls()`, which starts out pointing at the real implementation.
// A test replaces single entries (a rename that fails, a read error half way
// through a file, a console that is or is not one, a clock, a locale) and
// restores the table afterwards with `ScopedPlatformCalls`. A table was
// chosen over a fake library linked into the test binary so that one test
// binary can mix real file-system calls with a single injected fault, which
// is what most fault tests need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace movra {

// One listed file or folder, as the file system reports it.
struct FolderEntry {
    std::uint32_t attrib = 0;       // 0x01 read-only, 0x02 hidden, 0x04 system, 0x10 folder, ...
    std::int64_t time_create = -1;  // whole seconds since 1970 UTC; -1 when unknown
    std::int64_t time_write = 0;    // whole seconds since 1970 UTC; -1 when unrepresentable
    std::int64_t size = 0;          // bytes; 0 for a folder
    std::u16string name;            // the entry's own name, no path
};

inline constexpr std::uint32_t kAttribReadOnly = 0x01;
inline constexpr std::uint32_t kAttribHidden = 0x02;
inline constexpr std::uint32_t kAttribSystem = 0x04;
inline constexpr std::uint32_t kAttribDirectory = 0x10;
inline constexpr std::uint32_t kAttribReparsePoint = 0x400;

enum class StandardStream { Output, Error };

// What the console set-up needs to know about the process's surroundings.
struct ConsoleFacts {
    bool stdoutIsConsole = false;
    bool stderrIsConsole = false;
    std::uint32_t outputCodePage = 0;  // 65001 UTF-8, 932 Shift_JIS, 20127 US-ASCII, ...
    std::uint16_t uiLanguage = 1033;   // 1041 Japanese, 1033 English
};

// How one folder listing ended.
enum class ListOutcome {
    Listed,      // the entries were read (a listing cut short keeps what it read)
    NotFound,    // nothing is there, or it is not a folder
    Unreadable,  // a folder is there but could not be read (access denied, I/O error, too long)
};

struct FolderListingResult {
    ListOutcome outcome = ListOutcome::NotFound;
    std::vector<FolderEntry> entries;  // may include "." and ".."; order not relied upon
};

// An open file for binary reading; the value means something only to the layer that made it.
struct FileHandle {
    std::intptr_t value = -1;
};

struct ReadResult {
    std::size_t count = 0;   // bytes placed in the buffer
    bool endOfFile = false;  // set by a read that reached the end, as stdio's indicator is
    bool failed = false;     // the read failed; the stream is no longer usable
};

// Identifies a folder on its device, to notice a walk that comes back to a folder it
// is already inside (a link to an ancestor).
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FolderIdentity&) const = default;
};

struct LocalTime {
    int year = 1970;  // full year, e.g. 2025
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Rules of the platform's paths that the core's checks depend on.
struct PathRules {
    char16_t separator;        // '\\' on Windows, '/' on POSIX
    bool slashMayStartAPath;   // POSIX: "/x/y" is an absolute path, not an option
    bool slashRefusedInPaths;  // Windows refuses '/' in a folder argument
    // After a case-only rename, open the target by its new spelling: on a case-sensitive
    // file system the old spelling names nothing any more.
    bool openRenamedTargetByNewName;
};

// The table of system calls. Each entry's contract is on the wrapper below.
struct PlatformCalls {
    ConsoleFacts (*queryConsole)();
    void (*writeConsole)(StandardStream, std::u16string_view);
    void (*writeRedirected)(StandardStream, std::u16string_view, std::uint32_t codePage);
    void (*writeNarrowOutput)(std::string_view);
    void (*flushOutput)();
    std::optional<std::uint32_t> (*fileAttributes)(const std::u16string&);
    bool (*canListFolder)(const std::u16string&);
    std::optional<std::u16string> (*fullPath)(const std::u16string&);
    std::u16string (*fileSystemName)(const std::u16string&);
    bool (*isSameFolder)(const std::u16string&, const std::u16string&);
    bool (*rootsOverlap)(const std::u16string&, const std::u16string&);
    FolderListingResult (*listFolder)(const std::u16string&);
    bool (*pathExists)(const std::u16string&);
    std::optional<FolderIdentity> (*folderIdentity)(const std::u16string&);
    std::optional<FileHandle> (*openForRead)(const std::u16string&);
    ReadResult (*readFile)(FileHandle, void*, std::size_t);
    void (*closeFile)(FileHandle);
    bool (*renameEntry)(const std::u16string&, const std::u16string&);
    std::optional<LocalTime> (*localTime)(std::int64_t);
    int (*readKeyCode)();
};

// The live table; starts at the real implementation.
PlatformCalls& platformCalls();
// The real implementation, for tests that wrap a single call.
const PlatformCalls& realPlatformCalls();
// This build's path rules.
const PathRules& pathRules();

// Restores the whole table when it goes out of scope.
class ScopedPlatformCalls {
public:
    ScopedPlatformCalls() : saved_(platformCalls()) {}
    ~ScopedPlatformCalls() { platformCalls() = saved_; }
    ScopedPlatformCalls(const ScopedPlatformCalls&) = delete;
    ScopedPlatformCalls& operator=(const ScopedPlatformCalls&) = delete;

private:
    PlatformCalls saved_;
};

namespace platform {

// Whether each standard stream is a console, the console's output code page and
// the user's UI language.
inline ConsoleFacts queryConsole() {
    return platformCalls().queryConsole();
}

// Writes text straight to the console behind a stream, with no line-end translation.
// Failures are ignored.
inline void writeConsole(StandardStream s, std::u16string_view text) {
    platformCalls().writeConsole(s, text);
}

// Converts text to `codePage` (65001 UTF-8, 0 the system's ANSI code page; characters
// it cannot represent become '?') and writes it to a redirected stream, each line feed
// leaving as CR LF. Buffered; failures (a closed pipe included) are ignored quietly.
inline void writeRedirected(StandardStream s, std::u16string_view text, std::uint32_t codePage) {
    platformCalls().writeRedirected(s, text, codePage);
}

// Writes 8-bit text to standard output as a text-mode stream would, and flushes it.
inline void writeNarrowOutput(std::string_view bytes) {
    platformCalls().writeNarrowOutput(bytes);
}

// Pushes out whatever the redirected streams hold.
inline void flushOutput() {
    platformCalls().flushOutput();
}

// The attribute bits of `path`, or nothing when they cannot be read.
inline std::optional<std::uint32_t> fileAttributes(const std::u16string& path) {
    return platformCalls().fileAttributes(path);
}

// Whether the contents of `path` can be listed at all.
inline bool canListFolder(const std::u16string& path) {
    return platformCalls().canListFolder(path);
}

// The absolute path of `path` without "." and ".." steps and without a trailing
// separator (the file-system root keeps its one), or nothing when it cannot be had.
inline std::optional<std::u16string> fullPath(const std::u16string& path) {
    return platformCalls().fullPath(path);
}

// The name of the file system that holds the folder `root` (a full path ending in a
// separator): "NTFS", "ext4", "tmpfs", ...; empty when it cannot be read.
inline std::u16string fileSystemName(const std::u16string& root) {
    return platformCalls().fileSystemName(root);
}

// Whether two full folder paths (each ending in a separator) name the same folder.
inline bool isSameFolder(const std::u16string& a, const std::u16string& b) {
    return platformCalls().isSameFolder(a, b);
}

// Whether one of two full folder paths (each ending in a separator) lies inside the other.
inline bool rootsOverlap(const std::u16string& a, const std::u16string& b) {
    return platformCalls().rootsOverlap(a, b);
}

// Every entry of the folder `path` (a full path ending in a separator), with "." and
// ".." possibly among them; never fails, the outcome says how it went.
inline FolderListingResult listFolder(const std::u16string& path) {
    return platformCalls().listFolder(path);
}

// Whether any entry (file or folder) exists at `path`.
inline bool pathExists(const std::u16string& path) {
    return platformCalls().pathExists(path);
}

// The identity of the folder at `path` (links followed), or nothing where the platform
// cannot tell; a walk never enters a folder whose identity is already on its path.
inline std::optional<FolderIdentity> folderIdentity(const std::u16string& path) {
    return platformCalls().folderIdentity(path);
}

// Opens `path` for binary reading, or nothing when it cannot be opened.
inline std::optional<FileHandle> openForRead(const std::u16string& path) {
    return platformCalls().openForRead(path);
}

// Reads up to `size` bytes. `endOfFile` is set only by a read that reached the end.
inline ReadResult readFile(FileHandle f, void* buffer, std::size_t size) {
    return platformCalls().readFile(f, buffer, size);
}

inline void closeFile(FileHandle f) {
    platformCalls().closeFile(f);
}

// Renames `from` to `to` (full paths in one folder). Never replaces an existing entry;
// a rename that differs only in letter case on a case-insensitive file system works.
// False on any failure.
inline bool renameEntry(const std::u16string& from, const std::u16string& to) {
    return platformCalls().renameEntry(from, to);
}

// `seconds` since 1970 UTC as local calendar time, or nothing when it cannot be converted.
inline std::optional<LocalTime> localTime(std::int64_t seconds) {
    return platformCalls().localTime(seconds);
}

// Waits for one key without echo and returns its code; 0 or 224 announce a second code.
// Returns -1 at once when there is no keyboard to wait on.
inline int readKeyCode() {
    return platformCalls().readKeyCode();
}

}  // namespace platform
}  // namespace movra

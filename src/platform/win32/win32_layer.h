// The Windows implementation of the platform table, one function per entry.
//
// Each function keeps the contract of the wrapper of the same name in platform.h; only
// what is particular to Windows is said here. Included by the Win32 sources and their
// tests only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace movra::win32 {

// GetConsoleMode on each standard handle, GetConsoleOutputCP, GetUserDefaultUILanguage.
ConsoleFacts queryConsole();
// One WriteConsoleW call on the stream's handle; the result is not examined.
void writeConsole(StandardStream stream, std::u16string_view text);
// WideCharToMultiByte(codePage, 0, ...) into the text-mode narrow stream, so each line
// feed leaves as CR LF. Failures, a closed pipe included, are ignored.
void writeRedirected(StandardStream stream, std::u16string_view text, std::uint32_t codePage);
// The bytes through the text-mode narrow standard output, then a flush.
void writeNarrowOutput(std::string_view bytes);
// Flushes the narrow standard output and error streams.
void flushOutput();

// GetFileAttributesW; nothing for INVALID_FILE_ATTRIBUTES.
std::optional<std::uint32_t> fileAttributes(const std::u16string& path);
// Whether _wfindfirst64i32 can start a listing of `path` + "\*".
bool canListFolder(const std::u16string& path);
// _wfullpath into 260 characters, trailing backslashes dropped except a drive root's;
// nothing when the path does not fit or cannot be resolved.
std::optional<std::u16string> fullPath(const std::u16string& path);
// The two paths are equal when A-Z are folded to a-z; nothing else is folded.
bool isSameFolder(const std::u16string& a, const std::u16string& b);
// The shorter path is a prefix of the longer one, A-Z folded to a-z.
bool rootsOverlap(const std::u16string& a, const std::u16string& b);
// _waccess_s(path, 0) succeeds.
bool pathExists(const std::u16string& path);
// Always nothing: Windows offers no cheap identity through the services used here.
std::optional<FolderIdentity> folderIdentity(const std::u16string& path);

// The volume root of a full path ending in a backslash: "\\server\share\" for a network
// path, otherwise everything up to and including the first backslash ("C:\").
std::u16string volumeRoot(const std::u16string& path);
// GetVolumeInformationW on volumeRoot(root); empty when the volume cannot be read.
std::u16string fileSystemName(const std::u16string& root);

// _wfindfirst64/_wfindnext64 over `path` + "*" (`path` ends in a backslash).
FolderListingResult listFolder(const std::u16string& path);

// _wfopen_s with "rb"; FileHandle::value holds the FILE*.
std::optional<FileHandle> openForRead(const std::u16string& path);
// fread, then feof and ferror on the stream.
ReadResult readFile(FileHandle file, void* buffer, std::size_t size);
// fclose.
void closeFile(FileHandle file);

// Whether the entry at `path` is listed under exactly the spelling of its last component
// (a file system that ignores case finds it under any spelling).
bool entryHasSpelling(const std::u16string& path);
// MoveFileW. A rename that changes only letter case is also checked with
// entryHasSpelling, since some drivers report success for it and change nothing.
bool renameEntry(const std::u16string& from, const std::u16string& to);

// _localtime64_s; nothing when it rejects the time (before 1970, or too large).
std::optional<LocalTime> localTime(std::int64_t seconds);

// _getwch; -1 when there is no console to read a key from.
int readKeyCode();

}  // namespace movra::win32

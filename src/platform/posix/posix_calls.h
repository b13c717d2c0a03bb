// The POSIX implementation of each entry of the platform table (see platform/platform.h
// for the contract of each); platform_calls_posix.cpp puts them into the table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace movra::posix {

// console_posix.cpp
ConsoleFacts queryConsole();
void writeConsole(StandardStream stream, std::u16string_view text);
void writeRedirected(StandardStream stream, std::u16string_view text, std::uint32_t codePage);
void writeNarrowOutput(std::string_view bytes);
void flushOutput();

// paths_posix.cpp
std::optional<std::uint32_t> fileAttributes(const std::u16string& path);
bool canListFolder(const std::u16string& path);
std::optional<std::u16string> fullPath(const std::u16string& path);
std::u16string fileSystemName(const std::u16string& root);
bool isSameFolder(const std::u16string& a, const std::u16string& b);
bool rootsOverlap(const std::u16string& a, const std::u16string& b);
bool pathExists(const std::u16string& path);
std::optional<FolderIdentity> folderIdentity(const std::u16string& path);

// listing_posix.cpp
FolderListingResult listFolder(const std::u16string& path);

// file_read_posix.cpp
std::optional<FileHandle> openForRead(const std::u16string& path);
ReadResult readFile(FileHandle file, void* buffer, std::size_t size);
void closeFile(FileHandle file);

// rename_posix.cpp
bool renameEntry(const std::u16string& from, const std::u16string& to);

// time_posix.cpp
std::optional<LocalTime> localTime(std::int64_t seconds);

// keyboard_posix.cpp
int readKeyCode();

}  // namespace movra::posix

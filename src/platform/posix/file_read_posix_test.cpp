#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/posix/posix_calls.h"
#include "platform/posix/temp_folder_posix_test.h"

namespace movra::posix {
namespace {

constexpr std::size_t kChunk = 65536;

TEST(PosixFileRead, ExactMultipleReportsItsEndOnTheNextEmptyRead) {
    testing::TempFolder temp;
    temp.file("exact", 2 * kChunk, 'a');
    const auto file = openForRead(temp.at("exact"));
    ASSERT_TRUE(file);
    std::vector<char> buffer(kChunk);
    for (int i = 0; i < 2; ++i) {
        const ReadResult full = readFile(*file, buffer.data(), kChunk);
        EXPECT_EQ(full.count, kChunk);
        EXPECT_FALSE(full.endOfFile);
        EXPECT_FALSE(full.failed);
    }
    const ReadResult last = readFile(*file, buffer.data(), kChunk);
    EXPECT_EQ(last.count, 0u);
    EXPECT_TRUE(last.endOfFile);
    EXPECT_FALSE(last.failed);
    closeFile(*file);
}

TEST(PosixFileRead, ShortReadAtTheEndSetsEndOfFile) {
    testing::TempFolder temp;
    temp.file("odd", kChunk + 1, 'b');
    const auto file = openForRead(temp.at("odd"));
    ASSERT_TRUE(file);
    std::vector<char> buffer(kChunk);
    EXPECT_FALSE(readFile(*file, buffer.data(), kChunk).endOfFile);
    const ReadResult last = readFile(*file, buffer.data(), kChunk);
    EXPECT_EQ(last.count, 1u);
    EXPECT_TRUE(last.endOfFile);
    EXPECT_EQ(buffer[0], 'b');
    closeFile(*file);
}

TEST(PosixFileRead, EmptyFileEndsAtOnce) {
    testing::TempFolder temp;
    temp.file("empty", 0);
    const auto file = openForRead(temp.at("empty"));
    ASSERT_TRUE(file);
    char buffer[16];
    const ReadResult result = readFile(*file, buffer, sizeof buffer);
    EXPECT_EQ(result.count, 0u);
    EXPECT_TRUE(result.endOfFile);
    closeFile(*file);
}

TEST(PosixFileRead, OnlyRegularFilesOpen) {
    testing::TempFolder temp;
    temp.folder("dir");
    ::mkfifo(temp.bytesAt("fifo").c_str(), 0644);  // would block an open without a writer
    EXPECT_EQ(openForRead(temp.at("missing")), std::nullopt);
    EXPECT_EQ(openForRead(temp.at("dir")), std::nullopt);
    EXPECT_EQ(openForRead(temp.at("fifo")), std::nullopt);
}

TEST(PosixFileRead, ReadErrorIsAFailure) {
    testing::TempFolder temp;
    temp.file("write-only", 10);
    const int fd = ::open(temp.bytesAt("write-only").c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    char buffer[16];
    const ReadResult result = readFile(FileHandle{fd}, buffer, sizeof buffer);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.endOfFile);
    closeFile(FileHandle{fd});
}

}  // namespace
}  // namespace movra::posix

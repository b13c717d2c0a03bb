#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

TEST(Win32FileRead, EndOfFileComesOnlyWithTheReadThatReachesIt) {
    testing::TempFolder temp;
    temp.file(u"exact.bin", 65536, '\n');
    const std::optional<FileHandle> file = openForRead(temp.at(u"exact.bin"));
    ASSERT_TRUE(file.has_value());
    std::vector<char> buffer(65536);
    const ReadResult first = readFile(*file, buffer.data(), buffer.size());
    EXPECT_EQ(first.count, 65536u);
    EXPECT_FALSE(first.endOfFile);
    EXPECT_EQ(buffer[0], '\n');  // binary: no line-end translation
    const ReadResult second = readFile(*file, buffer.data(), buffer.size());
    EXPECT_EQ(second.count, 0u);
    EXPECT_TRUE(second.endOfFile);
    EXPECT_FALSE(second.failed);
    closeFile(*file);
    EXPECT_EQ(openForRead(temp.at(u"missing.bin")), std::nullopt);
}

}  // namespace
}  // namespace movra::win32

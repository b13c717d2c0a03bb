#include <gtest/gtest.h>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

TEST(Win32Volume, TheDriveOrTheShareIsAsked) {
    EXPECT_EQ(volumeRoot(u"C:\\data\\sub\\"), u"C:\\");
    EXPECT_EQ(volumeRoot(u"\\\\server\\share\\dir\\"), u"\\\\server\\share\\");
    testing::TempFolder temp;
    EXPECT_FALSE(fileSystemName(temp.root()).empty());
    EXPECT_EQ(fileSystemName(u"\\\\no-such-server-here\\share\\"), u"");
}

}  // namespace
}  // namespace movra::win32

#include <gtest/gtest.h>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

TEST(Win32Paths, FullPathResolvesStepsAndRefusesWhatDoesNotFit) {
    testing::TempFolder temp;
    std::u16string folder = temp.root();
    folder.pop_back();
    EXPECT_EQ(fullPath(temp.at(u"sub\\..\\sub\\.\\")), std::optional(folder + u"\\sub"));
    EXPECT_EQ(fullPath(u"C:\\a\\.."), std::optional<std::u16string>(u"C:\\"));
    EXPECT_NE(fullPath(u"C:\\" + std::u16string(256, u'n')), std::nullopt);  // 259 fit
    EXPECT_EQ(fullPath(u"C:\\" + std::u16string(257, u'n')), std::nullopt);
}

}  // namespace
}  // namespace movra::win32

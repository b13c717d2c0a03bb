#include <gtest/gtest.h>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

TEST(Win32Paths, SameFolderFoldsOnlyAsciiLetters) {
    EXPECT_TRUE(isSameFolder(u"C:\\Data\\Sub\\", u"c:\\data\\SUB\\"));
    EXPECT_FALSE(isSameFolder(u"C:\\\u00C4rger\\", u"C:\\\u00E4rger\\"));
    EXPECT_FALSE(isSameFolder(u"C:\\a\\", u"C:\\a\\b\\"));
}

TEST(Win32Paths, OverlapIsAWholeFolderPrefix) {
    EXPECT_TRUE(rootsOverlap(u"C:\\A\\", u"c:\\a\\b\\"));
    EXPECT_TRUE(rootsOverlap(u"c:\\a\\b\\", u"C:\\A\\"));
    EXPECT_FALSE(rootsOverlap(u"C:\\a\\", u"C:\\ab\\"));
    EXPECT_FALSE(rootsOverlap(u"C:\\\u00C4\\", u"C:\\\u00E4\\x\\"));
}

TEST(Win32Paths, FullPathResolvesStepsAndDropsTrailingSeparator) {
    testing::TempFolder temp;
    temp.folder(u"sub");
    const std::u16string folder = temp.root().substr(0, temp.root().size() - 1);
    EXPECT_EQ(fullPath(temp.at(u"sub\\..\\sub\\.\\")), std::optional(folder + u"\\sub"));
    EXPECT_EQ(fullPath(u"C:\\"), std::optional<std::u16string>(u"C:\\"));
    EXPECT_EQ(fullPath(u"C:\\a\\.."), std::optional<std::u16string>(u"C:\\"));
}

TEST(Win32Paths, FullPathRefusesWhatDoesNotFit) {
    EXPECT_EQ(fullPath(u"C:\\" + std::u16string(257, u'n')), std::nullopt);
    EXPECT_NE(fullPath(u"C:\\" + std::u16string(256, u'n')), std::nullopt);
}

TEST(Win32Paths, AttributesListingAndExistenceOfFilesAndFolders) {
    testing::TempFolder temp;
    temp.file(u"file.txt", 3);
    temp.folder(u"dir");
    ASSERT_TRUE(fileAttributes(temp.at(u"dir")).has_value());
    EXPECT_NE(*fileAttributes(temp.at(u"dir")) & kAttribDirectory, 0u);
    EXPECT_EQ(*fileAttributes(temp.at(u"file.txt")) & kAttribDirectory, 0u);
    EXPECT_EQ(fileAttributes(temp.at(u"missing")), std::nullopt);

    EXPECT_TRUE(canListFolder(temp.at(u"dir")));
    EXPECT_FALSE(canListFolder(temp.at(u"file.txt")));
    EXPECT_FALSE(canListFolder(temp.at(u"missing")));

    EXPECT_TRUE(pathExists(temp.at(u"dir")));
    EXPECT_TRUE(pathExists(temp.at(u"FILE.TXT")));
    EXPECT_FALSE(pathExists(temp.at(u"missing")));
}

}  // namespace
}  // namespace movra::win32

#include <gtest/gtest.h>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

TEST(Win32Rename, SpellingCheckComparesTheNameExactly) {
    testing::TempFolder temp;
    temp.file(u"readme.txt", 1);
    EXPECT_TRUE(entryHasSpelling(temp.at(u"readme.txt")));
    EXPECT_FALSE(entryHasSpelling(temp.at(u"Readme.TXT")));
    EXPECT_FALSE(entryHasSpelling(temp.at(u"missing.txt")));
}

TEST(Win32Rename, NeverReplacesAnExistingEntry) {
    testing::TempFolder temp;
    temp.file(u"a.txt", 1, 'a');
    temp.file(u"b.txt", 2, 'b');
    EXPECT_FALSE(renameEntry(temp.at(u"a.txt"), temp.at(u"b.txt")));
    EXPECT_TRUE(pathExists(temp.at(u"a.txt")));
    EXPECT_TRUE(renameEntry(temp.at(u"a.txt"), temp.at(u"c.txt")));
    EXPECT_TRUE(entryHasSpelling(temp.at(u"c.txt")));
    EXPECT_FALSE(pathExists(temp.at(u"a.txt")));
}

// Success is reported only when the new spelling is what the folder now holds; where the
// file system keeps the old one (Wine on a case-sensitive host does) it is a failure.
TEST(Win32Rename, CaseOnlyRenameSucceedsOnlyWithTheNewSpelling) {
    testing::TempFolder temp;
    temp.file(u"readme.txt", 1);
    temp.folder(u"docs");
    const bool file = renameEntry(temp.at(u"readme.txt"), temp.at(u"Readme.TXT"));
    EXPECT_EQ(file, entryHasSpelling(temp.at(u"Readme.TXT")));
    EXPECT_EQ(!file, entryHasSpelling(temp.at(u"readme.txt")));
    const bool folder = renameEntry(temp.at(u"docs"), temp.at(u"Docs"));
    EXPECT_EQ(folder, entryHasSpelling(temp.at(u"Docs")));
}

}  // namespace
}  // namespace movra::win32

#include <gtest/gtest.h>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

TEST(Win32Rename, NeverReplacesAnExistingEntry) {
    testing::TempFolder temp;
    temp.file(u"a.txt", 1);
    temp.file(u"b.txt", 2);
    EXPECT_FALSE(renameEntry(temp.at(u"a.txt"), temp.at(u"b.txt")));
    EXPECT_TRUE(pathExists(temp.at(u"a.txt")));
    EXPECT_TRUE(renameEntry(temp.at(u"a.txt"), temp.at(u"c.txt")));
    EXPECT_TRUE(entryHasSpelling(temp.at(u"c.txt")));
}

// Success only when the folder now holds the new spelling; where the file system keeps
// the old one (Wine on a case-sensitive host does) it is a failure.
TEST(Win32Rename, CaseOnlyRenameSucceedsOnlyWithTheNewSpelling) {
    testing::TempFolder temp;
    temp.file(u"readme.txt", 1);
    temp.folder(u"docs");
    EXPECT_FALSE(entryHasSpelling(temp.at(u"README.txt")));
    const bool file = renameEntry(temp.at(u"readme.txt"), temp.at(u"Readme.TXT"));
    EXPECT_EQ(file, entryHasSpelling(temp.at(u"Readme.TXT")));
    EXPECT_EQ(!file, entryHasSpelling(temp.at(u"readme.txt")));
    const bool folder = renameEntry(temp.at(u"docs"), temp.at(u"Docs"));
    EXPECT_EQ(folder, entryHasSpelling(temp.at(u"Docs")));
}

}  // namespace
}  // namespace movra::win32

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

const FolderEntry* find(const FolderListingResult& result, const std::u16string& name) {
    const auto it = std::find_if(result.entries.begin(), result.entries.end(),
                                 [&](const FolderEntry& e) { return e.name == name; });
    return it == result.entries.end() ? nullptr : &*it;
}

TEST(Win32Listing, ReportsEveryEntryWithItsRecord) {
    testing::TempFolder temp;
    temp.file(u"Big.bin", 70000);
    temp.file(u"\u00E4rger.txt", 0);
    temp.folder(u"sub.d");
    const FolderListingResult result = listFolder(temp.root());
    ASSERT_EQ(result.outcome, ListOutcome::Listed);
    ASSERT_NE(find(result, u"Big.bin"), nullptr);
    EXPECT_EQ(find(result, u"Big.bin")->size, 70000);
    EXPECT_EQ(find(result, u"Big.bin")->attrib & kAttribDirectory, 0u);
    EXPECT_GT(find(result, u"Big.bin")->time_write, 1500000000);
    ASSERT_NE(find(result, u"\u00E4rger.txt"), nullptr);
    ASSERT_NE(find(result, u"sub.d"), nullptr);
    EXPECT_NE(find(result, u"sub.d")->attrib & kAttribDirectory, 0u);
}

TEST(Win32Listing, MissingFolderAndFileAreNotFound) {
    testing::TempFolder temp;
    temp.file(u"plain", 1);
    EXPECT_EQ(listFolder(temp.at(u"missing\\")).outcome, ListOutcome::NotFound);
    EXPECT_EQ(listFolder(temp.at(u"plain\\")).outcome, ListOutcome::NotFound);
    EXPECT_TRUE(listFolder(temp.at(u"plain\\")).entries.empty());
}

}  // namespace
}  // namespace movra::win32

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/temp_folder_win32_test.h"
#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

TEST(Win32Listing, ReportsEachEntryOrWhyThereIsNone) {
    testing::TempFolder temp;
    temp.file(u"\u00E4rger.bin", 70000);
    temp.folder(u"sub.d");
    const FolderListingResult result = listFolder(temp.root());
    ASSERT_EQ(result.outcome, ListOutcome::Listed);
    const auto entry = [&](const std::u16string& name) {
        return *std::find_if(result.entries.begin(), result.entries.end(),
                             [&](const FolderEntry& e) { return e.name == name; });
    };
    EXPECT_EQ(entry(u"\u00E4rger.bin").size, 70000);
    EXPECT_GT(entry(u"\u00E4rger.bin").time_write, 1500000000);
    EXPECT_NE(entry(u"sub.d").attrib & kAttribDirectory, 0u);
    EXPECT_EQ(listFolder(temp.at(u"missing\\")).outcome, ListOutcome::NotFound);
    EXPECT_EQ(listFolder(temp.at(u"\u00E4rger.bin\\")).outcome, ListOutcome::NotFound);
}

}  // namespace
}  // namespace movra::win32

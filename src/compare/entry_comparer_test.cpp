#include "compare/entry_comparer.h"

#include <gtest/gtest.h>

#include "captured_output.h"
#include "cli/run_settings.h"

namespace movra {
namespace {

using testing::CapturedOutput;
using testing::fileEntry;
using testing::folderEntry;

class EntryComparerTest : public ::testing::Test {
protected:
    void SetUp() override {
        platformCalls().localTime = [](std::int64_t s) -> std::optional<LocalTime> {
            return LocalTime{2025, 1, 1, 0, 0, static_cast<int>(s % 60)};
        };
    }
    CapturedOutput output;
};

TEST_F(EntryComparerTest, TimeToleranceIgnoresTwoSecondsOnlyAcrossFileSystemKinds) {
    const FolderEntry source = fileEntry(u"f", 1, 100);
    EXPECT_FALSE(EntryComparer(source, fileEntry(u"f", 1, 102), u"", false));
    EXPECT_FALSE(EntryComparer(source, fileEntry(u"f", 1, 98), u"", false));
    runSettings().timeToleranceSeconds = 2;
    EXPECT_TRUE(EntryComparer(source, fileEntry(u"f", 1, 102), u"", false));
    EXPECT_TRUE(EntryComparer(source, fileEntry(u"f", 1, 98), u"", false));
    EXPECT_FALSE(EntryComparer(source, fileEntry(u"f", 1, 103), u"", false));
    EXPECT_EQ(output.out(),
              u"Different:   f (Time)\nDifferent:   f (Time)\nDifferent:   f (Time)\n");
}

TEST_F(EntryComparerTest, UnknownTimesNeitherMatchRealOnesNorBreakTheComparison) {
    runSettings().includeCreationTime = true;
    FolderEntry source = fileEntry(u"f", 1, 100);
    FolderEntry target = fileEntry(u"f", 1, 100);
    source.time_create = -1;
    target.time_create = 5;
    EXPECT_TRUE(EntryComparer(source, target, u"", false));
    target.time_write = -1;
    EXPECT_FALSE(EntryComparer(source, target, u"", false));
    source.time_write = -1;
    EXPECT_TRUE(EntryComparer(source, target, u"", false));
}

TEST_F(EntryComparerTest, TagsAndValueLinesComeInTheirFixedOrder) {
    RunSettings& settings = runSettings();
    settings.compareAttributes = true;
    settings.includeCreationTime = true;
    settings.includeHiddenSystem = true;
    settings.verbose = true;
    FolderEntry source = fileEntry(u"Readme.TXT", 1000, 10, 0x20);
    FolderEntry target = fileEntry(u"readme.txt", 999, 20, 0x22);
    target.time_create = 30;
    EXPECT_FALSE(EntryComparer(source, target, u"", false));
    EXPECT_EQ(output.out(),
              u"Different:   Readme.TXT (Name)(Size)(Time)(Create Time)(Attribute)\n"
              u"             Readme.TXT - readme.txt\n"
              u"             1,000 - 999\n"
              u"             2025/01/01 00:00:10 - 2025/01/01 00:00:20\n"
              u"             2025/01/01 00:00:10 - 2025/01/01 00:00:30\n"
              u"             ... - .H.\n");
}

TEST_F(EntryComparerTest, FoldersCompareOnlyNameAndAttributes) {
    runSettings().compareAttributes = true;
    FolderEntry source = folderEntry(u"d", 0x10);
    source.time_write = 1;
    FolderEntry target = folderEntry(u"d", 0x30);  // archive bit only
    target.time_write = 99;
    EXPECT_TRUE(EntryComparer(source, target, u"", true));
    target.attrib = 0x11;
    EXPECT_FALSE(EntryComparer(source, target, u"", true));
    EXPECT_EQ(output.out(), u"Different:   <DIR> d (Attribute)\n");
}

TEST_F(EntryComparerTest, ModeNLooksOnlyAtTheName) {
    runSettings().compareSize = false;
    runSettings().compareDateTime = false;
    EXPECT_TRUE(EntryComparer(fileEntry(u"f", 1, 1), fileEntry(u"f", 2, 9), u"", false));
    EXPECT_FALSE(EntryComparer(fileEntry(u"F", 1, 1), fileEntry(u"f", 1, 1), u"", false));
}

TEST_F(EntryComparerTest, NameFixAnnouncesRenamesAndFailuresButNeverCountsThem) {
    runSettings().fixNameCase = true;
    std::vector<std::pair<std::u16string, std::u16string>> renames;
    static std::vector<std::pair<std::u16string, std::u16string>>* log = nullptr;
    log = &renames;
    platformCalls().renameEntry = [](const std::u16string& from, const std::u16string& to) {
        log->emplace_back(from, to);
        return to.find(u"Locked") == std::u16string::npos;
    };
    EXPECT_TRUE(EntryComparer(fileEntry(u"Readme.TXT"), fileEntry(u"readme.txt"), u"d/", false));
    EXPECT_TRUE(EntryComparer(fileEntry(u"Locked"), fileEntry(u"locked"), u"", false));
    EXPECT_FALSE(EntryComparer(fileEntry(u"Big", 2), fileEntry(u"big", 1), u"", false));
    EXPECT_EQ(output.out(),
              u"<d>\n"
              u"*Rename:     readme.txt -> Readme.TXT\n"
              u"*Rename:     locked -> Locked\n"
              u"             ###Error###\n"
              u"*Rename:     big -> Big\n"
              u"Different:   Big (Size)\n");
    ASSERT_EQ(renames.size(), 3u);
    EXPECT_EQ(renames[0].first, u"/tgt/d/readme.txt");
    EXPECT_EQ(renames[0].second, u"/tgt/d/Readme.TXT");
}

}  // namespace
}  // namespace movra

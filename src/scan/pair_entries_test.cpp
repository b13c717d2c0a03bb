#include <gtest/gtest.h>

#include "captured_output.h"
#include "cli/run_settings.h"
#include "scan/folder_comparer.h"

namespace movra {
namespace {

using testing::CapturedOutput;
using testing::fileEntry;
using testing::folderEntry;

TEST(PairEntries, SourceEntriesInOrderThenTargetOnlyEntries) {
    CapturedOutput output;
    runSettings().listFormat = true;
    const std::vector<FolderEntry> folders{folderEntry(u"alpha"), folderEntry(u"gamma")};
    const std::vector<FolderEntry> targetFolders{folderEntry(u"beta"), folderEntry(u"gamma")};
    EXPECT_FALSE(PairEntries(folders, targetFolders, u"", true));
    const std::vector<FolderEntry> files{fileEntry(u"x.txt"), fileEntry(u"z.txt", 1)};
    const std::vector<FolderEntry> targetFiles{fileEntry(u"y.txt"), fileEntry(u"z.txt", 2)};
    EXPECT_FALSE(PairEntries(files, targetFiles, u"", false));
    EXPECT_EQ(output.out(),
              u"Copy Dir: alpha\nDelete Dir: beta\nCopy: x.txt\nUpdate: z.txt\nDelete: y.txt\n");
}

TEST(PairEntries, EveryEntryIsReportedOnceWhenOneSideIsEmptyOrEqual) {
    CapturedOutput output;
    runSettings().listFormat = true;
    const std::vector<FolderEntry> some{fileEntry(u"a"), fileEntry(u"b")};
    EXPECT_TRUE(PairEntries({}, {}, u"", false));
    EXPECT_TRUE(PairEntries(some, some, u"", false));
    EXPECT_FALSE(PairEntries(some, {}, u"", false));
    EXPECT_FALSE(PairEntries({}, some, u"", false));
    EXPECT_EQ(output.out(), u"Copy: a\nCopy: b\nDelete: a\nDelete: b\n");
}

TEST(PairEntries, CaseTwinsPairExactSpellingsFirst) {
    CapturedOutput output;
    runSettings().listFormat = true;
    // Listing order: equal-ignoring-case names by exact code units.
    const std::vector<FolderEntry> source{fileEntry(u"README"), fileEntry(u"readme")};
    EXPECT_TRUE(PairEntries(source, source, u"", false));
    const std::vector<FolderEntry> target{fileEntry(u"ReadMe"), fileEntry(u"readme")};
    EXPECT_FALSE(PairEntries(source, target, u"", false));
    EXPECT_EQ(output.out(), u"Rename: README\n");

    output.clear();
    const std::vector<FolderEntry> three{fileEntry(u"A"), fileEntry(u"a")};
    const std::vector<FolderEntry> one{fileEntry(u"a")};
    EXPECT_FALSE(PairEntries(three, one, u"", false));
    EXPECT_EQ(output.out(), u"Copy: A\n");
}

TEST(PairEntries, NamesEqualButForCaseFormAPairWithANameDifference) {
    CapturedOutput output;
    const std::vector<FolderEntry> source{folderEntry(u"Foo"), folderEntry(u"Ärger")};
    const std::vector<FolderEntry> target{folderEntry(u"foo"), folderEntry(u"ärger")};
    EXPECT_FALSE(PairEntries(source, target, u"", true));
    EXPECT_EQ(output.out(),
              u"Different:   <DIR> Foo (Name)\n"
              u"Source Only: <DIR> Ärger\n"
              u"Target Only: <DIR> ärger\n");
}

}  // namespace
}  // namespace movra

#include "platform/posix/rename_posix.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <string>

#include "platform/posix/posix_calls.h"
#include "platform/posix/temp_folder_posix_test.h"

namespace movra::posix {
namespace {

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* d = dir != nullptr ? ::readdir(dir) : nullptr) {
        if (std::string(d->d_name) != "." && std::string(d->d_name) != "..") {
            names.insert(d->d_name);
        }
    }
    if (dir != nullptr) {
        ::closedir(dir);
    }
    return names;
}

TEST(PosixRename, RenamesToAFreeName) {
    testing::TempFolder temp;
    temp.file("readme.txt", 5);
    EXPECT_TRUE(renameEntry(temp.at("readme.txt"), temp.at("Readme.TXT")));
    EXPECT_EQ(namesIn(temp.path()), std::set<std::string>{"Readme.TXT"});
}

TEST(PosixRename, RenamesFoldersAndNamesThatAreNotUtf8) {
    testing::TempFolder temp;
    temp.folder("docs\xFF");
    EXPECT_TRUE(renameEntry(temp.at("docs\xFF"), temp.at("Docs\xFF")));
    EXPECT_EQ(namesIn(temp.path()), std::set<std::string>{"Docs\xFF"});
}

TEST(PosixRename, NeverReplacesAnExistingEntry) {
    testing::TempFolder temp;
    temp.file("old", 3);
    temp.file("new", 7);
    temp.folder("dir");
    EXPECT_FALSE(renameEntry(temp.at("old"), temp.at("new")));
    EXPECT_FALSE(renameEntry(temp.at("old"), temp.at("dir")));
    EXPECT_EQ(namesIn(temp.path()), (std::set<std::string>{"dir", "new", "old"}));
    EXPECT_EQ(renameWithoutReplacing(temp.bytesAt("old").c_str(), temp.bytesAt("new").c_str()),
              EEXIST);
}

TEST(PosixRename, MissingEntryFails) {
    testing::TempFolder temp;
    EXPECT_FALSE(renameEntry(temp.at("missing"), temp.at("Missing")));
}

TEST(PosixRename, TwoLinksToOneFileStayAsTheyAre) {
    // The same inode under both names is how a case-insensitive file system shows a
    // case-only rename; with two real hard links the new name is taken and nothing moves.
    testing::TempFolder temp;
    temp.file("one", 3);
    ASSERT_EQ(::link(temp.bytesAt("one").c_str(), temp.bytesAt("One").c_str()), 0);
    EXPECT_FALSE(renameEntry(temp.at("one"), temp.at("One")));
    EXPECT_EQ(namesIn(temp.path()), (std::set<std::string>{"One", "one"}));
}

TEST(PosixRename, TemporaryNameRouteLeavesOnlyTheNewName) {
    testing::TempFolder temp;
    temp.file("readme", 3);
    const std::string folder = temp.path() + "/";
    EXPECT_EQ(renameThroughTemporaryName(folder.c_str(), temp.bytesAt("readme").c_str(),
                                         temp.bytesAt("README").c_str()),
              0);
    EXPECT_EQ(namesIn(temp.path()), std::set<std::string>{"README"});
}

TEST(PosixRename, TemporaryNameRouteRestoresTheOldNameWhenTheNewIsTaken) {
    testing::TempFolder temp;
    temp.file("readme", 3);
    temp.file("README", 4);
    const std::string folder = temp.path() + "/";
    EXPECT_EQ(renameThroughTemporaryName(folder.c_str(), temp.bytesAt("readme").c_str(),
                                         temp.bytesAt("README").c_str()),
              EEXIST);
    EXPECT_EQ(namesIn(temp.path()), (std::set<std::string>{"README", "readme"}));
}

}  // namespace
}  // namespace movra::posix

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/posix/posix_calls.h"
#include "platform/posix/temp_folder_posix_test.h"

namespace movra::posix {
namespace {

TEST(PosixPaths, FullPathIsCanonicalWithoutTrailingSlash) {
    testing::TempFolder temp;
    temp.folder("a");
    temp.folder("a/b");
    temp.link("shortcut", "a/b");
    const auto canonical = fullPath(temp.at("a/b"));
    ASSERT_TRUE(canonical);
    EXPECT_EQ(fullPath(temp.at("a/./b/")), canonical);
    EXPECT_EQ(fullPath(temp.at("a/b/../b")), canonical);
    EXPECT_EQ(fullPath(temp.at("shortcut")), canonical);
    EXPECT_FALSE(canonical->ends_with(u'/'));
    EXPECT_EQ(fullPath(u"/"), u"/");
    EXPECT_EQ(fullPath(temp.at("missing")), std::nullopt);
}

TEST(PosixPaths, FullPathResolvesRelativePaths) {
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(fullPath(u"."), utf16FromUtf8(cwd));
}

TEST(PosixPaths, AttributesOfFoldersFilesAndLinks) {
    testing::TempFolder temp;
    temp.folder("dir");
    temp.file("file", 1);
    temp.link("dangling", "missing");
    temp.link("to-dir", "dir");
    EXPECT_EQ(fileAttributes(temp.at("dir")), kAttribDirectory);
    EXPECT_EQ(fileAttributes(temp.at("dir/")), kAttribDirectory);
    EXPECT_EQ(fileAttributes(temp.at("file")), 0u);
    EXPECT_EQ(fileAttributes(temp.at("dangling")), kAttribReparsePoint);
    EXPECT_EQ(fileAttributes(temp.at("to-dir")), kAttribDirectory | kAttribReparsePoint);
    EXPECT_EQ(fileAttributes(temp.at("missing")), std::nullopt);
    EXPECT_EQ(fileAttributes(u".").value_or(0) & kAttribHidden, 0u);
}

TEST(PosixPaths, OnlyFoldersCanBeListed) {
    testing::TempFolder temp;
    temp.folder("dir");
    temp.file("file", 1);
    EXPECT_TRUE(canListFolder(temp.at("dir")));
    EXPECT_FALSE(canListFolder(temp.at("file")));
    EXPECT_FALSE(canListFolder(temp.at("missing")));
}

TEST(PosixPaths, SameFolderByIdentity) {
    testing::TempFolder temp;
    temp.folder("a");
    temp.folder("b");
    temp.link("link-to-a", "a");
    EXPECT_TRUE(isSameFolder(temp.at("a/"), temp.at("link-to-a/")));
    EXPECT_FALSE(isSameFolder(temp.at("a/"), temp.at("b/")));
    EXPECT_EQ(folderIdentity(temp.at("a")), folderIdentity(temp.at("link-to-a")));
    EXPECT_EQ(folderIdentity(temp.at("missing")), std::nullopt);
}

TEST(PosixPaths, OverlapIsAnExactPrefix) {
    EXPECT_TRUE(rootsOverlap(u"/data/a/", u"/data/a/b/"));
    EXPECT_TRUE(rootsOverlap(u"/data/a/b/", u"/data/a/"));
    EXPECT_TRUE(rootsOverlap(u"/", u"/data/"));
    EXPECT_FALSE(rootsOverlap(u"/data/a/", u"/data/ab/"));
    EXPECT_FALSE(rootsOverlap(u"/data/A/", u"/data/a/b/"));
}

TEST(PosixPaths, ExistenceOfAnyEntry) {
    testing::TempFolder temp;
    temp.folder("dir");
    temp.file("file", 0);
    EXPECT_TRUE(pathExists(temp.at("dir")));
    EXPECT_TRUE(pathExists(temp.at("file")));
    EXPECT_FALSE(pathExists(temp.at("missing")));
}

TEST(PosixPaths, FileSystemOfTheRootIsNamed) {
    EXPECT_FALSE(fileSystemName(u"/").empty());
}

}  // namespace
}  // namespace movra::posix

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

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

TEST(PosixPaths, AttributesTakeDosAttribIntoAccount) {
    testing::TempFolder temp;
    temp.file(".hidden-by-name", 1);
    const std::string system = "0x4";
    if (::setxattr(temp.bytesAt(".hidden-by-name").c_str(), "user.DOSATTRIB", system.data(),
                   system.size(), 0) != 0) {
        GTEST_SKIP() << "the file system of " << temp.path()
                     << " keeps no user extended attributes: " << std::strerror(errno);
    }
    EXPECT_EQ(fileAttributes(temp.at(".hidden-by-name")), kAttribSystem);
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
    EXPECT_FALSE(pathExists(temp.at("file/below-a-file")));
}

// A chain of folders whose full paths are longer than one call may name, made and
// removed relative to descriptors.
class DeepChain {
public:
    static constexpr int kLevels = 500;
    static constexpr const char* kStep = "level-0000";

    explicit DeepChain(const std::string& top) {
        int fd = ::open(top.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        for (int level = 0; level < kLevels && fd >= 0; ++level) {
            ::mkdirat(fd, kStep, 0755);
            folders_.push_back(fd);
            fd = ::openat(fd, kStep, O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        ::close(::openat(fd, "bottom", O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        folders_.push_back(fd);
    }
    ~DeepChain() {
        ::unlinkat(folders_.back(), "bottom", 0);
        for (std::size_t i = folders_.size(); i-- > 0;) {
            ::close(folders_[i]);
            if (i > 0) {
                ::unlinkat(folders_[i - 1], kStep, AT_REMOVEDIR);
            }
        }
    }
    // The path of the bottom folder below `top`, ending in "/".
    static std::string path() {
        std::string path;
        for (int level = 0; level < kLevels; ++level) {
            path += std::string(kStep) + "/";
        }
        return path;
    }

private:
    std::vector<int> folders_;
};

TEST(PosixPaths, EntriesBeyondThePathLimitAreFoundInPieces) {
    testing::TempFolder temp;
    const DeepChain chain(temp.path());
    const std::u16string bottom = temp.at(DeepChain::path());
    ASSERT_GT(bottom.size(), 4096u);
    EXPECT_TRUE(pathExists(bottom + u"bottom"));
    EXPECT_TRUE(pathExists(bottom));
    EXPECT_FALSE(pathExists(bottom + u"missing"));
    EXPECT_FALSE(pathExists(bottom + u"bottom/below-a-file"));
    // They cannot be listed, which the listing reports.
    EXPECT_EQ(listFolder(bottom).outcome, ListOutcome::Unreadable);
}

TEST(PosixPaths, OneNameBeyondThePathLimitNamesNothing) {
    EXPECT_FALSE(pathExists(u"/" + std::u16string(10000, u'b')));
    EXPECT_FALSE(pathExists(std::u16string(5000, u'b') + u"/" + std::u16string(5000, u'c')));
}

TEST(PosixPaths, FileSystemOfTheRootIsNamed) {
    EXPECT_FALSE(fileSystemName(u"/").empty());
}

}  // namespace
}  // namespace movra::posix

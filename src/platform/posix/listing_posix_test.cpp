#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/posix/dos_attrib.h"
#include "platform/posix/posix_calls.h"
#include "platform/posix/temp_folder_posix_test.h"

namespace movra::posix {
namespace {

const FolderEntry* find(const FolderListingResult& result, const std::u16string& name) {
    const auto it = std::find_if(result.entries.begin(), result.entries.end(),
                                 [&](const FolderEntry& e) { return e.name == name; });
    return it == result.entries.end() ? nullptr : &*it;
}

void setModified(const std::string& path, std::int64_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

TEST(PosixListing, ReportsFilesAndFoldersWithTheirData) {
    testing::TempFolder temp;
    temp.file("Big.bin", 70000);
    temp.folder("sub");
    temp.folder("...");
    setModified(temp.bytesAt("Big.bin"), 1600000000);
    const FolderListingResult result = listFolder(temp.root());
    ASSERT_EQ(result.outcome, ListOutcome::Listed);
    const FolderEntry* big = find(result, u"Big.bin");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->attrib, 0u);
    EXPECT_EQ(big->size, 70000);
    EXPECT_EQ(big->time_write, 1600000000);
    EXPECT_TRUE(big->time_create == -1 || big->time_create > 1500000000);
    const FolderEntry* sub = find(result, u"sub");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->attrib, kAttribDirectory);
    EXPECT_EQ(sub->size, 0);
    ASSERT_NE(find(result, u"..."), nullptr);  // only "." and ".." are left out
    EXPECT_EQ(find(result, u"...")->attrib, kAttribDirectory | kAttribHidden);
}

TEST(PosixListing, EmptyFolderHasNoEntriesBesidesDots) {
    testing::TempFolder temp;
    const FolderListingResult result = listFolder(temp.root());
    EXPECT_EQ(result.outcome, ListOutcome::Listed);
    for (const FolderEntry& entry : result.entries) {
        EXPECT_TRUE(entry.name == u"." || entry.name == u"..");
    }
}

TEST(PosixListing, DotNamesAreHidden) {
    testing::TempFolder temp;
    temp.file(".profile", 1);
    temp.folder(".cache");
    const FolderListingResult result = listFolder(temp.root());
    ASSERT_NE(find(result, u".profile"), nullptr);
    EXPECT_EQ(find(result, u".profile")->attrib, kAttribHidden);
    ASSERT_NE(find(result, u".cache"), nullptr);
    EXPECT_EQ(find(result, u".cache")->attrib, kAttribHidden | kAttribDirectory);
}

TEST(PosixListing, NoOwnerWritePermissionIsReadOnly) {
    // Mode bits read the same for root, who runs the tests in CI.
    testing::TempFolder temp;
    temp.file("locked", 1);
    temp.folder("frozen");
    ::chmod(temp.bytesAt("locked").c_str(), 0444);
    ::chmod(temp.bytesAt("frozen").c_str(), 0555);
    const FolderListingResult result = listFolder(temp.root());
    ASSERT_NE(find(result, u"locked"), nullptr);
    EXPECT_EQ(find(result, u"locked")->attrib, kAttribReadOnly);
    ASSERT_NE(find(result, u"frozen"), nullptr);
    EXPECT_EQ(find(result, u"frozen")->attrib, kAttribReadOnly | kAttribDirectory);
}

TEST(PosixListing, LinkIsListedAsWhatItPointsTo) {
    testing::TempFolder temp;
    temp.file("target.txt", 1234);
    temp.folder("dir");
    temp.link("to-file", "target.txt");
    temp.link("to-dir", "dir");
    const FolderListingResult result = listFolder(temp.root());
    const FolderEntry* toFile = find(result, u"to-file");
    ASSERT_NE(toFile, nullptr);
    EXPECT_EQ(toFile->attrib, kAttribReparsePoint);
    EXPECT_EQ(toFile->size, 1234);
    const FolderEntry* toDir = find(result, u"to-dir");
    ASSERT_NE(toDir, nullptr);
    EXPECT_EQ(toDir->attrib, kAttribReparsePoint | kAttribDirectory);
    EXPECT_EQ(toDir->size, 0);
}

TEST(PosixListing, DanglingLinkIsListedWithItsOwnData) {
    testing::TempFolder temp;
    temp.link("dangling", "nowhere/at/all");
    const FolderListingResult result = listFolder(temp.root());
    const FolderEntry* dangling = find(result, u"dangling");
    ASSERT_NE(dangling, nullptr);
    EXPECT_EQ(dangling->attrib, kAttribReparsePoint);
    EXPECT_EQ(dangling->size, static_cast<std::int64_t>(std::strlen("nowhere/at/all")));
}

bool setDosAttrib(const std::string& path, const std::string& value) {
    return ::setxattr(path.c_str(), "user.DOSATTRIB", value.data(), value.size(), 0) == 0;
}

// Gives three entries user.DOSATTRIB values; false when the file system keeps none.
bool setDosAttribs(const testing::TempFolder& temp) {
    temp.file("plain", 1);
    temp.file(".dotted", 1);
    temp.folder("folder");
    return setDosAttrib(temp.bytesAt("plain"), "0x4") &&
           setDosAttrib(temp.bytesAt(".dotted"), std::string("0x20\0", 5)) &&  // as Samba
           setDosAttrib(temp.bytesAt("folder"), "0x3");
}

void expectDosAttribsListed(const testing::TempFolder& temp) {
    const FolderListingResult result = listFolder(temp.root());
    ASSERT_NE(find(result, u"plain"), nullptr);
    EXPECT_EQ(find(result, u"plain")->attrib, kAttribSystem);
    ASSERT_NE(find(result, u".dotted"), nullptr);
    EXPECT_EQ(find(result, u".dotted")->attrib, 0u);
    ASSERT_NE(find(result, u"folder"), nullptr);
    EXPECT_EQ(find(result, u"folder")->attrib, kAttribDirectory | kAttribHidden | kAttribReadOnly);
}

TEST(PosixListing, DosAttribReplacesDerivedBits) {
    testing::TempFolder temp;
    if (!setDosAttribs(temp)) {
        GTEST_SKIP() << "the file system of " << temp.path()
                     << " keeps no user extended attributes: " << std::strerror(errno);
    }
    expectDosAttribsListed(temp);
}

TEST(PosixListing, DosAttribIsReadByPathWithoutGetxattrat) {
    testing::TempFolder temp;
    if (!setDosAttribs(temp)) {
        GTEST_SKIP() << "the file system of " << temp.path()
                     << " keeps no user extended attributes: " << std::strerror(errno);
    }
    allowGetxattrat(false);
    expectDosAttribsListed(temp);
    allowGetxattrat(true);
}

TEST(PosixListing, NamesThatAreNotUtf8ComeBackAsEscapes) {
    testing::TempFolder temp;
    temp.file("caf\xE9.txt", 3);
    temp.file("\xE6\x97\xA5.txt", 4);
    const FolderListingResult result = listFolder(temp.root());
    const FolderEntry* latin1 = find(result, u"caf\xDCE9.txt");
    ASSERT_NE(latin1, nullptr);
    EXPECT_EQ(latin1->size, 3);
    ASSERT_NE(find(result, u"\u65E5.txt"), nullptr);
    EXPECT_TRUE(pathExists(temp.root() + latin1->name));
}

TEST(PosixListing, MissingFolderOrFileIsNotFound) {
    testing::TempFolder temp;
    temp.file("plain", 1);
    EXPECT_EQ(listFolder(temp.at("missing/")).outcome, ListOutcome::NotFound);
    EXPECT_EQ(listFolder(temp.at("plain/")).outcome, ListOutcome::NotFound);
    EXPECT_TRUE(listFolder(temp.at("plain/")).entries.empty());
}

TEST(PosixListing, NameTooLongIsUnreadable) {
    testing::TempFolder temp;
    EXPECT_EQ(listFolder(temp.at(std::string(300, 'n') + "/")).outcome, ListOutcome::Unreadable);
}

TEST(PosixListing, FolderWithoutPermissionIsUnreadable) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder whatever its mode";
    }
    testing::TempFolder temp;
    temp.folder("closed");
    ::chmod(temp.bytesAt("closed").c_str(), 0);
    EXPECT_EQ(listFolder(temp.at("closed/")).outcome, ListOutcome::Unreadable);
}

}  // namespace
}  // namespace movra::posix

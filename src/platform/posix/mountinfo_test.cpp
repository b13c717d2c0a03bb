#include "platform/posix/mountinfo.h"

#include <gtest/gtest.h>

namespace movra::posix {
namespace {

constexpr std::string_view kMountinfo =
    "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
    "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
    "40 27 0:40 / /home rw,relatime shared:5 - xfs /dev/vdb rw\n"
    "41 40 8:17 / /home/user/usb rw,relatime shared:6 master:1 - vfat /dev/sdb1 rw\n"
    "42 27 0:42 / /data\\040set rw,relatime - btrfs /dev/vdc rw\n"
    "43 27 0:23 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
    "44 43 0:27 / /dev/shm rw,relatime - ramfs none rw\n"
    "this line is not a mount\n";

TEST(Mountinfo, LongestMountPointThatHoldsThePathWins) {
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/home/user/usb/photos/"), "vfat");
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/home/user/usb/"), "vfat");
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/home/user/"), "xfs");
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/srv/"), "ext4");
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/"), "ext4");
}

TEST(Mountinfo, APrefixOfANameIsNotAMountPoint) {
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/homework/"), "ext4");
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/home/user/usbkey/"), "xfs");
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/proc2/"), "ext4");
}

TEST(Mountinfo, EscapedBlanksInMountPoints) {
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/data set/x/"), "btrfs");
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/data\\040set/x/"), "ext4");
}

TEST(Mountinfo, TheLastMountOnAPointIsOnTop) {
    EXPECT_EQ(fileSystemTypeFor(kMountinfo, "/dev/shm/"), "ramfs");
}

TEST(Mountinfo, NothingMatchesInEmptyText) {
    EXPECT_EQ(fileSystemTypeFor("", "/"), "");
    EXPECT_EQ(fileSystemTypeFor("27 1 254:0 / /mnt rw - ext4 /dev/vda rw", "/"), "");
}

TEST(Mountinfo, DecodesOctalEscapes) {
    EXPECT_EQ(decodeMountinfoField("a\\040b\\011c\\134d"), "a b\tc\\d");
    EXPECT_EQ(decodeMountinfoField("trailing\\04"), "trailing\\04");
    EXPECT_EQ(decodeMountinfoField("\\999"), "\\999");
}

}  // namespace
}  // namespace movra::posix

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/posix/posix_calls.h"

namespace movra {
namespace {

TEST(PosixPlatformCalls, TableStartsAtTheRealCalls) {
    EXPECT_EQ(realPlatformCalls().listFolder, &posix::listFolder);
    EXPECT_EQ(realPlatformCalls().renameEntry, &posix::renameEntry);
    EXPECT_EQ(platformCalls().readKeyCode, realPlatformCalls().readKeyCode);
}

TEST(PosixPlatformCalls, ScopedTableRestoresReplacedCalls) {
    {
        ScopedPlatformCalls restore;
        platformCalls().pathExists = [](const std::u16string&) { return true; };
        EXPECT_TRUE(platform::pathExists(u"/no/such/entry/anywhere"));
    }
    EXPECT_FALSE(platform::pathExists(u"/no/such/entry/anywhere"));
}

TEST(PosixPlatformCalls, PathRules) {
    EXPECT_EQ(pathRules().separator, u'/');
    EXPECT_TRUE(pathRules().slashMayStartAPath);
    EXPECT_FALSE(pathRules().slashRefusedInPaths);
    EXPECT_TRUE(pathRules().openRenamedTargetByNewName);
}

}  // namespace
}  // namespace movra

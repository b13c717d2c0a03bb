// Faults the real system will not produce on demand here (the tests run as root, where
// permissions never deny), injected through the platform table over real trees. Each
// fault gives only its own line, the walk goes on, and the exit code stays right.
#include <gtest/gtest.h>

#include <filesystem>

#include "captured_output.h"
#include "cli/driver.h"
#include "cli/run_settings.h"
#include "platform/posix/utf8_text.h"
#include "temp_tree.h"

namespace movra {
namespace {

using testing::argumentFor;
using testing::CapturedOutput;
using testing::TempTree;

PlatformCalls& real() {
    static PlatformCalls calls;
    calls = realPlatformCalls();
    return calls;
}

bool endsWith(const std::u16string& text, std::u16string_view tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class WalkFaults : public ::testing::Test {
protected:
    void SetUp() override {
        tree.file("s/a.txt", "aaaa");
        tree.file("s/sub/inner.txt", "1234");
        tree.file("s/z.txt", "zzzz");
        std::filesystem::copy(tree.root() / "s", tree.root() / "t",
                              std::filesystem::copy_options::recursive);
        for (const char* file : {"a.txt", "sub/inner.txt", "z.txt"}) {
            std::filesystem::last_write_time(
                tree.root() / "t" / file,
                std::filesystem::last_write_time(tree.root() / "s" / file));
        }
        real();
    }

    int run(std::vector<std::u16string> options) {
        runSettings() = RunSettings{};
        output.clear();
        options.push_back(argumentFor(tree, "s"));
        options.push_back(argumentFor(tree, "t"));
        return runMovra(options);
    }

    CapturedOutput output;
    TempTree tree;
};

TEST_F(WalkFaults, UnreadableFolderIsSaidOnceAndItsPartnerEntriesAreOneSided) {
    // Stands for EACCES or EIO on opendir of the target's sub folder.
    platformCalls().listFolder = [](const std::u16string& path) {
        if (endsWith(path, u"/t/sub/")) {
            return FolderListingResult{ListOutcome::Unreadable, {}};
        }
        return real().listFolder(path);
    };
    EXPECT_EQ(run({u"/s", u"/ce"}), 1);
    EXPECT_EQ(output.out(), u"<sub>\nSource Only: inner.txt\n");
    EXPECT_TRUE(endsWith(output.err(), u"/t/sub - Folder was not able to open.\n"));
}

TEST_F(WalkFaults, FolderThatVanishesBeforeTheDescentIsSilent) {
    platformCalls().pathExists = [](const std::u16string& path) {
        return !endsWith(path, u"/t/sub") && real().pathExists(path);
    };
    EXPECT_EQ(run({u"/s"}), 0);
    EXPECT_EQ(output.err(), u"");
}

TEST_F(WalkFaults, FilesThatChangeOrVanishAfterTheListingAreHandledPerPair) {
    // a.txt vanishes (open fails); z.txt grows on the target side after it was listed.
    platformCalls().openForRead = [](const std::u16string& path) -> std::optional<FileHandle> {
        if (endsWith(path, u"/s/a.txt")) {
            return std::nullopt;
        }
        if (endsWith(path, u"/t/z.txt")) {
            TempTree::appendTo(posix::utf8FromUtf16(path), "more");
        }
        return real().openForRead(path);
    };
    EXPECT_EQ(run({u"/cc"}), 1);
    EXPECT_EQ(output.out(), u"Different:   z.txt (Content)\n");
    EXPECT_TRUE(endsWith(output.err(), u"/s/a.txt - File was not able to open.\n"));
}

TEST_F(WalkFaults, ReadOnlyTargetMakesTheRenameFailWithoutCountingIt) {
    std::filesystem::rename(tree.root() / "t/a.txt", tree.root() / "t/A.TXT");
    platformCalls().renameEntry = [](const std::u16string&, const std::u16string&) {
        return false;  // stands for EROFS or EACCES on the target folder
    };
    EXPECT_EQ(run({u"/f", u"/q"}), 0);
    EXPECT_EQ(output.out(), u"*Rename: A.TXT -> a.txt\n             ###Error###\n");
    EXPECT_TRUE(tree.exists("t/A.TXT"));
}

}  // namespace
}  // namespace movra

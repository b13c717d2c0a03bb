// The whole walk on real trees with the names, links and depths Linux allows and Windows
// does not, plus faults injected through the platform table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

// Runs the tool on `source` and `target` folders of `tree` with `options`.
int run(const TempTree& tree, std::vector<std::u16string> options) {
    runSettings() = RunSettings{};
    options.push_back(argumentFor(tree, "s"));
    options.push_back(argumentFor(tree, "t"));
    return runMovra(options);
}

// What the core prints for a byte name: invalid UTF-8 bytes travel as U+DC80..U+DCFF.
std::u16string shown(const std::string& bytes) {
    return posix::utf16FromUtf8(bytes);
}

TEST(WalkReliability, OddNamesArePairedComparedRenamedAndPrintedAsTheyAre) {
    CapturedOutput output;
    TempTree tree;
    const std::string invalid = "bad\xff\xfe name";
    const std::string longName = std::string(251, 'n') + ".txt";  // 255 bytes
    for (const std::string& name :
         {invalid, std::string("line\nbreak"), std::string("back\\slash"), std::string("-dash"),
          longName, std::string("smile\xf0\x9f\x98\x80")}) {
        tree.file("s/" + name, "same");
        tree.file("t/" + name, "same");
    }
    tree.file("s/sub\xe9/inner", "abc");
    tree.file("t/sub\xe9/inner", "abd");
    tree.file("s/Caf\xe9X", "1");
    tree.file("t/caf\xe9x", "1");
    std::filesystem::last_write_time(
        tree.root() / "s/sub\xe9/inner",
        std::filesystem::last_write_time(tree.root() / "t/sub\xe9/inner"));

    EXPECT_EQ(run(tree, {u"/s", u"/cc", u"/f"}), 1);
    EXPECT_EQ(output.out(), u"*Rename:     " + shown("caf\xe9x") + u" -> " + shown("Caf\xe9X") +
                                u"\n\n<" + shown("sub\xe9") + u">\nDifferent:   inner (Content)\n");
    EXPECT_EQ(output.err(), u"");
    EXPECT_TRUE(tree.exists("t/Caf\xe9X"));
    EXPECT_FALSE(tree.exists("t/caf\xe9x"));
}

TEST(WalkReliability, LinkToAnAncestorDoesNotMakeTheWalkGoRound) {
    CapturedOutput output;
    TempTree tree;
    for (const char* side : {"s", "t"}) {
        tree.file(std::string(side) + "/a/file", "x");
        std::filesystem::create_directory_symlink("..", tree.root() / side / "a" / "up");
        std::filesystem::create_symlink("missing", tree.root() / side / "dangling");
    }
    EXPECT_EQ(run(tree, {u"/s", u"/ce"}), 0);
    // A dangling link is listed as a file; opening it for its content fails.
    EXPECT_NE(output.err().find(u"dangling - File was not able to open."), std::u16string::npos);
}

TEST(WalkReliability, CaseTwinsPairByExactSpellingFirst) {
    CapturedOutput output;
    TempTree tree;
    for (const char* name : {"README", "readme", "ReadMe"}) {
        tree.file(std::string("s/") + name, name);
    }
    tree.file("t/readme", "readme");
    tree.file("t/README", "README");
    tree.file("t/ReadMe", "ReadMe");
    EXPECT_EQ(run(tree, {u"/cc"}), 0);
    std::filesystem::remove(tree.root() / "t/README");
    tree.file("t/REAdme", "README");
    output.clear();
    EXPECT_EQ(run(tree, {u"/cc", u"/f"}), 0);
    // The exact spellings pair with themselves; the leftover twins pair with each other.
    EXPECT_EQ(output.out(), u"*Rename:     REAdme -> README\n\nNo differences were found.\n");
    EXPECT_EQ(tree.read("t/README"), "README");
    EXPECT_EQ(tree.read("t/ReadMe"), "ReadMe");
}

TEST(WalkReliability, RenameNeverReplacesAnEntryOfTheNewName) {
    CapturedOutput output;
    TempTree tree;
    tree.file("s/Name", "1");
    tree.file("t/name", "1");
    tree.file("t/x/Name", "keep");  // another folder: not in the way
    EXPECT_EQ(run(tree, {u"/f"}), 0);
    // Make the new spelling taken behind the walk's back, as a second process might.
    std::filesystem::rename(tree.root() / "t/Name", tree.root() / "t/name");
    PlatformCalls& calls = platformCalls();
    static PlatformCalls real;
    real = realPlatformCalls();
    calls.renameEntry = [](const std::u16string& from, const std::u16string& to) {
        std::filesystem::path toPath(posix::utf8FromUtf16(to));
        std::ofstream(toPath) << "other";  // the new name appears just before the rename
        return real.renameEntry(from, to);
    };
    output.clear();
    run(tree, {u"/f"});
    EXPECT_NE(output.out().find(u"             ###Error###\n"), std::u16string::npos);
    EXPECT_EQ(tree.read("t/Name"), "other");
    EXPECT_EQ(tree.read("t/name"), "1");
}

constexpr int kDeepLevels = 1000;

// Builds or removes a chain of kDeepLevels folders under `top` by relative steps: its full
// paths are longer than the system lets a single call name.
void makeDeepChain(const std::filesystem::path& top) {
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(top);
    for (int level = 0; level < kDeepLevels; ++level) {
        std::filesystem::create_directory("level-0000");
        std::filesystem::current_path("level-0000");
    }
    std::ofstream("bottom") << "x";
    std::filesystem::current_path(start);
}

void removeDeepChain(const std::filesystem::path& top) {
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(top);
    for (int level = 0; level < kDeepLevels; ++level) {
        std::filesystem::current_path("level-0000");
    }
    std::filesystem::remove("bottom");
    for (int level = 0; level < kDeepLevels; ++level) {
        std::filesystem::current_path("..");
        std::filesystem::remove("level-0000");
    }
    std::filesystem::current_path(start);
}

TEST(WalkReliability, DeepTreesBeyondPathMaxEndWithoutACrash) {
    CapturedOutput output;
    TempTree tree;
    for (const char* side : {"s", "t"}) {
        tree.folder(side);
        makeDeepChain(tree.root() / side);
    }
    const int exitCode = run(tree, {u"/s"});
    removeDeepChain(tree.root() / "s");
    removeDeepChain(tree.root() / "t");
    EXPECT_EQ(exitCode, 0);
    // Levels past the system's path limit cannot be listed; each side says so once.
    const std::u16string& errors = output.err();
    EXPECT_NE(errors.find(u" - Folder was not able to open.\n"), std::u16string::npos);
    EXPECT_EQ(output.out().find(u"Only:"), std::u16string::npos);
}

}  // namespace
}  // namespace movra

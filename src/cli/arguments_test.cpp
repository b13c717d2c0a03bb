#include "cli/arguments.h"

#include <gtest/gtest.h>

#include "cli/folder_argument.h"
#include "platform/platform.h"

namespace movra {
namespace {

// A disk with the folders /a and /b, the file /a/file, and nothing else.
class ArgumentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (pathRules().separator != u'/') {
            GTEST_SKIP() << "the fake disk has POSIX paths";
        }
        PlatformCalls& calls = platformCalls();
        calls.fileAttributes = [](const std::u16string& p) -> std::optional<std::uint32_t> {
            if (p == u"/a" || p == u"/b" || p == u"a") {
                return kAttribDirectory;
            }
            return p == u"/a/file" ? std::optional<std::uint32_t>(0x20) : std::nullopt;
        };
        calls.canListFolder = [](const std::u16string& p) { return p == u"/listable-only"; };
        calls.fullPath = [](const std::u16string& p) -> std::optional<std::u16string> {
            return p[0] == u'/' ? p : u"/cwd/" + p;
        };
        calls.pathExists = [](const std::u16string& p) {
            return p == u"/a" || p == u"/b" || p == u"/listable-only";
        };
    }

    // Parses and checks one command line on fresh settings.
    std::u16string run(std::vector<std::u16string> arguments) {
        runSettings() = RunSettings{};
        runSettings().languageIndex = 1;
        RunSettings& settings = runSettings();
        ParsedCommandLine parsed;
        std::optional<CommandLineError> failure = parseArguments(arguments, settings, parsed);
        if (!failure) {
            failure = checkArguments(settings);
        }
        if (!failure) {
            failure = applyCompareMode(parsed, settings);
        }
        return failure ? failure->line : u"ok";
    }

    ScopedPlatformCalls restore;
};

TEST_F(ArgumentsTest, FirstErrorWinsInTheFixedOrder) {
    EXPECT_EQ(run({}), u"Compare source and target parameters are not specified.");
    EXPECT_EQ(run({u"/ca", u"/cz"}), u"/c - Parameter is not able to use more than one.");
    EXPECT_EQ(run({u"/cz", u"/ca"}), u"/cz - Parameter is invalid.");
    EXPECT_EQ(run({u"/d", u"/s", u"/f", u"/l"}), u"/d /s - Parameter is not able to use together.");
    EXPECT_EQ(run({u"/l", u"/v"}), u"/l /q /v - Parameter is not able to use together.");
    EXPECT_EQ(run({u"/nowhere/x", u"/zz"}), u"/nowhere/x - Folder was not found.");
    EXPECT_EQ(run({u"/a", u"/b", u"/t", u"/cn"}),
              u"/t - Parameter is not able to use without date/time compare.");
    EXPECT_EQ(run({u"/a", u"/b", u"/a"}), u"/a - Parameter is invalid.");
    EXPECT_EQ(run({u"/a"}), u"Compare target parameter is not specified.");
    EXPECT_EQ(run({u""}), u"Empty parameter is specified.");
    EXPECT_EQ(run({u"/?", u"/a"}), u"/? - Parameter is invalid.");
    EXPECT_EQ(run({u"/C"}), u"/C - Parameter is invalid.");
    EXPECT_EQ(run({u"/cab"}), u"/cab - Parameter is invalid.");
    EXPECT_EQ(run({u"a|b"}), u"a|b - File name or folder name is invalid.");
    EXPECT_EQ(run({u"/a/file"}), u"/a/file - Not a folder.");
}

TEST_F(ArgumentsTest, FoldersResolveAndOptionsIgnoreCase) {
    EXPECT_EQ(run({u"/S", u"/CE", u"a", u"/b", u"/s"}), u"ok");
    const RunSettings& settings = runSettings();
    EXPECT_EQ(settings.sourceRoot, u"/cwd/a/");
    EXPECT_EQ(settings.targetRoot, u"/b/");
    EXPECT_TRUE(settings.recurseSubfolders);
    EXPECT_TRUE(settings.compareContent);
    EXPECT_TRUE(settings.compareDateTime);

    EXPECT_EQ(run({u"/listable-only", u"/b", u"/t", u"/ca"}), u"ok");
    EXPECT_EQ(runSettings().sourceRoot, u"/listable-only/");
    EXPECT_TRUE(runSettings().compareAttributes);
}

TEST(NormalizeRoot, RemovesTheFirstDoubledSeparatorOnly) {
    if (pathRules().separator != u'/') {
        GTEST_SKIP() << "POSIX paths";
    }
    std::u16string root = u"//";
    normalizeRoot(root);
    EXPECT_EQ(root, u"/");
    root = u"/a//b//";
    normalizeRoot(root);
    EXPECT_EQ(root, u"/a/b//");
}

}  // namespace
}  // namespace movra

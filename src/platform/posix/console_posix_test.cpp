#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/posix/posix_calls.h"
#include "platform/posix/scoped_variable_posix_test.h"

namespace movra::posix {
namespace {

TEST(PosixConsole, FactsFollowTheLocaleAndTheDescriptors) {
    testing::ScopedVariable all("LC_ALL", "ja_JP.SJIS");
    const ConsoleFacts facts = queryConsole();
    EXPECT_EQ(facts.outputCodePage, 932u);
    EXPECT_EQ(facts.uiLanguage, 1041);
    EXPECT_EQ(facts.stdoutIsConsole, ::isatty(STDOUT_FILENO) == 1);
    EXPECT_EQ(facts.stderrIsConsole, ::isatty(STDERR_FILENO) == 1);
}

TEST(PosixConsole, EnglishUnderTheCLocale) {
    testing::ScopedVariable all("LC_ALL", "C");
    const ConsoleFacts facts = queryConsole();
    EXPECT_EQ(facts.outputCodePage, 20127u);
    EXPECT_EQ(facts.uiLanguage, 1033);
}

}  // namespace
}  // namespace movra::posix

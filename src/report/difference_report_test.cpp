#include "report/difference_report.h"

#include <gtest/gtest.h>

#include "captured_output.h"
#include "cli/run_settings.h"

namespace movra {
namespace {

using testing::CapturedOutput;

TEST(DifferenceReport, NormalFormPadsLabelsAndPrintsHeadingsOncePerLevel) {
    CapturedOutput output;
    RunSettings& settings = runSettings();
    DifferenceReport({u"Different:", u"a.txt", u"(Size)(Time)", u"", false});
    DifferenceReport({u"Source Only:", u"dir", u"", u"", true});
    settings.folderHeadingShown = false;
    DifferenceReport({u"Target Only:", u"b.txt", u"", u"docs/sub/", false});
    DifferenceReport({u"*Rename:", u"readme", u"README", u"docs/sub/", false});
    DifferenceReport({u"*Rename:", u"foo", u"Foo", u"docs/sub/", true});
    EXPECT_EQ(output.out(),
              u"Different:   a.txt (Size)(Time)\n"
              u"Source Only: <DIR> dir\n"
              u"\n"
              u"<docs/sub>\n"
              u"Target Only: b.txt\n"
              u"*Rename:     readme -> README\n"
              u"*Rename:     <DIR> foo -> Foo\n");
    EXPECT_TRUE(settings.anyHeadingShown);
}

TEST(DifferenceReport, FirstHeadingOfTheRunHasNoEmptyLineAndWorkingFolderSuppressesHeadings) {
    CapturedOutput output;
    DifferenceReport({u"Different:", u"x", u"(Time)", u"a/", false});
    EXPECT_EQ(output.out(), u"<a>\nDifferent:   x (Time)\n");

    output.clear();
    runSettings() = RunSettings{};
    runSettings().showWorkingFolder = true;
    DifferenceReport({u"Different:", u"x", u"(Time)", u"a/", false});
    EXPECT_EQ(output.out(), u"Different:   x (Time)\n");
    EXPECT_FALSE(runSettings().anyHeadingShown);
}

TEST(DifferenceReport, QuietFormShowsOnlyRenamesWithTheirSubPath) {
    CapturedOutput output;
    runSettings().quiet = true;
    DifferenceReport({u"Different:", u"a.txt", u"(Size)", u"", false});
    DifferenceReport({u"Source Only:", u"b", u"", u"", false});
    DifferenceReport({u"*Rename:", u"readme", u"README", u"docs/", false});
    DifferenceReport({u"*Rename:", u"foo", u"Foo", u"", true});
    EXPECT_EQ(output.out(), u"*Rename: docs/readme -> README\n*Rename Dir: foo -> Foo\n");
    EXPECT_FALSE(runSettings().anyHeadingShown);
}

TEST(DifferenceReport, ListFormNamesOneActionPerLineInFixedOrder) {
    CapturedOutput output;
    runSettings().listFormat = true;
    DifferenceReport({u"Different:", u"f", u"(Name)(Size)(Time)(Attribute)", u"d/", false});
    DifferenceReport({u"Different:", u"c", u"(Create Time)", u"", false});
    DifferenceReport({u"Different:", u"D", u"(Name)(Attribute)", u"", true});
    DifferenceReport({u"Source Only:", u"s", u"", u"d/e/", false});
    DifferenceReport({u"Source Only:", u"sd", u"", u"", true});
    DifferenceReport({u"Target Only:", u"t", u"", u"", false});
    DifferenceReport({u"Target Only:", u"td", u"", u"", true});
    DifferenceReport({u"*Rename:", u"r", u"R", u"", false});
    EXPECT_EQ(output.out(),
              u"Update: d/f\nRename: d/f\nAttribute: d/f\n"
              u"Createtime: c\n"
              u"Rename Dir: D\nAttribute Dir: D\n"
              u"Copy: d/e/s\nCopy Dir: sd\nDelete: t\nDelete Dir: td\n");
}

TEST(WriteDetailLine, IndentsAndJoinsTwoValues) {
    CapturedOutput output;
    writeDetailLine(u"1,000", u"999");
    writeDetailLine(u"###Error###", u"");
    EXPECT_EQ(output.out(), u"             1,000 - 999\n             ###Error###\n");
}

}  // namespace
}  // namespace movra

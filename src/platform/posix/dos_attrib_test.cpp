#include "platform/posix/dos_attrib.h"

#include <gtest/gtest.h>

#include <string>

namespace movra::posix {
namespace {

TEST(DosAttrib, ParsesHexText) {
    EXPECT_EQ(parseDosAttrib("0x20"), 0x20u);
    EXPECT_EQ(parseDosAttrib("0X7"), 0x7u);
    EXPECT_EQ(parseDosAttrib("0x2f"), 0x2Fu);
    EXPECT_EQ(parseDosAttrib(std::string("0x22\0", 5)), 0x22u);
}

TEST(DosAttrib, ParsesSambaRecordUpToItsNul) {
    const std::string samba("0x26\0\x04\x00\x04\x00\x00\x00\x26\x00\x00\x00", 16);
    EXPECT_EQ(parseDosAttrib(samba), 0x26u);
}

TEST(DosAttrib, RejectsOtherValues) {
    EXPECT_EQ(parseDosAttrib(""), std::nullopt);
    EXPECT_EQ(parseDosAttrib("0x"), std::nullopt);
    EXPECT_EQ(parseDosAttrib("20"), std::nullopt);
    EXPECT_EQ(parseDosAttrib("0xZZ"), std::nullopt);
    EXPECT_EQ(parseDosAttrib(std::string("\x04\x00", 2)), std::nullopt);
}

TEST(DosAttrib, ReplacesOnlyReadOnlyHiddenAndSystem) {
    EXPECT_EQ(withDosAttrib(0x10 | 0x02 | 0x400, 0x04 | 0x20), 0x10u | 0x04u | 0x400u);
    EXPECT_EQ(withDosAttrib(0x01, 0x00), 0x00u);
}

}  // namespace
}  // namespace movra::posix

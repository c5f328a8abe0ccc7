// The private ini reader/writer: profile-function reading rules and line-preserving writes.
#include "base/ini_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(IniFileTest, MissingFileSectionOrKeyGivesFallback) {
    TempDir dir;
    const auto file = dir / "x.ini";
    EXPECT_EQ(readProfileInt(file, "Config", "LoopCount", 42), 42);
    writeBytes(file, "[Other]\r\nLoopCount=5\r\n");
    EXPECT_EQ(readProfileInt(file, "Config", "LoopCount", 42), 42);
    writeBytes(file, "[Config]\r\nDrawCount=5\r\n");
    EXPECT_EQ(readProfileInt(file, "Config", "LoopCount", 42), 42);
}

TEST(IniFileTest, ReadsLikeProfileFunctions) {
    TempDir dir;
    const auto file = dir / "x.ini";
    writeBytes(file, "; comment\r\n[ config ]\r\n  loopcount =  -12xyz \r\nA=abc\r\nB=\r\n"
                     "C=\"77\"\r\n[Next]\r\nA=9\r\n");
    EXPECT_EQ(readProfileInt(file, "Config", "LoopCount", 0), -12);
    EXPECT_EQ(readProfileInt(file, "Config", "A", 5), 0); // not a number
    EXPECT_EQ(readProfileInt(file, "Config", "B", 5), 0); // present but empty
    EXPECT_EQ(readProfileInt(file, "Config", "C", 5), 77);
    EXPECT_EQ(readProfileInt(file, "Next", "A", 5), 9);
}

TEST(IniFileTest, CreatesMissingFileAndSection) {
    TempDir dir;
    const auto file = dir / "x.ini";
    ASSERT_TRUE(writeProfileString(file, "Config", "LoopCount", "10000"));
    EXPECT_EQ(readBytes(file), "[Config]\r\nLoopCount=10000\r\n");
    ASSERT_TRUE(writeProfileString(file, "Config", "DrawCount", "10"));
    EXPECT_EQ(readBytes(file), "[Config]\r\nLoopCount=10000\r\nDrawCount=10\r\n");
}

TEST(IniFileTest, ReplacesInPlaceAndKeepsEverythingElse) {
    TempDir dir;
    const auto file = dir / "x.ini";
    const std::string original = "; my settings\r\n[Window]\r\nX=3\r\n\r\n[Config]\r\n"
                                 "LoopCount=5 ; old\r\nExtra=keep me\r\n\r\n[Tail]\r\nZ=1\r\n";
    writeBytes(file, original);
    ASSERT_TRUE(writeProfileString(file, "Config", "LoopCount", "10000"));
    ASSERT_TRUE(writeProfileString(file, "Config", "DebugMode", "1"));
    EXPECT_EQ(readBytes(file), "; my settings\r\n[Window]\r\nX=3\r\n\r\n[Config]\r\n"
                               "LoopCount=10000\r\nExtra=keep me\r\nDebugMode=1\r\n\r\n"
                               "[Tail]\r\nZ=1\r\n");
}

TEST(IniFileTest, AppendsSectionAfterOtherContent) {
    TempDir dir;
    const auto file = dir / "x.ini";
    writeBytes(file, "[Window]\nX=3\n");
    ASSERT_TRUE(writeProfileString(file, "Config", "FileFormat", "1"));
    EXPECT_EQ(readBytes(file), "[Window]\nX=3\n[Config]\nFileFormat=1\n");
}

TEST(IniFileTest, UnwritablePathReportsFailure) {
    TempDir dir;
    EXPECT_FALSE(writeProfileString(dir / "missing-folder" / "x.ini", "Config", "A", "1"));
}

} // namespace
} // namespace corvane

// Open-dialog preview: line limits, line ends, decoding and what cannot be previewed.
#include "formats/file_preview.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvane {
namespace {

using testing::TempDir;
using testing::writeBytes;

struct FilePreviewTest : ::testing::Test {
    TempDir dir;
    std::optional<std::string> preview(const std::string& bytes) {
        writeBytes(dir / "file.txt", bytes);
        return readFilePreview(dir / "file.txt");
    }
};

TEST_F(FilePreviewTest, LineEnds) {
    EXPECT_EQ(preview("w3h2n1\r\n"), "w3h2n1\r\n");
    EXPECT_EQ(preview("12\n21\n"), "12\r\n21\r\n");
    EXPECT_EQ(preview("12\r\n21"), "12\r\n21");
    // Lines are not trimmed, blank lines do not end the preview.
    EXPECT_EQ(preview(" a \t\n\n b"), " a \t\r\n\r\n b");
    EXPECT_EQ(preview(""), "");
}

TEST_F(FilePreviewTest, AtMostOneHundredLines) {
    std::string text, expected;
    for (int i = 1; i <= 150; ++i) {
        text += std::to_string(i) + "\n";
        if (i <= 100) expected += std::to_string(i) + "\r\n";
    }
    EXPECT_EQ(preview(text), expected);
}

TEST_F(FilePreviewTest, DecodesCodePage932AndStopsAt64KiB) {
    EXPECT_EQ(preview(":\x96\xe2\x91\xe8:\x81\xff\n"), ":問題:\uFFFD\uFFFD\r\n");
    const auto longLine = preview(std::string(70000, 'a'));
    ASSERT_TRUE(longLine);
    EXPECT_EQ(longLine->size(), PreviewByteLimit);
    // A double-byte character cut by the limit is left out rather than shown broken.
    std::string cut(PreviewByteLimit - 1, 'a');
    cut += "\x96\xe2\x91\xe8";
    EXPECT_EQ(preview(cut), std::string(PreviewByteLimit - 1, 'a'));
}

TEST_F(FilePreviewTest, OnlyRegularFiles) {
    std::filesystem::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(readFilePreview(dir / "folder"), std::nullopt);
    EXPECT_EQ(readFilePreview(dir / "pipe"), std::nullopt);
    EXPECT_EQ(readFilePreview(dir / "missing"), std::nullopt);
    EXPECT_EQ(readFilePreview("/dev/zero"), std::nullopt);
}

} // namespace
} // namespace corvane

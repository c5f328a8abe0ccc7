// Reader: the three formats, recognition, the endpoint rule and what a load changes.
#include "base/ini_file.h"
#include "format_fixture.h"

#include <chrono>
#include <string>
#include <sys/stat.h>

namespace corvane {
namespace {

using testing::FormatFixture;
using testing::writeBytes;

using Rows = std::vector<std::string>;

struct PuzzleReaderTest : FormatFixture {};

TEST_F(PuzzleReaderTest, ClueLineFormat) {
    ASSERT_TRUE(loadBytes("W5H4\r\n"));
    EXPECT_EQ(clues(), Rows(4, ". . . . ."));
    EXPECT_TRUE(session.board.solutions.empty());
    EXPECT_EQ(window.viewItems, Rows{"通常画面"});

    ASSERT_TRUE(loadBytes("h4w5s7n3"));
    EXPECT_EQ(clues()[1], ". . 3 . .");

    // "x" starts no header or body token: an empty board.
    ASSERT_TRUE(loadBytes("w2h2x n5"));
    EXPECT_EQ(clues(), (Rows{". .", ". ."}));

    // Repeated header tokens: the last wins; "n" without digits is an empty cell, "s" and
    // "s0" move one cell; lower and upper case letters alike; only the first line counts.
    ASSERT_TRUE(loadBytes("w9h1w3H2N7nS0n8sN9\nw1h1\n", FormatKavrin));
    EXPECT_EQ(clues(), (Rows{"7 . .", "8 . 9"}));
    EXPECT_EQ(window.boxes.size(), 0u);
}

TEST_F(PuzzleReaderTest, ClueLineTokensPastTheLastCellWriteNothing) {
    ASSERT_TRUE(loadBytes("w2h2s3n5n6n7"));
    EXPECT_EQ(clues(), (Rows{". .", ". 5"}));
    ASSERT_TRUE(loadBytes("w3h3s99999999999999999999n5"));
    EXPECT_EQ(clues(), Rows(3, ". . ."));
    // Whatever the board was before: the rim beyond the board stays outside.
    EXPECT_EQ(session.board.boardCells[cellIndex(4, 1)], OutsideCell);
    EXPECT_EQ(session.board.boardCells[cellIndex(1, 4)], OutsideCell);
}

TEST_F(PuzzleReaderTest, ClueLineSizes) {
    for (const char* text : {"w100h100", "w100h1", "w1h100"}) {
        EXPECT_TRUE(loadBytes(text)) << text;
    }
    EXPECT_EQ(session.board.boardWidth, 1);
    EXPECT_EQ(session.board.boardHeight, 100);
    // Sizes beyond the integer range must not wrap into a valid size: 2^32 + 1, 2^32 + 100.
    for (const char* text : {"h0w5", "w0h5", "w101h1", "w1h101", "w5", "h5", "n1w2h2",
                             "w4294967297h1", "w1h4294967396", "w99999999999999999999h1"}) {
        window.boxes.clear();
        EXPECT_FALSE(loadBytes(text)) << text;
        EXPECT_TRUE(failedOnce()) << text;
    }
}

TEST_F(PuzzleReaderTest, DigitGridFormat) {
    ASSERT_TRUE(loadBytes("110\r\n010\r\n"));
    EXPECT_EQ(answerPicture(1), (Rows{"1 1 .", ". 1 ."}));
    EXPECT_EQ(clues(), (Rows{"1 . .", ". 1 ."}));
    EXPECT_EQ(window.viewItems, (Rows{"通常画面", "解 No.1"}));
    EXPECT_EQ(window.viewSelection, 0);
    EXPECT_EQ(session.status.searchState, SearchState::Finished);
    EXPECT_EQ(session.settings.fileFormat, FormatNsha);

    // Two-character cells, rows of different lengths (missing cells are 0).
    ASSERT_TRUE(loadBytes("0.071\n,12,12\n3"));
    EXPECT_EQ(answerPicture(1), (Rows{". 7 1", "12 12 .", "3 . ."}));
    EXPECT_EQ(session.board.solutions.size(), 1u);
    EXPECT_EQ(window.viewItems.size(), 2u);

    // Read explicitly, any character is its code minus 48.
    ASSERT_TRUE(loadBytes("0a\n", FormatNsha));
    EXPECT_EQ(answerPicture(1), (Rows{". 49"}));
}

TEST_F(PuzzleReaderTest, DigitGridFailures) {
    const std::string wide(101, '1');
    std::string tall;
    for (int i = 0; i < 101; ++i) tall += "1\n";
    for (const std::string& text :
         {std::string("1 2\n21"), std::string("12,\n21"), std::string("1,2\n21"),
          std::string("1.\n21"), std::string(",a0\n11"), std::string("/1\n11"), wide + "\n1", tall,
          std::string("\x82\xa0\n11")}) {
        window.boxes.clear();
        EXPECT_FALSE(loadBytes(text, FormatNsha)) << text;
        EXPECT_TRUE(failedOnce()) << text;
    }
    EXPECT_TRUE(loadBytes(std::string(100, '1') + "\n1", FormatNsha));
    EXPECT_EQ(session.board.boardWidth, 100);
    tall.resize(200);
    EXPECT_TRUE(loadBytes(tall, FormatNsha));
    EXPECT_EQ(session.board.boardHeight, 100);
}

TEST_F(PuzzleReaderTest, BlankLineEndsTheFile) {
    ASSERT_TRUE(loadBytes("12\r\n21\r\n33\r\n \t\r\n44\r\n"));
    EXPECT_EQ(session.board.boardHeight, 3);
    // A blank first line: no lines at all.
    EXPECT_FALSE(loadBytes("\r\nw3h3\r\n"));
}

TEST_F(PuzzleReaderTest, CharacterGridFormat) {
    ASSERT_TRUE(loadBytes("TABLE\t.1\r\n--\r\n::\r\n;3*2\r\n11.\r\n.1.\r\n"));
    EXPECT_EQ(session.settings.fileFormat, FormatNshaC);
    EXPECT_EQ(answerPicture(1), (Rows{"1 1 .", ". 1 ."}));
    EXPECT_EQ(clues(), (Rows{"1 . .", ". 1 ."}));
    EXPECT_EQ(session.status.searchState, SearchState::Finished);

    // Info fields in code page 932; a line with one ":" is skipped, a later one replaces.
    ASSERT_TRUE(loadBytes(":\x96\xe2\x91\xe8:\x8d\xec\x8e\xd2:x\n:single\nab\nba\n"));
    EXPECT_EQ(session.board.infoField1, "問題");
    EXPECT_EQ(session.board.infoField2, "作者:x");
    EXPECT_EQ(answerPicture(1), (Rows{"10 11", "11 10"}));

    // "0" is not in the cell alphabet: the comment line is skipped.
    ASSERT_TRUE(loadBytes("0 comment\n1.\n1.\n"));
    EXPECT_EQ(answerPicture(1), (Rows{"1 .", "1 ."}));

    // A custom table; a repeated character counts at its first position.
    ASSERT_TRUE(loadBytes("TABLE\txox\nxo\nox\n"));
    EXPECT_EQ(answerPicture(1), (Rows{". 1", "1 ."}));
    EXPECT_EQ(clues(), (Rows{". 1", "1 ."}));

    // In the first grid line only the first character is tested against the table.
    ASSERT_TRUE(loadBytes("1#1\n1.1\n"));
    EXPECT_EQ(answerPicture(1), (Rows{"1 . 1", "1 . 1"}));
}

TEST_F(PuzzleReaderTest, CharacterGridEnds) {
    // An info line after the grid ends it and is not read, even with another length.
    ASSERT_TRUE(loadBytes("11\n..\n:title:author\n"));
    EXPECT_EQ(session.board.boardHeight, 2);
    EXPECT_EQ(session.board.infoField1, "");
    EXPECT_EQ(session.board.infoField2, "");
    // A separator, an info line or a comment line ends the grid, whatever its length; a row
    // of the grid's length with a character outside the table is a row, that cell on no path.
    const std::pair<const char*, Rows> ended[] = {
        {"11\n..\n---\n111\n", Rows{"1 1", ". ."}},
        {"11\n..\n0 comment\n", Rows{"1 1", ". ."}},
        {"TABLE\t.12\n1122\n1#..\n", Rows{"1 1 2 2", "1 . . ."}},
    };
    for (const auto& [text, answer] : ended) {
        ASSERT_TRUE(loadBytes(text)) << text;
        EXPECT_EQ(answerPicture(1), answer) << text;
    }

    // "Title" starts a grid (T is in the alphabet); the next line has another length. After
    // the first row, a line of another length fails the read unless it ends the grid: a
    // mistyped row must not cut the board short. A table that holds "0" makes "0..." a row.
    for (const char* text : {"Title\n11\n11\n", "TABLE\n11\n", "TABLE \t \n11\n", "-\n:a:b\n",
                             "11\n111\n", "11\n..\n1 1 1\n", "TABLE\t.12\n1122\n.1 2 2\n....\n",
                             "11\n..\n# comment\n", "TABLE\t01\n01\n10\n0 comment\n"}) {
        window.boxes.clear();
        EXPECT_FALSE(loadBytes(text, FormatNshaC)) << text;
        EXPECT_TRUE(failedOnce()) << text;
    }
}

TEST_F(PuzzleReaderTest, GridSizesOf100And101) {
    const std::string row100(100, '1'), row101(101, '1');
    std::string rows100, rows101;
    for (int i = 0; i < 100; ++i) rows100 += row100 + "\n";
    rows101 = rows100 + row100 + "\n";
    ASSERT_TRUE(loadBytes("TABLE\t.1\n" + rows100));
    EXPECT_EQ(session.board.boardWidth, 100);
    EXPECT_EQ(session.board.boardHeight, 100);
    EXPECT_EQ(session.board.solutions[0].at(cellIndex(100, 100)), 1);
    EXPECT_EQ(session.board.boardCells[cellIndex(100, 100)], 0); // two equal neighbours
    EXPECT_FALSE(loadBytes("TABLE\t.1\n" + rows101));
    EXPECT_FALSE(loadBytes("TABLE\t.1\n" + row101 + "\n" + row101 + "\n"));
    EXPECT_EQ(session.board.boardHeight, 100);
}

TEST_F(PuzzleReaderTest, TablesLongerThanTheAlphabetGiveLargeClues) {
    std::string table;
    for (char c = '!'; c <= '~'; ++c) table += c;                // 94 characters
    table += "\xb1\xb2\xb3\xb4\xb5\xb6\xb7\xb8\xb9\xba\xbb\xbc"; // half-width katakana, 94..105
    ASSERT_TRUE(loadBytes("TABLE\t" + table + "\n\xbb.\n"));
    EXPECT_EQ(session.board.boardCells[cellIndex(1, 1)], 104);
    EXPECT_EQ(session.board.boardCells[cellIndex(2, 1)], '.' - '!');
    EXPECT_EQ(session.board.solutions[0].at(cellIndex(1, 1)), Answer::Saturated);
}

TEST_F(PuzzleReaderTest, EndpointRule) {
    // Pair 1 runs (2,2) (1,2) (1,1) (2,1) (3,1): it touches itself next to its end at (2,2),
    // which therefore has two equal neighbours and is no clue.
    ASSERT_TRUE(loadBytes("111\n110\n"));
    EXPECT_EQ(clues(), (Rows{". . 1", ". . ."}));
    // Bare clues: isolated numbers are their own ends.
    ASSERT_TRUE(loadBytes("102\n201\n"));
    EXPECT_EQ(clues(), (Rows{"1 . 2", "2 . 1"}));
}

TEST_F(PuzzleReaderTest, AutomaticRecognition) {
    ASSERT_TRUE(loadBytes("12\n21\n"));
    EXPECT_EQ(session.settings.fileFormat, FormatNsha);
    ASSERT_TRUE(loadBytes("1.11\n,10\n"));
    EXPECT_EQ(session.settings.fileFormat, FormatNsha);
    ASSERT_TRUE(loadBytes("1a\na1\n"));
    EXPECT_EQ(session.settings.fileFormat, FormatNshaC);
    // One line is always the clue format, so a one-row grid fails unless chosen.
    EXPECT_FALSE(loadBytes("1221\n"));
    EXPECT_EQ(session.settings.fileFormat, FormatKavrin);
    EXPECT_TRUE(loadBytes("1221\n", FormatNsha));
    EXPECT_EQ(clues(), Rows{"1 2 2 1"});
}

TEST_F(PuzzleReaderTest, FailureChangesNothingButTheSavedFormat) {
    ASSERT_TRUE(loadBytes(":keep:this\n12\n21\n"));
    session.board.cursorCell = cellIndex(2, 2);
    window.selectViewItem(1);
    window.layoutCount = window.refreshCount = 0;
    const testing::BoardSnapshot before(session, window);

    EXPECT_FALSE(loadBytes(":other:info\nTitle\n11\n"));
    EXPECT_TRUE(testing::BoardSnapshot(session, window) == before);
    EXPECT_TRUE(failedOnce());
    EXPECT_EQ(window.layoutCount + window.refreshCount, 0);
    // The recognised format was saved before parsing.
    EXPECT_EQ(readProfileInt(store.path(), "Config", "FileFormat", -1), FormatNshaC);

    window.boxes.clear();
    EXPECT_FALSE(loadBytes("w101h2"));
    EXPECT_TRUE(testing::BoardSnapshot(session, window) == before);
    EXPECT_EQ(readProfileInt(store.path(), "Config", "FileFormat", -1), FormatKavrin);
}

TEST_F(PuzzleReaderTest, FilesThatCannotBeReadChangeNothing) {
    session.settings.fileFormat = FormatNsha;
    const testing::BoardSnapshot before(session, window);
    std::filesystem::create_directory(dir / "folder");
    writeBytes(dir / "big.txt", "w3h3\n" + std::string(MaxPuzzleFileBytes, ' '));
    // A pipe with no writer: reading it would block forever.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    for (const std::string name : {"missing.txt", "folder", "big.txt", "pipe", "/dev/null", ""}) {
        window.boxes.clear();
        session.board.currentFilePath =
            name.empty() || name[0] == '/' ? name : (dir / name).string();
        EXPECT_FALSE(loadPuzzleFile(session, FormatAuto)) << name;
        EXPECT_TRUE(failedOnce()) << name;
        session.board.currentFilePath = before.currentFilePath;
        EXPECT_TRUE(testing::BoardSnapshot(session, window) == before) << name;
    }
    EXPECT_EQ(session.settings.fileFormat, FormatNsha);
    EXPECT_FALSE(std::filesystem::exists(store.path()));
}

TEST_F(PuzzleReaderTest, LongTablesAndLinesTakeLinearTime) {
    // A table whose last character is the only one used, then lines that each need a look-up
    // of every character: quadratic look-ups would take hours here, far beyond the limit that
    // leaves a slow, loaded machine (or a sanitizer build) all the time it needs.
    const std::string table = "TABLE\t" + std::string(3'000'000, 'a') + "b\n";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(loadBytes(table + "b\n" + std::string(3'000'000, 'b') + "\n"));
    std::string skipped = table;
    for (int i = 0; i < 500'000; ++i) skipped += "x\n";
    EXPECT_FALSE(loadBytes(skipped)); // no grid
    ASSERT_TRUE(loadBytes(skipped + "bb\nab\n"));
    EXPECT_EQ(clues(), (Rows{"3000000 .", ". 3000000"}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(300));
}

TEST_F(PuzzleReaderTest, LongPathsAndUndecodableBytes) {
    std::filesystem::path deep = dir.path();
    for (int i = 0; i < 6; ++i) deep /= std::string(60, char('a' + i));
    std::filesystem::create_directories(deep);
    writeBytes(deep / "puzzle.txt", ":\x81\xff\x96\xe2:\x82\n1.\n.1\n");
    session.board.currentFilePath = (deep / "puzzle.txt").string();
    ASSERT_GT(session.board.currentFilePath.size(), 360u);
    ASSERT_TRUE(loadPuzzleFile(session, FormatAuto));
    // Each undecodable byte is one replacement character; nothing after it is lost.
    EXPECT_EQ(session.board.infoField1, "\uFFFD\uFFFD問");
    EXPECT_EQ(session.board.infoField2, "\uFFFD");
    EXPECT_EQ(clues(), (Rows{"1 .", ". 1"}));
}

TEST_F(PuzzleReaderTest, SuccessReplacesEverythingAndAsksForLayout) {
    ASSERT_TRUE(loadBytes(":a:b\n12\n21\n"));
    session.status.stepCount = 77;
    window.layoutCount = window.refreshCount = window.repaintNowCount = 0;
    ASSERT_TRUE(loadBytes("w3h1n5"));
    EXPECT_TRUE(session.board.solutions.empty());
    EXPECT_EQ(window.viewItems, Rows{"通常画面"});
    EXPECT_EQ(session.status.searchState, SearchState::Idle);
    EXPECT_EQ(session.status.stepCount, 0u);
    EXPECT_EQ(session.board.infoField1, "");
    EXPECT_EQ(session.board.infoField2, "");
    EXPECT_EQ(window.layoutCount, 1);
    EXPECT_EQ(window.refreshCount, 1);
    EXPECT_EQ(window.repaintNowCount, 0);
}

} // namespace
} // namespace corvane

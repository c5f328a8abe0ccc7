// Writer: exact texts of the three formats, refusals, and round trips through the reader.
#include "format_fixture.h"
#include "formats/puzzle_writer.h"

#include <random>

namespace corvane {
namespace {

using testing::FormatFixture;
using testing::answerFromPicture;
using testing::setBoardPicture;

using Rows = std::vector<std::string>;

struct PuzzleWriterTest : FormatFixture {
    Board& board = session.board;

    std::string text(int format, int answerChoice) {
        return formatPuzzleText(board, format, answerChoice).value_or("<refused>");
    }
};

TEST_F(PuzzleWriterTest, ClueLineFormat) {
    setBoardPicture(board, {"1 . .", ". 1 ."});
    EXPECT_EQ(text(FormatKavrin, 0), "w3h2n1s3n1\r\n");
    setBoardPicture(board, {". . .", ". . ."});
    EXPECT_EQ(text(FormatKavrin, 0), "w3h2\r\n");
    setBoardPicture(board, {"1 . .", ". . ."});
    EXPECT_EQ(text(FormatKavrin, 0), "w3h2n1\r\n");
    setBoardPicture(board, {"4 . 5 . . 123456"});
    // The answer choice does not matter, even one that is not stored.
    EXPECT_EQ(text(FormatKavrin, 7), "w6h1n4sn5s2n123456\r\n");
}

TEST_F(PuzzleWriterTest, DigitGridFormat) {
    setBoardPicture(board, {"7 10 100", "99 . 1"});
    EXPECT_EQ(text(FormatNsha, 0), "7,100\r\n,9901\r\n");
    board.solutions.push_back(answerFromPicture({"1 1 12", "12 12 12"}));
    EXPECT_EQ(text(FormatNsha, 1), "11,12\r\n,12,12,12\r\n");
    EXPECT_EQ(text(FormatNsha, 2), "<refused>");
    EXPECT_EQ(text(FormatNsha, -1), "<refused>");
}

TEST_F(PuzzleWriterTest, CharacterGridFormat) {
    setBoardPicture(board, {"1 . .", ". 1 ."});
    board.solutions.push_back(answerFromPicture({"1 1 .", ". 1 ."}));
    EXPECT_EQ(text(FormatNshaC, 1), "TABLE\t.1\r\n--\r\n::\r\n;3*2\r\n11.\r\n.1.\r\n");
    EXPECT_EQ(text(FormatNshaC, 0), "<refused>");

    board.solutions.push_back(answerFromPicture({"12 . 61", "36 10 9"}));
    board.infoField1 = "問題";
    board.infoField2 = "a:b";
    EXPECT_EQ(text(FormatNshaC, 2),
              "TABLE\t.123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n--\r\n"
              ":問題:a:b\r\n;3*2\r\nc.Z\r\nAa9\r\n");
    board.solutions.back() = answerFromPicture({"12 . 62", "36 10 9"});
    EXPECT_EQ(text(FormatNshaC, 2), "<refused>");
    board.solutions.back() = answerFromPicture({"12 . 1", "36 10 9"});
    EXPECT_EQ(text(FormatNshaC, 2).substr(0, 20), "TABLE\t.123456789abcd");
    EXPECT_EQ(text(3, 1), "<refused>");
}

/// Clues of an answer counted here on their own: non-zero cells with at most one equal
/// neighbour.
Rows expectedClues(const Answer& a) {
    Rows rows;
    for (int y = 1; y <= a.height(); ++y) {
        std::string line;
        for (int x = 1; x <= a.width(); ++x) {
            const int c = cellIndex(x, y), v = a.at(c);
            const int equal = (a.at(c - 1) == v) + (a.at(c + 1) == v) + (a.at(c - RowStride) == v) +
                              (a.at(c + RowStride) == v);
            if (x > 1) line += ' ';
            line += v != 0 && equal <= 1 ? std::to_string(v) : ".";
        }
        rows.push_back(line);
    }
    return rows;
}

TEST_F(PuzzleWriterTest, RoundTrips) {
    std::mt19937 random(12345);
    const std::pair<int, int> sizes[] = {{1, 1}, {1, 7}, {7, 1}, {5, 4}, {13, 29}, {100, 100}};
    for (auto [width, height] : sizes) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        // Clue boards, sparse, with numbers of any size.
        Rows picture;
        for (int y = 0; y < height; ++y) {
            std::string line;
            for (int x = 0; x < width; ++x) {
                const int roll = int(random() % 10);
                line += (x ? " " : "") + (roll < 7 ? "."
                                                   : std::to_string(roll == 9 ? random() % 100000
                                                                              : 1 + random() % 99));
            }
            picture.push_back(line);
        }
        setBoardPicture(board, picture);
        ASSERT_TRUE(loadBytes(text(FormatKavrin, 0)));
        EXPECT_EQ(clues(), picture);

        // Answers with runs of equal values, so that paths, ends and touching cells occur.
        for (int format : {FormatNsha, FormatNshaC}) {
            ASSERT_TRUE(resetBoard(board, session.status, window, height, width));
            Answer answer(width, height);
            int value = 0;
            for (int y = 1; y <= height; ++y)
                for (int x = 1; x <= width; ++x) {
                    if (random() % 3 == 0)
                        value = int(random() % (format == FormatNsha ? 100 : 62));
                    answer.set(cellIndex(x, y),
                               y > 1 && random() % 2 ? answer.at(cellIndex(x, y - 1)) : value);
                }
            board.solutions = {answer};
            const std::string written = text(format, 1);
            ASSERT_TRUE(loadBytes(written, format));
            EXPECT_EQ(session.board.solutions, std::vector<Answer>{answer});
            EXPECT_EQ(clues(), expectedClues(answer));
            // Recognised on its own, except a grid of one row.
            if (height > 1) {
                ASSERT_TRUE(loadBytes(written, FormatAuto));
                EXPECT_EQ(session.settings.fileFormat, format);
            }
        }
    }
}

TEST_F(PuzzleWriterTest, DigitGridOfTheCluesReadsBackToTheClues) {
    setBoardPicture(board, {"1 . . 2", ". 99 . .", "2 . 99 1"});
    ASSERT_TRUE(loadBytes(text(FormatNsha, 0)));
    EXPECT_EQ(clues(), (Rows{"1 . . 2", ". 99 . .", "2 . 99 1"}));
    EXPECT_EQ(answerPicture(1), clues());
}

} // namespace
} // namespace corvane

// Pre-search validation: the first fault in visiting order decides the message.
#include "board_picture.h"
#include "model/session.h"
#include "recording_window.h"
#include "search/validation.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::RecordingWindow;

struct Validation : ::testing::Test {
    RecordingWindow window;
    Session session{window, nullptr};
    int pairCount = -1;

    /// Runs validateBoard on the picture; returns the error text, or "" when accepted.
    std::string check(const std::vector<std::string>& rows) {
        testing::setBoardPicture(session.board, rows);
        window.boxes.clear();
        const bool ok = validateBoard(session, pairCount);
        EXPECT_EQ(ok, window.boxes.empty());
        if (ok) return "";
        EXPECT_EQ(window.boxes.size(), 1u);
        EXPECT_EQ(window.boxes[0].caption, "エラー");
        EXPECT_EQ(window.boxes[0].icon, MessageIcon::Error);
        return window.boxes[0].text;
    }
};

TEST_F(Validation, AcceptsEveryNumberTwiceAndCountsThePairs) {
    EXPECT_EQ(check({"1 2 .", ". 2 1"}), "");
    EXPECT_EQ(pairCount, 2);
    EXPECT_EQ(check({"99 . 99"}), "1がありません") << "99 is no clue too large";
    EXPECT_EQ(pairCount, 99);
    EXPECT_EQ(check({"100 . 100"}), "大きすぎる数字があります");
}

TEST_F(Validation, MissingAndSingleNumbersAreReportedSmallestFirst) {
    EXPECT_EQ(check({"1 1 3 3"}), "2がありません");
    EXPECT_EQ(check({"1 1 2 ."}), "2が1つしかありません");
    EXPECT_EQ(check({"2 2 1 ."}), "1が1つしかありません");
    EXPECT_EQ(check({"3 . 1 3"}), "1が1つしかありません") << "1 comes before the missing 2";
    EXPECT_EQ(check({"3 . . 3"}), "1がありません");
}

TEST_F(Validation, CellFaultsFollowTheVisitingOrder) {
    EXPECT_EQ(check({"5 5 .", "5 . 100"}), "5が3つ以上あります");
    EXPECT_EQ(check({"5 5 .", "100 . 5"}), "大きすぎる数字があります");
    EXPECT_EQ(check({"1 . 1", ". 12345 ."}), "大きすぎる数字があります");
}

TEST_F(Validation, EmptyBoardHasNoClue) {
    EXPECT_EQ(check({". . .", ". . ."}), "数字が1つもありません");
    EXPECT_EQ(pairCount, 0);
    EXPECT_TRUE(session.board.solutions.empty());
}

TEST_F(Validation, NegativeCellsCountAsEmpty) {
    testing::setBoardPicture(session.board, {"1 . 1"});
    session.board.boardCells[cellIndex(2, 1)] = -7;
    EXPECT_TRUE(validateBoard(session, pairCount));
    EXPECT_EQ(pairCount, 1);
}

} // namespace
} // namespace corvane

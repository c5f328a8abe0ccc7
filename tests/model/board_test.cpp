// Board model: new boards, the outside rim, refused sizes and the view list mirror.
#include "model/board.h"
#include "model/search_status.h"
#include "recording_window.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::RecordingWindow;

struct BoardTest : ::testing::Test {
    RecordingWindow window;
    Board board;
    SearchStatus status;
};

TEST_F(BoardTest, StartsAsEmptyTenByTen) {
    EXPECT_EQ(board.boardWidth, 10);
    EXPECT_EQ(board.boardHeight, 10);
    EXPECT_EQ(board.boardLastRowOffset, 1280);
    EXPECT_EQ(board.boardCells[cellIndex(10, 10)], 0);
    EXPECT_EQ(board.boardCells[cellIndex(11, 10)], OutsideCell);
    EXPECT_EQ(board.boardCells[cellIndex(10, 11)], OutsideCell);
    EXPECT_EQ(board.cursorCell, FirstBoardCell);
}

TEST_F(BoardTest, ResetKeepsOutsideRim) {
    ASSERT_TRUE(resetBoard(board, status, window, 3, 2));
    EXPECT_EQ(board.boardCells[129], 0);
    EXPECT_EQ(board.boardCells[130], 0);
    EXPECT_EQ(board.boardCells[131], OutsideCell); // column 3
    EXPECT_EQ(board.boardCells[513], OutsideCell); // row 4
    EXPECT_EQ(board.boardCells[128], OutsideCell); // column 0
    EXPECT_EQ(board.boardCells[2], OutsideCell);   // row 0
    EXPECT_EQ(board.boardLastRowOffset, 3 * 128);
    int inside = 0;
    for (int v : board.boardCells) inside += v == 0;
    EXPECT_EQ(inside, 6);
}

TEST_F(BoardTest, ResetResetsSearchStatusAndCursor) {
    status = {SearchState::Finished, 55, 1234, 99};
    board.cursorCell = 300;
    ASSERT_TRUE(resetBoard(board, status, window, 4, 4));
    EXPECT_EQ(status.searchState, SearchState::Idle);
    EXPECT_EQ(status.stepCount, 0u);
    EXPECT_EQ(status.startTime, 0);
    EXPECT_EQ(board.cursorCell, FirstBoardCell);
}

TEST_F(BoardTest, LargestBoardIsAccepted) {
    ASSERT_TRUE(resetBoard(board, status, window, 100, 100));
    EXPECT_EQ(board.boardCells[cellIndex(100, 100)], 0);
    EXPECT_EQ(board.boardCells[cellIndex(101, 100)], OutsideCell);
    EXPECT_EQ(board.boardCells[cellIndex(100, 101)], OutsideCell);
}

TEST_F(BoardTest, RefusedSizesChangeNothing) {
    ASSERT_TRUE(resetBoard(board, status, window, 5, 6));
    board.boardCells[cellIndex(2, 2)] = 7;
    board.solutions.emplace_back(6, 5);
    window.addViewItem(viewItemText(1));
    window.selectViewItem(1);
    status.searchState = SearchState::Finished;
    const Board before = board;
    for (auto [h, w] : {std::pair{101, 1}, {0, 5}, {5, 101}, {5, 0}, {-1, 3}}) {
        EXPECT_FALSE(resetBoard(board, status, window, h, w)) << h << "x" << w;
        EXPECT_EQ(board.boardCells, before.boardCells);
        EXPECT_EQ(board.boardWidth, 6);
        EXPECT_EQ(board.boardHeight, 5);
        EXPECT_EQ(board.solutions.size(), 1u);
        EXPECT_EQ(window.viewItems.size(), 2u);
        EXPECT_EQ(window.viewSelection, 1);
        EXPECT_EQ(status.searchState, SearchState::Finished);
    }
}

TEST_F(BoardTest, ViewListMirrorsSolutions) {
    for (int k = 1; k <= 3; ++k) {
        board.solutions.emplace_back(board.boardWidth, board.boardHeight);
        window.addViewItem(viewItemText(k));
    }
    window.selectViewItem(2);
    EXPECT_EQ(window.viewItems, (std::vector<std::string>{"通常画面", "解 No.1", "解 No.2", "解 No.3"}));
    ASSERT_TRUE(resetBoard(board, status, window, 7, 3));
    EXPECT_TRUE(board.solutions.empty());
    EXPECT_EQ(window.viewItems, std::vector<std::string>{"通常画面"});
    EXPECT_EQ(window.viewSelection, 0);
}

TEST_F(BoardTest, ResetKeepsFileFields) {
    board.infoField1 = "作者";
    board.infoField2 = "x";
    board.currentFilePath = "/tmp/a.txt";
    ASSERT_TRUE(resetBoard(board, status, window, 2, 2));
    EXPECT_EQ(board.infoField1, "作者");
    EXPECT_EQ(board.infoField2, "x");
    EXPECT_EQ(board.currentFilePath, "/tmp/a.txt");
}

TEST(AnswerTest, StoresOneByteSaturatedAndReadsOutsideAsRim) {
    Answer a(3, 2);
    a.set(cellIndex(1, 1), 5);
    a.set(cellIndex(3, 2), 250);
    a.set(cellIndex(4, 1), 9); // off the board: ignored
    EXPECT_EQ(a.at(cellIndex(1, 1)), 5);
    EXPECT_EQ(a.at(cellIndex(3, 2)), Answer::Saturated);
    EXPECT_EQ(a.at(cellIndex(2, 2)), 0);
    EXPECT_EQ(a.at(cellIndex(4, 1)), OutsideCell);
    EXPECT_EQ(a.at(cellIndex(0, 1)), OutsideCell);
    EXPECT_EQ(a.at(cellIndex(1, 3)), OutsideCell);
    EXPECT_EQ(a.at(-5), OutsideCell);
    EXPECT_EQ(a.byteSize(), 6u);
}

} // namespace
} // namespace corvane

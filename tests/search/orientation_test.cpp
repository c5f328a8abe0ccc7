// Search orientations: cell and direction maps, the recommendation and the direction choice.
#include "search/orientation.h"

#include "board_picture.h"
#include "model/session.h"
#include "recording_window.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane {
namespace {

using testing::RecordingWindow;
using testing::setBoardPicture;

constexpr int delta(int bit) {
    return bit == 1 ? -RowStride : bit == 2 ? 1 : bit == 4 ? RowStride : -1;
}

struct CornerCase {
    int direction;
    int cornerX, cornerY; // board cell that becomes engine cell (1, 1)
    int stepX, stepY;     // board step that becomes engine Right
};

class OrientationMaps : public ::testing::TestWithParam<CornerCase> {};

TEST_P(OrientationMaps, FirstEngineRowRunsFromTheNamedCornerAndNeighboursStayNeighbours) {
    const CornerCase c = GetParam();
    Board board;
    setBoardPicture(board, {". . .", ". . .", ". . .", ". . .", ". . ."}); // 3 wide, 5 high
    Orientation o;
    o.searchDirection = c.direction;
    buildOrientation(board, o);
    const bool swapped = c.stepY != 0;
    EXPECT_EQ(o.engineWidth, swapped ? 5 : 3);
    EXPECT_EQ(o.engineHeight, swapped ? 3 : 5);
    const int cx = c.cornerX == 0 ? 3 : c.cornerX, cy = c.cornerY == 0 ? 5 : c.cornerY;
    EXPECT_EQ(o.engineToUi[cellIndex(1, 1)], cellIndex(cx, cy));
    EXPECT_EQ(o.engineToUi[cellIndex(2, 1)], cellIndex(cx + c.stepX, cy + c.stepY));

    std::set<int> engineCells;
    for (int y = 1; y <= 5; ++y)
        for (int x = 1; x <= 3; ++x) {
            const int u = cellIndex(x, y), e = o.uiToEngine[u];
            ASSERT_GE(cellColumn(e), 1);
            ASSERT_LE(cellColumn(e), o.engineWidth);
            ASSERT_GE(cellRow(e), 1);
            ASSERT_LE(cellRow(e), o.engineHeight);
            EXPECT_EQ(o.engineToUi[e], u);
            engineCells.insert(e);
            for (int d : {1, 2, 4, 8}) {
                if (!board.onBoard(u + delta(d))) continue;
                EXPECT_EQ(o.uiToEngine[u + delta(d)], e + delta(o.uiToEngineDir[d]))
                    << "direction " << c.direction << " cell " << u << " side " << d;
            }
        }
    EXPECT_EQ(engineCells.size(), 15u);
    EXPECT_EQ(o.uiToEngine[cellIndex(4, 1)], 0); // off the board
    EXPECT_EQ(o.engineToUi[0], 0);
}

INSTANTIATE_TEST_SUITE_P(
    AllEight, OrientationMaps,
    ::testing::Values(CornerCase{1022, 1, 1, 1, 0}, CornerCase{1023, 1, 1, 0, 1},
                      CornerCase{1024, 0, 1, -1, 0}, CornerCase{1025, 0, 1, 0, 1},
                      CornerCase{1026, 1, 0, 1, 0}, CornerCase{1027, 1, 0, 0, -1},
                      CornerCase{1028, 0, 0, -1, 0}, CornerCase{1029, 0, 0, 0, -1}));

TEST(RecommendDirection, TallBoardWithCluesInTheTopRowsPrefersRowsFromTheTop) {
    Board board;
    // Clues come earlier scanning from the left; 1022 wins.
    setBoardPicture(board, {"1 2 .", "1 2 .", ". . .", ". . .", ". . ."});
    EXPECT_EQ(recommendDirection(board, 2, 1029), 1022);
    // The mirror image: the scan from the right meets the clues first.
    setBoardPicture(board, {". 2 1", ". 2 1", ". . .", ". . .", ". . ."});
    EXPECT_EQ(recommendDirection(board, 2, 1029), 1024);
    // A symmetric layout ties; the earlier candidate stays.
    setBoardPicture(board, {"1 . 1", ". . .", ". . .", ". . .", ". . ."});
    EXPECT_EQ(recommendDirection(board, 1, 1029), 1022);
}

TEST(RecommendDirection, CluesOnlyInTheMiddleRowScoreNothing) {
    Board board;
    setBoardPicture(board, {". . .", ". . .", "1 . 1", ". . .", ". . ."});
    EXPECT_EQ(recommendDirection(board, 1, 1022), 1022);
    EXPECT_EQ(recommendDirection(board, 1, 1027), 1027);
}

TEST(RecommendDirection, WideAndSquareBoardsUseTheSideTheCluesLeanTo) {
    Board board;
    // Wide board, clues at the bottom right: only column candidates from the right.
    setBoardPicture(board, {". . . . .", ". . . . 1", ". . . 1 2", ". . . . 2"});
    const int wide = recommendDirection(board, 2, 1022);
    EXPECT_TRUE(wide == 1025 || wide == 1029) << wide;
    EXPECT_EQ(wide, 1029); // scanning upwards meets the clues earlier
    // Square board leaning to the bottom left: rows from the bottom or columns from the left.
    setBoardPicture(board, {". . .", "1 . .", "1 2 2"});
    const int square = recommendDirection(board, 2, 1022);
    EXPECT_TRUE(square == 1026 || square == 1027 || square == 1023 || square == 1028) << square;
}

TEST(ChooseSearchDirection, DialogShowsTheRecommendationAndStoresTheChoice) {
    RecordingWindow window;
    Session session(window, nullptr);
    setBoardPicture(session.board, {". 2 1", ". 2 1", ". . .", ". . .", ". . ."});
    Orientation o;
    window.onDirectionDialog = [](int& d) {
        d = 1027;
        return true;
    };
    EXPECT_TRUE(chooseSearchDirection(session, o, 2));
    ASSERT_EQ(window.directionDialogShownWith.size(), 1u);
    EXPECT_EQ(window.directionDialogShownWith[0], 1024);
    EXPECT_EQ(o.searchDirection, 1027);
}

TEST(ChooseSearchDirection, CancelKeepsTheRecommendationAndAutoSelectSkipsTheDialog) {
    RecordingWindow window;
    Session session(window, nullptr);
    setBoardPicture(session.board, {". 2 1", ". 2 1", ". . .", ". . .", ". . ."});
    Orientation o;
    window.onDirectionDialog = [](int& d) {
        d = 1029;
        return false;
    };
    EXPECT_FALSE(chooseSearchDirection(session, o, 2));
    EXPECT_EQ(o.searchDirection, 1024);

    session.settings.directAutoSelect = 1;
    o.searchDirection = 1022;
    EXPECT_TRUE(chooseSearchDirection(session, o, 2));
    EXPECT_EQ(o.searchDirection, 1024);
    EXPECT_EQ(window.directionDialogShownWith.size(), 1u); // only the first call showed it
}

} // namespace
} // namespace corvane

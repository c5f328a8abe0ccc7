// Pixels of the board view: frame, cursor, numbers, and the pictures of stored solutions.
#include "board_view_fixture.h"
#include "model/answer_differences.h"

namespace corvane::testing {
namespace {

/// Bounding box of the black pixels inside the cell at origin (ox, oy).
QRect inkBox(const QImage& image, int ox, int oy) {
    QRect box;
    for (int y = oy + 1; y < oy + 24; ++y)
        for (int x = ox + 1; x < ox + 24; ++x)
            if (QColor(image.pixel(x, y)).name() == Black) box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(BoardViewTest, SmallBoardDrawsDottedGridAndBorderAndLeavesTheRestWhite) {
    setBoard({". . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."});
    view->setSelectedTab(1); // no cursor
    const QImage img = picture();
    ASSERT_EQ(img.size(), QSize(ViewPixels, ViewPixels));
    for (const QPoint p : {QPoint(0, 0), QPoint(120, 0), QPoint(120, 120), QPoint(0, 120),
                           QPoint(60, 120), QPoint(120, 61), QPoint(0, 77)})
        EXPECT_EQ(colourAt(img, p.x(), p.y()), Black) << p.x() << "," << p.y();
    // Grid lines: one pixel on, two off, from the top or left end of each line.
    EXPECT_EQ(colourAt(img, 24, 3), Grey);
    EXPECT_EQ(colourAt(img, 24, 4), White);
    EXPECT_EQ(colourAt(img, 24, 5), White);
    EXPECT_EQ(colourAt(img, 96, 99), Grey);
    EXPECT_EQ(colourAt(img, 3, 48), Grey);
    EXPECT_EQ(colourAt(img, 4, 48), White);
    EXPECT_EQ(colourAt(img, 23, 23), White);
    // Nothing outside the board's 121 x 121 pixels.
    EXPECT_EQ(countColour(img, QRect(121, 0, ViewPixels - 121, ViewPixels), White),
              (ViewPixels - 121) * ViewPixels);
    EXPECT_EQ(countColour(img, QRect(0, 121, 121, ViewPixels - 121), White),
              121 * (ViewPixels - 121));
}

TEST_F(BoardViewTest, CursorIsCyanOnlyOnEditingTabWithFocusAndOnTheBoard) {
    setBoard({". . .", ". . .", ". . ."});
    session.board.cursorCell = cellIndex(2, 3);
    QImage img = picture();
    EXPECT_EQ(colourAt(img, 25, 49), Cyan);
    EXPECT_EQ(colourAt(img, 47, 71), Cyan);
    EXPECT_EQ(countColour(img, img.rect(), Cyan), 23 * 23);

    button->setFocus();
    EXPECT_EQ(countColour(picture(), picture().rect(), Cyan), 0);

    view->setFocus();
    view->setSelectedTab(1);
    EXPECT_EQ(countColour(picture(), picture().rect(), Cyan), 0);

    view->setSelectedTab(0);
    session.board.cursorCell = cellIndex(4, 1); // beside a 3-wide board
    EXPECT_EQ(countColour(picture(), picture().rect(), Cyan), 0);
}

TEST_F(BoardViewTest, NumbersAreBlackAndCentredInTheirCells) {
    setBoard({"7 . 12", ". . .", "255 . 1234567"});
    view->setSelectedTab(1);
    const QImage img = picture();
    for (const QPoint origin : {QPoint(0, 0), QPoint(48, 0), QPoint(0, 48)}) {
        const QRect box = inkBox(img, origin.x(), origin.y());
        ASSERT_FALSE(box.isEmpty()) << origin.x() << "," << origin.y();
        const QPoint centre = box.center() - origin;
        EXPECT_NEAR(centre.x(), 12, 2) << origin.x() << "," << origin.y();
        EXPECT_NEAR(centre.y(), 12, 2) << origin.x() << "," << origin.y();
        EXPECT_GE(box.height(), 8); // legible
        const QRect inside(origin + QPoint(1, 1), QSize(23, 23));
        EXPECT_EQ(countColour(img, inside, Black) + countColour(img, inside, White), 23 * 23);
    }
    // A clue of many digits shrinks to its cell instead of spilling into the next one.
    EXPECT_EQ(countColour(img, QRect(25, 49, 23, 23), Black), 0);
    EXPECT_EQ(countColour(img, QRect(1, 25, 23, 23), Black), 0);
    EXPECT_EQ(countColour(img, QRect(49, 25, 23, 23), Black), 0);
}

class SolutionPictureTest : public BoardViewTest {
  protected:
    void SetUp() override {
        BoardViewTest::SetUp();
        setBoard({"1 . 1", ". . .", "2 . 2"});
        addSolution({"1 1 1", "0 0 0", "2 2 2"});
        addSolution({"1 0 1", "1 1 1", "2 2 2"});
        session.board.cursorCell = cellIndex(3, 3);
    }
};

TEST_F(SolutionPictureTest, EditingTabLaysTheSelectedSolutionInLightGrey) {
    view->setViewIndex(2);
    const QImage img = picture();
    // Cell (2, 2) joins left and right; cell (1, 2) joins up and right.
    EXPECT_EQ(colourAt(img, 26, 35), LightGrey);
    EXPECT_EQ(colourAt(img, 46, 36), LightGrey);
    EXPECT_EQ(colourAt(img, 48, 36), LightGrey); // across the grid line into the clue-less cell
    EXPECT_EQ(colourAt(img, 11, 26), LightGrey);
    EXPECT_EQ(colourAt(img, 12, 24), LightGrey);
    EXPECT_EQ(colourAt(img, 35, 26), White); // no link up from (2, 2)
    EXPECT_EQ(colourAt(img, 30, 11), White); // (2, 1) is on no path of solution 2
    EXPECT_EQ(countColour(img, img.rect(), Yellow), 0);
    EXPECT_EQ(colourAt(img, 49, 49), Cyan); // the cursor stays
    EXPECT_EQ(colourAt(img, 3, 12), White); // clue cells draw no lines of their own
    EXPECT_FALSE(inkBox(img, 0, 0).isEmpty());

    view->setViewIndex(1);
    EXPECT_EQ(colourAt(30, 11), LightGrey);
    EXPECT_EQ(colourAt(26, 35), White);
}

TEST_F(SolutionPictureTest, SearchTabDrawsTheSolutionInBlackWithBlankCellsYellow) {
    view->setSelectedTab(1);
    view->setViewIndex(1);
    const QImage img = picture();
    EXPECT_EQ(colourAt(img, 30, 11), Black);
    EXPECT_EQ(colourAt(img, 30, 59), Black);
    for (int x : {1, 25, 49}) EXPECT_EQ(colourAt(img, x + 5, 30), Yellow) << x;
    EXPECT_EQ(countColour(img, img.rect(), Yellow), 3 * 23 * 23);
    EXPECT_EQ(countColour(img, img.rect(), Cyan), 0);

    view->setViewIndex(2);
    EXPECT_EQ(colourAt(30, 11), Yellow);
    EXPECT_EQ(colourAt(26, 35), Black);
}

TEST_F(SolutionPictureTest, ViewIndexBeyondTheStoredSolutionsShowsTheCluesOnly) {
    view->setViewIndex(3);
    EXPECT_EQ(countColour(picture(), picture().rect(), LightGrey), 0);
    view->setSelectedTab(1);
    const QImage img = picture();
    EXPECT_EQ(countColour(img, img.rect(), Yellow), 0);
    EXPECT_EQ(colourAt(img, 30, 11), White);
    EXPECT_FALSE(inkBox(img, 48, 48).isEmpty());
}

TEST_F(SolutionPictureTest, SearchTabWithoutSelectionShowsTheCluesOnly) {
    view->setSelectedTab(1);
    for (SearchState state : {SearchState::Idle, SearchState::Finished, SearchState::Paused}) {
        session.status.searchState = state; // a paused search without live data: clues only
        const QImage img = picture();
        const QRect middleRow(1, 25, 71, 23);
        EXPECT_EQ(countColour(img, middleRow, White) + countColour(img, middleRow, Grey), 71 * 23);
        EXPECT_EQ(colourAt(img, 30, 11), White);
        EXPECT_FALSE(inkBox(img, 48, 0).isEmpty());
    }
}

/// A puzzle with two solutions: pair 3 and pair 2 swap the middle, pairs 1 and the corners
/// stay. Varying cells: (3, 1), (4, 1), (2, 2), (4, 2), (2, 3), (4, 3), (3, 4), (4, 4).
class VaryingPictureTest : public BoardViewTest {
  protected:
    VaryingCells varying;

    void SetUp() override {
        BoardViewTest::SetUp();
        setBoard({"3 . . . 1", ". . 2 . .", ". . 3 . .", "2 . . . 1"});
        addSolution({"3 3 . . 1", ". 3 2 2 1", ". 3 3 2 1", "2 2 2 2 1"});
        addSolution({"3 3 3 3 1", ". 2 2 3 1", ". 2 3 3 1", "2 2 . . 1"});
        for (const Answer& a : session.board.solutions) varying.add(a);
        view->setVaryingCells(&varying);
        session.board.cursorCell = cellIndex(2, 2);
    }
};

TEST_F(VaryingPictureTest, SearchTabShowsVaryingCellsLightRedAndTheSharedPaths) {
    view->setSelectedTab(1);
    view->setVaryingView(true);
    QImage img = picture();
    EXPECT_EQ(countColour(img, img.rect(), LightRed), 8 * 23 * 23); // no path drawn over them
    EXPECT_EQ(colourAt(img, 30, 30), LightRed);                     // (2, 2)
    EXPECT_EQ(colourAt(img, 28, 11), Black);  // (2, 1) joins its clue on the left in both
    EXPECT_EQ(colourAt(img, 35, 20), White);  // but not (2, 2) below, which varies
    EXPECT_EQ(colourAt(img, 107, 40), Black); // pair 1 down the right edge
    EXPECT_EQ(colourAt(img, 5, 30), Yellow);  // (1, 2) lies on no path in both
    EXPECT_EQ(countColour(img, img.rect(), Yellow), 2 * 23 * 23);
    EXPECT_FALSE(inkBox(img, 48, 24).isEmpty()); // the clues stay
    // Varying cells that have not taken in every stored solution are not shown.
    addSolution({"3 3 . . 1", ". 3 2 2 1", ". 3 3 2 1", "2 2 2 2 1"});
    EXPECT_EQ(countColour(picture(), picture().rect(), LightRed), 0);
    session.board.solutions.pop_back();

    // Solution 1 draws what it has, with no light red; solution 2 has light red under its
    // paths where it differs from solution 1, yellow where it leaves a cell empty.
    view->setVaryingView(false);
    view->setViewIndex(1);
    img = picture();
    EXPECT_EQ(countColour(img, img.rect(), LightRed), 0);
    EXPECT_EQ(colourAt(img, 35, 20), Black);
    view->setViewIndex(2);
    img = picture();
    EXPECT_EQ(colourAt(img, 30, 30), LightRed); // (2, 2) now on pair 2
    EXPECT_EQ(colourAt(img, 36, 40), Black);    // its path down, over the light red
    EXPECT_EQ(colourAt(img, 60, 5), LightRed);  // (3, 1) now on pair 3
    EXPECT_EQ(colourAt(img, 100, 30), White);   // (5, 2) is as in solution 1
    // (3, 4) is empty in solution 2: yellow, inside the light red of a cell that differs.
    EXPECT_EQ(colourAt(img, 60, 84), Yellow);
    EXPECT_EQ(colourAt(img, 50, 74), LightRed);
    // Every differing cell shows light red, the empty ones (3, 4) and (4, 4) too.
    for (auto [x, y] : {std::pair{3, 1}, {4, 1}, {2, 2}, {4, 2}, {2, 3}, {4, 3}, {3, 4}, {4, 4}})
        EXPECT_EQ(colourAt(img, 24 * (x - 1) + 2, 24 * (y - 1) + 2), LightRed) << x << "," << y;
}

TEST_F(VaryingPictureTest, EditingTabLaysVaryingCellsUnderCursorAndSharedPathsInLightGrey) {
    view->setVaryingView(true);
    QImage img = picture();
    EXPECT_EQ(colourAt(img, 30, 30), Cyan); // the cursor on a varying cell
    EXPECT_EQ(countColour(img, img.rect(), LightRed), 7 * 23 * 23);
    EXPECT_EQ(colourAt(img, 28, 11), LightGrey);
    EXPECT_EQ(colourAt(img, 35, 20), White);
    EXPECT_EQ(colourAt(img, 5, 30), White); // no yellow on the editing tab
}

} // namespace
} // namespace corvane::testing

// Pixels of the live search picture, from a small engine state set by hand.
#include "board_view_fixture.h"
#include "search/search_session.h"

#include <memory>

namespace corvane::testing {
namespace {

/// A 4 x 2 board searched mirrored left to right (engine column = 5 - board column):
///
///   board      1 .  .  .      engine   .  .  .  1
///              .  .  .  1              1  .  .  .
///
/// End 1 left its clue (board 1,1) for board 2,1, which also links down to the undecided
/// cell 2,2; board 3,2 was made blank by the latest choice; the last contradiction shows at
/// board 1,2.
class LiveSearchPaintTest : public BoardViewTest {
  protected:
    std::unique_ptr<SearchSession> search = std::make_unique<SearchSession>();

    /// Engine cell of board cell (x, y).
    static int engineCell(int x, int y) { return cellIndex(5 - x, y); }

    void SetUp() override {
        BoardViewTest::SetUp();
        setBoard({"1 . . .", ". . . 1"});
        Orientation& o = search->orientation;
        o.searchDirection = 1024;
        for (int y = 1; y <= 2; ++y)
            for (int x = 1; x <= 4; ++x) {
                o.uiToEngine[cellIndex(x, y)] = engineCell(x, y);
                o.engineToUi[engineCell(x, y)] = cellIndex(x, y);
            }
        o.uiToEngineDir[Up] = Up;
        o.uiToEngineDir[Right] = Left;
        o.uiToEngineDir[Down] = Down;
        o.uiToEngineDir[Left] = Right;

        Engine& e = search->engine;
        e.cellOwner.fill(Blank);
        for (int y = 1; y <= 2; ++y)
            for (int x = 1; x <= 4; ++x) e.cellOwner[engineCell(x, y)] = 0;
        e.endHome[1] = engineCell(1, 1);
        e.endHome[1 | SecondEnd] = engineCell(4, 2);
        e.cellOwner[engineCell(1, 1)] = 1 | Interior;
        e.cellOwner[engineCell(2, 1)] = 1;
        e.cellOwner[engineCell(4, 2)] = 1 | SecondEnd;
        e.cellOwner[engineCell(3, 2)] = Blank;
        e.cellLinks[engineCell(1, 1)] = Left;
        e.cellLinks[engineCell(2, 1)] = Right | Down;
        e.cellLinks[engineCell(2, 2)] = Up;

        const std::vector<TrailRecord> trail{
            {ChoiceLink, engineCell(3, 1), 0}, // earlier choice: grey small mark
            {LinkRight, engineCell(2, 1), 0},  // before the latest choice: no mark
            {CellBlank, engineCell(3, 2), 0},  // the latest choice, its blank alternative
            {HeadMove, 1, Left},               // from the clue: small cyan mark there
            {HeadMove, 1, Down},               // from board 2,1
            {LinkDown, engineCell(4, 1), 0},   // forced later: small cyan mark
            {BlockDown, engineCell(3, 1), 0},  // no mark
        };
        std::copy(trail.begin(), trail.end(), e.trail.begin());
        e.trailTop = static_cast<int>(trail.size());
        e.lastChoice = 2;
        e.conflictCode = 1;
        e.conflictCells = {engineCell(1, 2), engineCell(4, 1), 0, 0};

        session.status.searchState = SearchState::Paused;
        view->setSearchSession(search.get());
        view->setSelectedTab(1);
    }
};

TEST_F(LiveSearchPaintTest, ReplaysTheTrailIntoChoiceMarksAndBlankCells) {
    const QImage img = picture();
    EXPECT_EQ(colourAt(img, 59, 11), Grey);   // earlier choice at 3,1
    EXPECT_EQ(colourAt(img, 57, 10), White);  // ... small, not large
    EXPECT_EQ(colourAt(img, 50, 26), Yellow); // blank cell 3,2
    EXPECT_EQ(colourAt(img, 56, 32), Blue);   // latest choice: large blue mark
    EXPECT_EQ(colourAt(img, 63, 39), Blue);
    EXPECT_EQ(countColour(img, QRect(48, 24, 24, 24), Blue), 64);
    EXPECT_EQ(colourAt(img, 82, 10), Cyan); // forced link at 4,1
    EXPECT_EQ(countColour(img, QRect(73, 1, 23, 23), Cyan), 16);
    EXPECT_EQ(colourAt(img, 34, 10), Cyan);                      // second head move, from 2,1
    EXPECT_GT(countColour(img, QRect(1, 1, 23, 23), Cyan), 0);   // first head move, at the clue
    EXPECT_EQ(countColour(img, QRect(73, 25, 23, 23), Cyan), 0); // the other end never moved
}

TEST_F(LiveSearchPaintTest, LinksAreBlackWithinOnePathAndGreenTowardsUndecidedCells) {
    const QImage img = picture();
    EXPECT_EQ(colourAt(img, 26, 11), Black); // 2,1 back to its clue (engine Right = board Left)
    EXPECT_EQ(colourAt(img, 24, 12), Black); // across the grid line
    EXPECT_EQ(colourAt(img, 35, 20), Green); // 2,1 down to the undecided 2,2
    EXPECT_EQ(colourAt(img, 35, 28), Green); // and 2,2 up to 2,1
    EXPECT_EQ(colourAt(img, 44, 11), White); // no link to the right of 2,1
    EXPECT_EQ(colourAt(img, 35, 5), White);
    EXPECT_EQ(colourAt(img, 20, 12), White); // the clue cell draws no line of its own
}

TEST_F(LiveSearchPaintTest, CrossesExactlyTheCellsOfTheLastContradiction) {
    const QImage img = picture();
    EXPECT_EQ(colourAt(img, 12, 36), Red);
    EXPECT_EQ(colourAt(img, 5, 29), Red);
    EXPECT_EQ(colourAt(img, 19, 29), Red);
    EXPECT_GT(countColour(img, QRect(1, 25, 23, 23), Red), 40);
    EXPECT_EQ(countColour(img, img.rect(), Red), countColour(img, QRect(1, 25, 23, 23), Red));

    search->engine.conflictCode = 2; // now board 4,1 too
    EXPECT_GT(countColour(picture(), QRect(73, 1, 23, 23), Red), 40);
    search->engine.conflictCode = 0;
    EXPECT_EQ(countColour(picture(), picture().rect(), Red), 0);
}

TEST_F(LiveSearchPaintTest, ShownOnlyOnTheSearchTabWithThePlainViewWhileASearchIsUnderWay) {
    for (SearchState state : {SearchState::Running, SearchState::PauseRequested}) {
        session.status.searchState = state;
        EXPECT_EQ(colourAt(59, 11), Grey);
    }
    session.status.searchState = SearchState::Finished;
    EXPECT_EQ(colourAt(59, 11), White);
    EXPECT_EQ(colourAt(50, 26), White);

    session.status.searchState = SearchState::Paused;
    addSolution({"1 1 0 0", "0 0 0 1"});
    view->setViewIndex(1);
    EXPECT_EQ(colourAt(50, 26), Yellow); // the stored solution, not the live search
    EXPECT_EQ(colourAt(35, 30), Yellow);
    EXPECT_EQ(colourAt(35, 20), White);
    view->setSelectedTab(0);
    EXPECT_EQ(countColour(picture(), picture().rect(), Green), 0);
    EXPECT_EQ(colourAt(50, 26), White);
}

TEST_F(LiveSearchPaintTest, CorruptIndexesInTheEngineStateAreSkipped) {
    Engine& e = search->engine;
    e.trail[e.trailTop++] = {HeadMove, 700, Down};
    e.trail[e.trailTop++] = {CellBlank, -5, 0};
    e.trail[e.trailTop++] = {LinkRight, CellCount + 3, 0};
    e.conflictCode = 9;
    e.conflictCells = {-1, CellCount, engineCell(1, 2), 0};
    EXPECT_EQ(colourAt(12, 36), Red);
    e.trailTop = TrailCapacity + 10;
    EXPECT_EQ(colourAt(56, 32), Blue);
}

} // namespace
} // namespace corvane::testing

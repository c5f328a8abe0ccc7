// The link handlers, each case checked in all four turns of the rule.
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane {
namespace {

using testing::at;
using testing::engineFromPicture;

/// A 9 x 9 board seen from its centre (5,5), turned by `turns` quarter turns clockwise, so
/// that one scenario written for a link Up checks the handler of every direction.
struct Frame {
    int turns;
    /// Board cell at offset (dx, dy) of the unturned scenario.
    int cell(int dx, int dy) const {
        for (int k = 0; k < turns; ++k) {
            const int t = dx;
            dx = -dy;
            dy = t;
        }
        return at(5 + dx, 5 + dy);
    }
    /// Direction that Up, Right, Down or Left of the unturned scenario becomes.
    int dir(int d) const {
        for (int k = 0; k < turns; ++k) d = dirTurnRight[d];
        return d;
    }
};

const char* turnName(int turns) {
    static const char* names[] = {"onLinkUp", "onLinkRight", "onLinkDown", "onLinkLeft"};
    return names[turns];
}

/// An empty 9 x 9 board with pair 1 on the cells given (default: far corners), whose centre
/// may carry both diagonal marks so that the corner rule stays out of the way.
std::unique_ptr<Engine> frameEngine(const Frame& f, int clueA, int clueB, bool marks) {
    std::vector<std::string> rows(9, ". . . . . . . . .");
    auto engine = engineFromPicture(rows);
    Board board;
    testing::setBoardPicture(board, rows);
    board.boardCells[clueA] = 1;
    board.boardCells[clueB] = 1;
    initEngine(*engine, board.boardCells, 9, 9, 1);
    if (marks) engine->diagonalLeft[f.cell(0, 0)] = engine->diagonalRight[f.cell(0, 0)] = 1;
    return engine;
}

bool blocked(const Engine& e, int c, int d) {
    return (e.cellLinks[c] & (d << 4)) != 0;
}

/// Runs a U-turn scenario written for a link Up at c = (0,0) in all four turns, without and
/// with a clue at (-1,-1) inside the turn: `lay` sets the links around c, then c is linked
/// and its handler run; the edge `closing` must be blocked exactly when no clue is inside,
/// and the edge `open` must stay free.
void checkUturnScenario(const std::function<void(Engine&, const Frame&)>& lay, int closing,
                        int open) {
    for (int turns = 0; turns < 4; ++turns) {
        for (const bool clueInside : {false, true}) {
            const Frame f{turns};
            auto engine =
                frameEngine(f, clueInside ? f.cell(-1, -1) : f.cell(4, 4), f.cell(4, -4), true);
            Engine& e = *engine;
            const int c = f.cell(0, 0);
            lay(e, f);
            setLink(e, c, f.dir(Up));
            ASSERT_EQ(onLink(e, c, f.dir(Up)), 1);
            EXPECT_EQ(blocked(e, c, f.dir(closing)), !clueInside)
                << turnName(turns) << (clueInside ? " with" : " without") << " clue\n"
                << enginePicture(e);
            EXPECT_FALSE(blocked(e, c, f.dir(open))) << turnName(turns);
        }
    }
}

TEST(LinkHandlers, SaturationClosesEveryOtherEdgeOfAFullCell) {
    for (int turns = 0; turns < 4; ++turns) {
        const Frame f{turns};
        // A clue cell with its one link.
        auto engine = frameEngine(f, f.cell(0, 0), at(1, 1), false);
        Engine& e = *engine;
        const int c = f.cell(0, 0);
        e.workCount = 0;
        setLink(e, c, f.dir(Up));
        ASSERT_EQ(onLink(e, c, f.dir(Up)), 1);
        EXPECT_EQ(e.cellLinks[c] & 0xf0, 0xf0 & ~(f.dir(Up) << 4)) << turnName(turns);
        EXPECT_EQ(e.workCount, 3) << "each neighbour once, not the cell itself";
        for (int k = 0; k < e.workCount; ++k) EXPECT_NE(e.workList[k], c);

        // An empty cell with its second link.
        auto second = frameEngine(f, at(1, 1), at(9, 9), true);
        Engine& s = *second;
        setLink(s, c, f.dir(Down));
        setLink(s, c, f.dir(Up));
        ASSERT_EQ(onLink(s, c, f.dir(Up)), 1);
        EXPECT_TRUE(blocked(s, c, f.dir(Left))) << turnName(turns);
        EXPECT_TRUE(blocked(s, c, f.dir(Right))) << turnName(turns);
        EXPECT_FALSE(blocked(s, c, f.dir(Down))) << turnName(turns);
    }
}

TEST(LinkHandlers, CornersOpeningDownwardsNeedTheirDiagonalRay) {
    struct Case {
        int d;        // new link
        int side;     // edge the corner rule watches
        bool onLeft;  // diagonalLeft set
        bool onRight; // diagonalRight set
        bool expectBlocked;
    };
    const Case cases[] = {
        {Down, Right, false, false, true}, {Down, Right, true, false, false},
        {Down, Left, false, false, true},  {Down, Left, false, true, false},
        {Down, Right, false, true, true},  {Down, Left, true, false, true},
        {Right, Down, false, false, true}, {Right, Down, true, false, false},
        {Right, Down, false, true, true},  {Left, Down, false, false, true},
        {Left, Down, false, true, false},  {Left, Down, true, false, true},
        {Up, Right, false, false, false},  {Up, Left, false, false, false},
    };
    for (const Case& k : cases) {
        auto engine =
            engineFromPicture({"1 . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . 1"});
        Engine& e = *engine;
        const int c = at(3, 3);
        e.diagonalLeft[c] = k.onLeft;
        e.diagonalRight[c] = k.onRight;
        setLink(e, c, k.d);
        ASSERT_EQ(onLink(e, c, k.d), 1);
        EXPECT_EQ(blocked(e, c, k.side), k.expectBlocked)
            << "link " << k.d << " side " << k.side << " marks " << k.onLeft << k.onRight << "\n"
            << enginePicture(e);
    }
}

TEST(LinkHandlers, CrossWalkRefusesAUturnWithoutAClueInside) {
    // t = (-2,0) leaves Up and runs Right to (-1,0), which would close a U-turn opening
    // upwards if c linked Left.
    checkUturnScenario(
        [](Engine& e, const Frame& f) {
            setLink(e, f.cell(-2, 0), f.dir(Up));
            setLink(e, f.cell(-2, 0), f.dir(Right));
        },
        Left, Right);
}

TEST(LinkHandlers, ForwardWalkRefusesATurnBackToTheSameSide) {
    // The straight run above c, (0,-1), (0,-2), turns Left at (0,-2). Linking c Left would
    // make a U-turn opening to the left around (-1,-1).
    checkUturnScenario(
        [](Engine& e, const Frame& f) {
            setLink(e, f.cell(0, -1), f.dir(Up));
            setLink(e, f.cell(0, -2), f.dir(Left));
        },
        Left, Right);
}

TEST(LinkHandlers, BackwardWalkRefusesAStraightRunWhoseEndsTurnAlike) {
    // c's Left edge is already blocked: the run above turns Left at (0,-2), the cell below,
    // (0,1), turns Left too. Linking c Down would make the run from (0,1) to (0,-2) a
    // U-turn opening to the left.
    checkUturnScenario(
        [](Engine& e, const Frame& f) {
            setBlock(e, f.cell(0, 0), f.dir(Left));
            setLink(e, f.cell(0, -1), f.dir(Up));
            setLink(e, f.cell(0, -2), f.dir(Left));
            setLink(e, f.cell(0, 1), f.dir(Left));
        },
        Down, Right);
}

TEST(LinkHandlers, WalksThatCloseNoUturnLeaveTheirEdgesFree) {
    for (int turns = 0; turns < 4; ++turns) {
        const Frame f{turns};
        auto engine = frameEngine(f, f.cell(4, 4), f.cell(4, -4), true);
        Engine& e = *engine;
        const int c = f.cell(0, 0);
        // Above: turns Right, which closes only c's Right edge; below: turns Left, unlike the
        // run above, so c's Down edge stays free.
        setLink(e, f.cell(0, -1), f.dir(Right));
        setLink(e, f.cell(0, 1), f.dir(Left));
        // Left of c: a run whose far end goes on straight.
        setLink(e, f.cell(-2, 0), f.dir(Right));
        setLink(e, f.cell(-3, 0), f.dir(Right));
        setLink(e, c, f.dir(Up));
        ASSERT_EQ(onLink(e, c, f.dir(Up)), 1);
        EXPECT_EQ(e.cellLinks[c] & 0xf0, f.dir(Right) << 4) << turnName(turns) << "\n"
                                                            << enginePicture(e);
    }
}

} // namespace
} // namespace corvane

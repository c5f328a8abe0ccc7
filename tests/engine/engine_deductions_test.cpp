// Work-list deductions: forced last edges, empty cells decided from their neighbours, blanks.
#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::at;
using testing::engineFromPicture;

TEST(DeduceEmptyCell, FourOwnedNeighboursWithoutPartnersMakeItBlank) {
    auto engine =
        engineFromPicture({"1 . . . 2", ". . 1 . .", ". 4 . 2 .", ". . 3 . .", "3 . . . 4"});
    Engine& e = *engine;
    ASSERT_EQ(deduceEmptyCell(e, at(3, 3)), 1);
    EXPECT_EQ(e.cellOwner[at(3, 3)], Blank);
    EXPECT_EQ(e.cellLinks[at(3, 3)] & 0xf0, 0xf0);

    // Two of them the ends of one pair: the cell may still join them.
    auto partners =
        engineFromPicture({". . . . 2", ". . 1 . .", ". 1 . 2 .", ". . 3 . .", "3 . . . ."});
    ASSERT_EQ(deduceEmptyCell(*partners, at(3, 3)), 1);
    EXPECT_EQ(partners->cellOwner[at(3, 3)], 0);
}

TEST(DeduceEmptyCell, CellBetweenTheTwoHeadsOfAPairIsLinkedToBoth) {
    auto row = engineFromPicture({"1 . 1", ". . ."});
    Engine& e = *row;
    ASSERT_EQ(deduceEmptyCell(e, at(2, 1)), 1) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(2, 1)] & 15, Left | Right);
    EXPECT_EQ(e.pairJoined[1], 1) << enginePicture(e);

    auto column = engineFromPicture({"1", ".", "1"});
    Engine& c = *column;
    ASSERT_EQ(deduceEmptyCell(c, at(1, 2)), 1) << enginePicture(c);
    EXPECT_EQ(c.cellLinks[at(1, 2)] & 15, Up | Down);
    EXPECT_EQ(c.pairJoined[1], 1) << enginePicture(c);
}

TEST(DeduceEmptyCell, ThreeBlockedEdgesMakeItBlank) {
    auto engine = engineFromPicture({". . .", ". . .", "1 . 1"});
    Engine& e = *engine;
    setBlock(e, at(2, 2), Up);
    setBlock(e, at(2, 2), Left);
    setBlock(e, at(2, 2), Right);
    ASSERT_EQ(deduceEmptyCell(e, at(2, 2)), 1);
    EXPECT_EQ(e.cellOwner[at(2, 2)], Blank);
}

TEST(DeduceEmptyCell, OpenBelowAnEdgeDependsOnTheDiagonalMarks) {
    struct Case {
        int blockedEdge;
        int left, right;   // diagonal marks of the cell
        int expectBlocked; // edge blocked by the rule, 0 = none
    };
    const Case cases[] = {
        {Up, 0, 0, Left},    {Up, 0, 1, Right}, {Up, 1, 1, 0},       {Up, 1, 0, Left},
        {Right, 0, 0, Left}, {Right, 0, 1, 0},  {Left, 0, 0, Right}, {Left, 1, 0, 0},
    };
    for (const Case& k : cases) {
        // The cell (2,2) has owned neighbours on its two sides across the blocked edge,
        // from different pairs, and an undecided cell below.
        auto engine = engineFromPicture({". 3 . .", "1 . 2 .", ". . . .", "1 3 2 ."});
        Engine& e = *engine;
        const int u = at(2, 2);
        setBlock(e, u, k.blockedEdge);
        e.diagonalLeft[u] = k.left;
        e.diagonalRight[u] = k.right;
        ASSERT_EQ(deduceEmptyCell(e, u), 1);
        const int expected = (k.blockedEdge | k.expectBlocked) << 4;
        EXPECT_EQ(e.cellLinks[u] & 0xf0, expected)
            << "blocked " << k.blockedEdge << " marks " << k.left << k.right << "\n"
            << enginePicture(e);
        EXPECT_EQ(e.cellOwner[u], 0);
    }
}

TEST(DeduceEmptyCell, OpenCornersOffTheirRayAreBlank) {
    for (const int rightMark : {0, 1}) {
        auto engine = engineFromPicture({". . .", ". . .", "1 . 1"});
        Engine& e = *engine;
        const int u = at(2, 2);
        setBlock(e, u, Up);
        setBlock(e, u, Right);
        e.diagonalRight[u] = rightMark;
        ASSERT_EQ(deduceEmptyCell(e, u), 1);
        EXPECT_EQ(e.cellOwner[u], rightMark ? 0 : Blank) << "mark " << rightMark;
    }
}

TEST(DeduceHead, SingleFreeEdgeIsLinkedAndNoneIsAConflict) {
    auto engine = engineFromPicture({"1 .", "2 .", "1 2"});
    Engine& e = *engine;
    setBlock(e, at(1, 1), Down);
    ASSERT_EQ(deduceHead(e, at(1, 1)), 1) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(1, 1)] & 15, Right);
    EXPECT_EQ(e.endHead[1], at(2, 1));

    auto stuck = engineFromPicture({"1 2", "2 1"});
    Engine& s = *stuck;
    setBlock(s, at(1, 1), Right);
    setBlock(s, at(1, 1), Down);
    EXPECT_EQ(deduceHead(s, at(1, 1)), 0);
    EXPECT_EQ(s.conflictCode, 1);
    EXPECT_EQ(s.conflictCells[0], at(1, 1));
}

TEST(DeduceOneLinkCell, LastEdgeIntoALoopBackToItIsAConflict) {
    // (2,2) has links Up and Right around the square (2,1) (3,1) (3,2); its only free edge
    // leads into (2,1), which closes the loop.
    auto engine = engineFromPicture({". . . .", ". . . .", ". . . .", "1 . . 1"});
    Engine& e = *engine;
    setLink(e, at(2, 2), Right);
    setLink(e, at(3, 2), Up);
    setLink(e, at(3, 1), Left);
    setBlock(e, at(2, 2), Left);
    setBlock(e, at(2, 2), Down);
    EXPECT_EQ(deduceOneLinkCell(e, at(2, 2)), 0) << enginePicture(e);
    EXPECT_EQ(e.conflictCode, 1);
    EXPECT_EQ(e.conflictCells[0], at(2, 2));
}

TEST(DeduceOneLinkCell, LastEdgeIntoAHeadMovesIt) {
    auto engine = engineFromPicture({". . 1", "1 . .", ". . ."});
    Engine& e = *engine;
    setLink(e, at(2, 2), Right);
    setBlock(e, at(2, 2), Up);
    setBlock(e, at(2, 2), Down);
    ASSERT_EQ(deduceOneLinkCell(e, at(2, 2)), 1) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(2, 2)] & 15, Left | Right);
    EXPECT_EQ(e.endHead[0x101], at(3, 2)) << "the head ran on along the earlier link";
    EXPECT_EQ(e.pairJoined[1], 1) << enginePicture(e);
}

TEST(MakeBlank, BlankLineBetweenTwoCellsOfOnePairIsRefused) {
    auto engine = engineFromPicture({"1 . . . 1", ". . . . ."});
    Engine& e = *engine;
    ASSERT_EQ(makeBlank(e, at(2, 1)), 1);
    ASSERT_EQ(makeBlank(e, at(4, 1)), 1);
    EXPECT_EQ(makeBlank(e, at(3, 1)), 0);
    EXPECT_EQ(e.conflictCode, 2);
    EXPECT_EQ(e.conflictCells[0], at(1, 1));
    EXPECT_EQ(e.conflictCells[1], at(5, 1));

    // An undecided cell in the line stops the test; so does the board's edge.
    auto open = engineFromPicture({"1 . . . 1", ". . . . ."});
    EXPECT_EQ(makeBlank(*open, at(2, 1)), 1);
    EXPECT_EQ(makeBlank(*open, at(3, 1)), 1);
    auto vertical = engineFromPicture({"1 .", ". .", ". .", "1 ."});
    ASSERT_EQ(makeBlank(*vertical, at(1, 2)), 1);
    EXPECT_EQ(makeBlank(*vertical, at(1, 3)), 0);
    EXPECT_EQ(vertical->conflictCells[0], at(1, 1));
    EXPECT_EQ(vertical->conflictCells[1], at(1, 4));
}

TEST(MakeBlank, BlocksEveryEdgeAndWakesTheHeadsAround) {
    auto engine = engineFromPicture({"1 . 2", ". . .", "2 . 1"});
    Engine& e = *engine;
    e.endPending.fill(0);
    e.workCount = 0;
    ASSERT_EQ(makeBlank(e, at(2, 2)), 1);
    EXPECT_EQ(e.cellLinks[at(2, 2)] & 0xf0, 0xf0);
    EXPECT_TRUE(e.cellLinks[at(2, 1)] & (Down << 4));
    EXPECT_TRUE(e.cellLinks[at(3, 2)] & (Left << 4));
    EXPECT_EQ(e.endPending[1], 15);
    EXPECT_EQ(e.endPending[0x101], 15);
    EXPECT_EQ(e.endPending[2], 15);
    EXPECT_EQ(e.workCount, 4);
}

TEST(WorkListPass, DrawsTheConsequencesToAFixpoint) {
    // A corridor: pair 1 can only run along the top row; the cells below are boxed in
    // between pair 2's clues and become Blank or are linked.
    auto engine = engineFromPicture({"1 . . . 1", "2 . . . 2"});
    Engine& e = *engine;
    ASSERT_TRUE(propagateClues(e)) << enginePicture(e);
    EXPECT_EQ(e.pairJoined[1], 1) << enginePicture(e);
    EXPECT_EQ(e.pairJoined[2], 1) << enginePicture(e);
    for (int x = 2; x <= 4; ++x) {
        EXPECT_EQ(e.cellOwner[at(x, 1)] & (0xff | Interior), 1 | Interior) << enginePicture(e);
        EXPECT_EQ(e.cellOwner[at(x, 2)] & (0xff | Interior), 2 | Interior) << enginePicture(e);
    }
}

} // namespace
} // namespace corvane

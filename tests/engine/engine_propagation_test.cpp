// Head advance and chain following: joins, runs along earlier links, and refused meetings.
#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::at;
using testing::engineFromPicture;

TEST(AdvanceEnd, SameNumbersSideBySideJoinAtOnce) {
    for (const auto& rows : std::vector<std::vector<std::string>>{{"1 1", ". ."}, {"1 .", "1 ."}}) {
        auto engine = engineFromPicture(rows);
        Engine& e = *engine;
        ASSERT_TRUE(propagateClues(e)) << enginePicture(e);
        EXPECT_EQ(e.pairJoined[1], 1) << enginePicture(e);
        EXPECT_EQ(e.joinSeen, 1);
        EXPECT_EQ(e.cellOwner[e.endHome[1]], 1 | Interior);
        EXPECT_EQ(e.cellOwner[e.endHome[0x101]], 0x101 | Interior);
    }
}

TEST(AdvanceEnd, BlocksEdgesTowardOtherPairsAndNearOwnInterior) {
    auto engine = engineFromPicture({"1 2 . .", ". . . 1", ". . . 2"});
    Engine& e = *engine;
    ASSERT_TRUE(advanceEnd(e, 1));
    EXPECT_TRUE(e.cellLinks[at(1, 1)] & (Right << 4)) << enginePicture(e);
    EXPECT_FALSE(e.cellLinks[at(1, 1)] & (Down << 4));

    // Head at (2,2) after (1,1) -> (1,2) -> (2,2): the cell (2,1) above it is undecided
    // but next to the interior clue cell, so the edge into it is blocked.
    auto second = engineFromPicture({"1 . . .", ". . . .", ". . . 1"});
    Engine& s = *second;
    setLink(s, at(1, 1), Down);
    ASSERT_TRUE(followChain(s, 1, at(1, 1), Down));
    setLink(s, at(1, 2), Right);
    ASSERT_TRUE(followChain(s, 1, at(1, 2), Right)) << enginePicture(s);
    EXPECT_EQ(s.endHead[1], at(2, 2));
    EXPECT_TRUE(s.cellLinks[at(2, 2)] & (Up << 4)) << enginePicture(s);
    EXPECT_FALSE(s.cellLinks[at(2, 2)] & (Right << 4));
}

TEST(AdvanceEnd, SamePairBehindBlockedEdgeIsAConflict) {
    auto engine = engineFromPicture({"1 1"});
    Engine& e = *engine;
    setBlock(e, at(1, 1), Right);
    EXPECT_EQ(advanceEnd(e, 1), 0);
    EXPECT_EQ(e.consistent, 0);
    EXPECT_EQ(e.conflictCode, 2);
    EXPECT_EQ(e.conflictCells[0], at(1, 1));
    EXPECT_EQ(e.conflictCells[1], at(2, 1));
}

TEST(FollowChain, RunsAlongEarlierLinksAndJoinsAtThePartner) {
    auto engine = engineFromPicture({"1 . . 1"});
    Engine& e = *engine;
    setLink(e, at(2, 1), Right);
    setLink(e, at(1, 1), Right);
    ASSERT_TRUE(followChain(e, 1, at(1, 1), Right)) << enginePicture(e);
    EXPECT_EQ(e.pairJoined[1], 1) << enginePicture(e);
    EXPECT_EQ(e.cellOwner[at(2, 1)], 1 | Interior);
    EXPECT_EQ(e.cellOwner[at(3, 1)], 1 | Interior);
    EXPECT_EQ(e.endHead[1], at(3, 1));
    EXPECT_EQ(e.cellLinks[at(3, 1)] & 15, Left | Right);
}

TEST(FollowChain, PassingNextToThePartnerHeadWithoutOnwardLinkJoinsNext) {
    auto engine = engineFromPicture({"1 .", ". 1"});
    Engine& e = *engine;
    setLink(e, at(1, 1), Down);
    ASSERT_TRUE(followChain(e, 1, at(1, 1), Down)) << enginePicture(e);
    EXPECT_EQ(e.pairJoined[1], 1) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(1, 2)] & 15, Up | Right);

    // Turning the other way makes a corner Down+Left off every diagonal ray of a clue,
    // and its inside diagonal cell cannot become the same corner.
    auto other = engineFromPicture({"1 . .", ". 1 ."});
    Engine& o = *other;
    setLink(o, at(1, 1), Right);
    EXPECT_EQ(followChain(o, 1, at(1, 1), Right), 0) << enginePicture(o);
    EXPECT_EQ(o.conflictCode, 1);
    EXPECT_EQ(o.conflictCells[0], at(1, 2));
}

TEST(FollowChain, RunningOnPastACellNextToThePartnerHeadIsAConflict) {
    // Links laid earlier lead from (2,1) over (3,1) to (4,1); (3,1) sits on the partner's
    // head at (3,2). Running on would leave two neighbouring cells of pair 1 that are not
    // consecutive on its path.
    auto engine = engineFromPicture({"1 . . .", ". . 1 ."});
    Engine& e = *engine;
    setLink(e, at(2, 1), Right);
    setLink(e, at(3, 1), Right);
    setLink(e, at(1, 1), Right);
    EXPECT_EQ(followChain(e, 1, at(1, 1), Right), 0) << enginePicture(e);
    EXPECT_EQ(e.conflictCode, 2);
    EXPECT_EQ(e.conflictCells[0], at(3, 1));
    EXPECT_EQ(e.conflictCells[1], at(3, 2));
    EXPECT_EQ(e.pairJoined[1], 0);
}

TEST(FollowChain, EnteringACellNextToOwnInteriorIsAConflict) {
    auto engine = engineFromPicture({"1 . .", ". . .", ". . 1"});
    Engine& e = *engine;
    setLink(e, at(1, 1), Right);
    ASSERT_TRUE(followChain(e, 1, at(1, 1), Right));
    setLink(e, at(2, 1), Down);
    ASSERT_TRUE(followChain(e, 1, at(2, 1), Down));
    setLink(e, at(2, 2), Left); // a hand-made link toward (1,2), which touches the clue (1,1)
    EXPECT_EQ(followChain(e, 1, at(2, 2), Left), 0) << enginePicture(e);
    EXPECT_EQ(e.conflictCode, 2);
    EXPECT_EQ(e.conflictCells[0], at(2, 2));
    EXPECT_EQ(e.conflictCells[1], at(1, 2));
}

TEST(FollowChain, ALineOfBlankCellsEndingAtTheOwnPairIsRefused) {
    auto engine = engineFromPicture({"1 . . . 1", "2 . . . 2"});
    Engine& e = *engine;
    ASSERT_TRUE(makeBlank(e, at(3, 1)));
    ASSERT_TRUE(makeBlank(e, at(4, 1)));
    setLink(e, at(1, 1), Right);
    EXPECT_EQ(followChain(e, 1, at(1, 1), Right), 0) << enginePicture(e);
    EXPECT_EQ(e.conflictCode, 2);
    EXPECT_EQ(e.conflictCells[0], at(2, 1));
    EXPECT_EQ(e.conflictCells[1], at(5, 1));

    // The same line ending at another pair is fine.
    auto other = engineFromPicture({"1 . . . 2", "2 . . . 1"});
    Engine& o = *other;
    ASSERT_TRUE(makeBlank(o, at(3, 1)));
    ASSERT_TRUE(makeBlank(o, at(4, 1)));
    setLink(o, at(1, 1), Right);
    EXPECT_EQ(followChain(o, 1, at(1, 1), Right), 1) << enginePicture(o);
}

TEST(FollowChain, IntoAForeignCellIsAConflict) {
    auto engine = engineFromPicture({"1 2 1", "2 . ."});
    Engine& e = *engine;
    setLink(e, at(1, 1), Right);
    EXPECT_EQ(followChain(e, 1, at(1, 1), Right), 0);
    EXPECT_EQ(e.conflictCode, 2);
    EXPECT_EQ(e.conflictCells[1], at(2, 1));
}

TEST(PropagateClues, ForcedPuzzleIsSolvedByTheCluesAlone) {
    auto engine = engineFromPicture({"1 . 1", "2 . 2"});
    Engine& e = *engine;
    ASSERT_TRUE(propagateClues(e)) << enginePicture(e);
    EXPECT_EQ(e.pairJoined[1], 1) << enginePicture(e);
    EXPECT_EQ(e.pairJoined[2], 1) << enginePicture(e);
    EXPECT_EQ(e.cellOwner[at(2, 1)] & 0x2ff, 1 | Interior);
    EXPECT_EQ(e.cellOwner[at(2, 2)] & 0x2ff, 2 | Interior);
}

TEST(PropagateClues, CrossingPairsAreRefused) {
    auto engine = engineFromPicture({". 1 . .", ". . . 2", "2 . . .", ". . 1 ."});
    Engine& e = *engine;
    EXPECT_EQ(propagateClues(e), 0) << enginePicture(e);
    EXPECT_EQ(e.consistent, 0);
}

} // namespace
} // namespace corvane

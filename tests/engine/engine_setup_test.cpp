// Engine set-up from a board, and the undo of every kind of trail record.
#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::at;
using testing::engineFromPicture;
using testing::snapshotOf;

TEST(EngineSetup, NumbersEndsInRowMajorOrderAndMarksSecondEnds) {
    auto engine = engineFromPicture({". 2 .", "1 . 2", "1 . ."});
    const Engine& e = *engine;
    EXPECT_EQ(e.pairCount, 2);
    EXPECT_EQ(e.endHome[1], at(1, 2));
    EXPECT_EQ(e.endHome[0x101], at(1, 3));
    EXPECT_EQ(e.endHome[2], at(2, 1));
    EXPECT_EQ(e.endHome[0x102], at(3, 2));
    EXPECT_EQ(e.cellOwner[at(1, 2)], 1);
    EXPECT_EQ(e.cellOwner[at(1, 3)], 0x101);
    EXPECT_EQ(e.cellOwner[at(2, 1)], 2);
    EXPECT_EQ(e.cellOwner[at(3, 2)], 0x102);
    EXPECT_EQ(e.endHead, e.endHome);
    EXPECT_EQ(e.endPending[1], 15);
    EXPECT_EQ(e.endPending[0x102], 15);
    EXPECT_EQ(e.cellOwner[at(2, 2)], 0);
    EXPECT_EQ(e.cellOwner[at(4, 2)], Blank);
    EXPECT_EQ(e.cellClue[at(0, 1)], OutsideCell);
    EXPECT_EQ(e.cellClue[at(3, 2)], 2);
    EXPECT_EQ(e.cellClue[at(2, 2)], 0);
}

TEST(EngineSetup, BlocksTheRimAndListsEveryBoardCell) {
    auto engine = engineFromPicture({"1 . 1"});
    const Engine& e = *engine;
    EXPECT_EQ(e.cellLinks[at(1, 1)], 0x10 | 0x40 | 0x80);
    EXPECT_EQ(e.cellLinks[at(2, 1)], 0x10 | 0x40);
    EXPECT_EQ(e.cellLinks[at(3, 1)], 0x10 | 0x40 | 0x20);
    EXPECT_EQ(e.cellLinks[at(4, 1)], 0) << "the rim cell's own half stays clear";
    ASSERT_EQ(e.workCount, 3);
    EXPECT_EQ(e.workList[0], at(1, 1));
    EXPECT_EQ(e.workList[2], at(3, 1));
    EXPECT_EQ(e.scanCell, 128);
    EXPECT_EQ(e.trailTop, 0);
    EXPECT_EQ(e.consistent, 1);

    auto single = engineFromPicture({"."});
    EXPECT_EQ(single->cellLinks[at(1, 1)], 0xf0);
}

TEST(EngineSetup, SmallerBoardAfterLargerSeesNoOldState) {
    auto engine =
        engineFromPicture({"1 . . . 2", ". . . . .", ". . 1 . .", ". . . . .", "2 . . . ."});
    Engine& e = *engine;
    ASSERT_TRUE(propagateClues(e));
    setLink(e, at(3, 3), Down);
    setBlock(e, at(4, 4), Right);

    Board board;
    testing::setBoardPicture(board, {"1 1"});
    initEngine(e, board.boardCells, 2, 1, 1);
    for (int c = 0; c < CellCount; ++c) {
        const bool onBoard = c == at(1, 1) || c == at(2, 1);
        if (!onBoard) {
            ASSERT_EQ(e.cellLinks[c], 0) << "cell " << c;
            ASSERT_EQ(e.cellClue[c], OutsideCell) << "cell " << c;
            ASSERT_EQ(e.cellOwner[c], Blank) << "cell " << c;
            ASSERT_EQ(e.diagonalLeft[c] | e.diagonalRight[c], 0) << "cell " << c;
        }
    }
    EXPECT_EQ(e.endHome[2], 0);
    EXPECT_EQ(e.endPending[2], 0);
}

TEST(EngineSetup, CluesMayComeFromTheEngineOwnClueArray) {
    auto engine = std::make_unique<Engine>();
    engine->cellClue.fill(OutsideCell);
    engine->cellClue[at(1, 1)] = 1;
    engine->cellClue[at(2, 1)] = 0;
    engine->cellClue[at(3, 1)] = 1;
    initEngine(*engine, engine->cellClue, 3, 1, 1);
    EXPECT_EQ(engine->cellClue[at(1, 1)], 1);
    EXPECT_EQ(engine->cellClue[at(2, 1)], 0);
    EXPECT_EQ(engine->endHome[0x101], at(3, 1));
}

TEST(EngineSetup, APairWithoutBothCluesIsContradictoryNotACrash) {
    Board board;
    testing::setBoardPicture(board, {"1 . 3", ". . 1"});
    auto engine = std::make_unique<Engine>();
    initEngine(*engine, board.boardCells, 3, 2, 3);
    EXPECT_EQ(propagateClues(*engine), 0);
    EXPECT_EQ(engine->consistent, 0);
}

TEST(EngineTrail, UndoOfHeadMoveRestoresThePreviousHead) {
    auto engine = engineFromPicture({"1 . . 1"});
    Engine& e = *engine;
    const auto before = snapshotOf(e);
    ASSERT_TRUE(linkCells(e, at(1, 1), Right));
    ASSERT_TRUE(followChain(e, 1, at(1, 1), Right));
    EXPECT_EQ(e.cellOwner[at(1, 1)], 1 | Interior);
    EXPECT_EQ(e.cellOwner[at(2, 1)], 1);
    EXPECT_EQ(e.endHead[1], at(2, 1));

    // Undo the move alone: the old head is a head again, the cell entered is undecided.
    int move = -1;
    for (int t = 0; t < e.trailTop; ++t)
        if (e.trail[t].kind == HeadMove) move = t;
    ASSERT_GE(move, 0);
    rewindTo(e, move);
    EXPECT_EQ(e.cellOwner[at(1, 1)], 1);
    EXPECT_EQ(e.cellOwner[at(2, 1)], 0);
    EXPECT_EQ(e.endHead[1], at(1, 1));
    rewindTo(e, 0);
    EXPECT_TRUE(*snapshotOf(e) == *before) << enginePicture(e);
}

TEST(EngineTrail, UndoOfJoinClearsJoinedButKeepsBothHeads) {
    auto engine = engineFromPicture({"1 1"});
    Engine& e = *engine;
    ASSERT_TRUE(advanceEnd(e, 1));
    EXPECT_EQ(e.pairJoined[1], 1);
    EXPECT_EQ(e.joinSeen, 1);
    EXPECT_EQ(e.cellOwner[at(1, 1)], 1 | Interior);
    EXPECT_EQ(e.cellOwner[at(2, 1)], 0x101 | Interior);
    ASSERT_EQ(e.trail[e.trailTop - 1].kind, PairJoin);
    rewindTo(e, e.trailTop - 1);
    EXPECT_EQ(e.pairJoined[1], 0);
    EXPECT_EQ(e.cellOwner[at(1, 1)], 1);
    EXPECT_EQ(e.cellOwner[at(2, 1)], 0x101);
    EXPECT_EQ(e.cellLinks[at(1, 1)] & 15, Right) << "the link has its own record";
}

TEST(EngineTrail, UndoOfBlankLinksAndBlocks) {
    auto engine = engineFromPicture({". . .", ". . .", "1 . 1"});
    Engine& e = *engine;
    const auto before = snapshotOf(e);
    ASSERT_TRUE(makeBlank(e, at(2, 2)));
    EXPECT_EQ(e.cellOwner[at(2, 2)], Blank);
    EXPECT_EQ(e.cellLinks[at(2, 2)], 0xf0);
    EXPECT_EQ(e.cellLinks[at(2, 1)] & 0x40, 0x40);
    EXPECT_EQ(e.cellLinks[at(3, 2)] & 0x80, 0x80);
    setLink(e, at(1, 1), Right);
    setLink(e, at(1, 1), Down);
    EXPECT_EQ(e.cellLinks[at(1, 2)] & Up, Up);
    rewindTo(e, 0);
    EXPECT_TRUE(*snapshotOf(e) == *before) << enginePicture(e);
}

TEST(EngineTrail, RewindToChoiceStopsAtTheLatestChoiceAndLeavesItApplied) {
    auto engine = engineFromPicture({". . .", ". . .", "1 . 1"});
    Engine& e = *engine;
    toggleLinkBits(e, at(1, 1), Right);
    pushRecord(e, ChoiceCorner, at(1, 1));
    setLink(e, at(1, 1), Down);
    toggleLinkBits(e, at(2, 2), Right);
    pushRecord(e, ChoiceLink, at(2, 2));
    setBlock(e, at(2, 2), Down);
    EXPECT_EQ(rewindToChoice(e), 2);
    EXPECT_EQ(e.trailTop, 3);
    EXPECT_EQ(e.cellLinks[at(2, 2)] & 0xf0, 0x00);
    EXPECT_EQ(e.cellLinks[at(2, 2)] & Right, Right);
    // A caller that drops the choice record rewinds on to the one below.
    e.trail[2] = TrailRecord{LinkRight, at(2, 2), 0};
    EXPECT_EQ(rewindToChoice(e), 0);
    EXPECT_EQ(e.cellLinks[at(2, 2)] & 15, 0);
    EXPECT_EQ(e.cellLinks[at(1, 1)], Right | 0x80 | 0x10);
    e.trail[0] = TrailRecord{LinkRight, at(1, 1), 0};
    // A refused first branch set no link: its record (b = 1) removes none.
    pushRecord(e, ChoiceLink, at(2, 2), 1);
    rewindTo(e, 1);
    EXPECT_EQ(e.cellLinks[at(2, 2)] & 15, 0);
    EXPECT_EQ(rewindToChoice(e), -1);
    EXPECT_EQ(e.trailTop, 0);
    EXPECT_EQ(e.cellLinks[at(1, 1)], 0x80 | 0x10);
}

} // namespace
} // namespace corvane

// Corner cascades down the inside diagonal of a corner, and what ends them.
#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::at;
using testing::engineFromPicture;

TEST(CornerCascade, RightDownRepeatsUntilAClueStopsIt) {
    auto engine = engineFromPicture(
        {". . . . . 1", ". . . . . .", ". . . . . .", ". . . 2 . .", ". . . . . .", "1 . . . . 2"});
    Engine& e = *engine;
    ASSERT_EQ(cornerRightDown(e, at(2, 2)), 1) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(2, 2)] & 15, Right | Down) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(3, 3)] & 15, Right | Down) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(4, 4)] & 15, 0) << "the clue ends the cascade";
    EXPECT_TRUE(e.cellLinks[at(4, 4)] & (Up << 4));
    EXPECT_TRUE(e.cellLinks[at(4, 4)] & (Left << 4));
    EXPECT_TRUE(e.cellLinks[at(2, 2)] & (Up << 4));
    EXPECT_TRUE(e.cellLinks[at(2, 2)] & (Left << 4));
    EXPECT_EQ(e.consistent, 1);
}

TEST(CornerCascade, DownLeftIsTheMirrorImage) {
    auto engine = engineFromPicture(
        {"1 . . . . .", ". . . . . .", ". . . . . .", ". . 2 . . .", ". . . . . .", "2 . . . . 1"});
    Engine& e = *engine;
    ASSERT_EQ(cornerDownLeft(e, at(5, 2)), 1) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(5, 2)] & 15, Down | Left) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(4, 3)] & 15, Down | Left) << enginePicture(e);
    EXPECT_EQ(e.cellLinks[at(3, 4)] & 15, 0);
    EXPECT_TRUE(e.cellLinks[at(3, 4)] & (Up << 4));
    EXPECT_TRUE(e.cellLinks[at(3, 4)] & (Right << 4));
    EXPECT_TRUE(e.cellLinks[at(5, 2)] & (Right << 4));
}

TEST(CornerCascade, ReachingTheRimOrABlockedEdgeIsAConflict) {
    // No clue on the diagonal: the last board cell on it cannot link Right.
    auto engine = engineFromPicture({"1 . . .", ". . . .", ". . . .", "1 . . ."});
    Engine& e = *engine;
    EXPECT_EQ(cornerRightDown(e, at(2, 2)), 0) << enginePicture(e);
    EXPECT_EQ(e.conflictCode, 1);
    EXPECT_EQ(e.conflictCells[0], at(4, 4));

    auto blocked = engineFromPicture(
        {". . . . . 1", ". . . . . .", ". . . . . .", ". . . 2 . .", ". . . . . .", "1 . . . . 2"});
    Engine& b = *blocked;
    setBlock(b, at(3, 3), Down);
    EXPECT_EQ(cornerRightDown(b, at(2, 2)), 0);
    EXPECT_EQ(b.conflictCode, 1);
    EXPECT_EQ(b.conflictCells[0], at(3, 3));
}

TEST(CornerCascade, LinksWithoutOwnerClosingALoopAreAConflict) {
    auto engine =
        engineFromPicture({"1 . . . 1", ". . . . .", ". . . . .", ". . . . .", "2 . . . 2"});
    Engine& e = *engine;
    setLink(e, at(3, 2), Down);
    setLink(e, at(2, 3), Right);
    EXPECT_EQ(cornerRightDown(e, at(2, 2)), 0) << enginePicture(e);
    EXPECT_EQ(e.conflictCode, 1);
    EXPECT_EQ(e.conflictCells[0], at(2, 2));
}

TEST(CornerCascade, AnOwnedDiagonalCellMovesItsHead) {
    // The head of pair 2 stands right of the diagonal cell (3,3); the cascade links (3,3)
    // Right, so the head moves into (3,3) and then on Down.
    auto engine = engineFromPicture(
        {". . . . . .", ". . . . . .", ". . . 2 . .", ". . . . . .", ". . . . 1 .", "1 . 2 . . ."});
    Engine& e = *engine;
    ASSERT_EQ(e.cellOwner[at(4, 3)], 2);
    ASSERT_EQ(cornerRightDown(e, at(2, 2)), 1) << enginePicture(e);
    EXPECT_EQ(e.cellOwner[at(3, 3)], 2 | Interior) << enginePicture(e);
    EXPECT_EQ(e.endHead[2], at(3, 4)) << enginePicture(e);
}

} // namespace
} // namespace corvane

// Region check: pairs whose heads interleave around one region must cross.
#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::at;
using testing::engineFromPicture;

// Pair 1 runs from the top to the bottom, pair 2 from the right to the left: around the one
// region the heads lie in the order 1, 2, 1', 2'.
const std::vector<std::string> crossing{". 1 . .", ". . . 2", "2 . . .", ". . 1 ."};

TEST(CheckRegions, InterleavedHeadsAroundOneRegionAreAConflict) {
    auto engine = engineFromPicture(crossing);
    Engine& e = *engine;
    EXPECT_EQ(checkRegions(e), 0);
    EXPECT_EQ(e.conflictCode, 4);
    // The pair whose second head the walk met first comes first.
    EXPECT_EQ(e.conflictCells[0], at(4, 2));
    EXPECT_EQ(e.conflictCells[1], at(1, 3));
    EXPECT_EQ(e.conflictCells[2], at(2, 1));
    EXPECT_EQ(e.conflictCells[3], at(3, 4));
}

TEST(CheckRegions, HeadsInPairOrderAreFineAndPendingSidesAreSettled) {
    auto engine = engineFromPicture({". 1 . .", ". . . 1", "2 . . .", ". . 2 ."});
    Engine& e = *engine;
    EXPECT_EQ(checkRegions(e), 1);
    EXPECT_EQ(e.consistent, 1);
    for (const int end : {1, 0x101, 2, 0x102}) EXPECT_EQ(e.endPending[end], 0) << end;

    auto single = engineFromPicture({"1 . .", ". . .", ". . 1"});
    EXPECT_EQ(checkRegions(*single), 1);
}

TEST(CheckRegions, AHeadWithAWayIntoAnotherRegionKeepsTheCombinationOpen) {
    auto engine = engineFromPicture(crossing);
    Engine& e = *engine;
    // The corner cell (1,1) becomes a region of its own, reachable from head 1 at (2,1).
    ASSERT_EQ(makeBlank(e, at(1, 2)), 1);
    EXPECT_EQ(checkRegions(e), 1) << enginePicture(e);
}

TEST(CheckRegions, ATouchThroughABlockedEdgeIsNotCounted) {
    auto engine = engineFromPicture(crossing);
    Engine& e = *engine;
    setBlock(e, at(2, 1), Down);
    EXPECT_EQ(checkRegions(e), 0) << enginePicture(e);
    EXPECT_EQ(e.conflictCode, 4);
}

TEST(CheckRegions, OnlyPendingHeadsStartAWalk) {
    auto engine = engineFromPicture(crossing);
    Engine& e = *engine;
    e.endPending.fill(0);
    EXPECT_EQ(checkRegions(e), 1);
    e.endPending[0x102] = Right;
    EXPECT_EQ(checkRegions(e), 0);
}

} // namespace
} // namespace corvane

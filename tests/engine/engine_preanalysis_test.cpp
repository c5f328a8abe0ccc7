// Pre-analysis: U-turn bounds of the cells and the diagonal rays of the clues.
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace corvane {
namespace {

using testing::at;
using testing::engineFromPicture;

int bound(const Engine& e, int x, int y, int d) {
    return e.uturnBound[at(x, y)][dirIndex[d]];
}

TEST(UturnBounds, DefaultsPointPastTheBoard) {
    auto engine = engineFromPicture({"1 . . . .", ". . . . .", ". . . . 1"});
    const Engine& e = *engine;
    EXPECT_EQ(bound(e, 2, 2, Up), at(6, 2));
    EXPECT_EQ(bound(e, 2, 2, Down), at(6, 2));
    EXPECT_EQ(bound(e, 2, 2, Right), at(2, 4));
    EXPECT_EQ(bound(e, 2, 2, Left), at(2, 4));
    EXPECT_EQ(bound(e, 1, 1, Up), at(6, 1)) << "clue cells keep the defaults";
    EXPECT_EQ(bound(e, 5, 2, Up), at(6, 2)) << "last column";
    EXPECT_EQ(bound(e, 4, 2, Down), at(6, 2));
    EXPECT_EQ(bound(e, 2, 3, Right), at(2, 4)) << "last row";
    EXPECT_EQ(bound(e, 3, 3, Left), at(3, 4));
}

TEST(UturnBounds, EachEntryFindsTheNearestClueInItsTriangle) {
    // Clue 1 at (4,4), partner far away in the corner (7,7).
    auto engine =
        engineFromPicture({". . . . . . .", ". . . . . . .", ". . . . . . .", ". . . 1 . . .",
                           ". . . . . . .", ". . . . . . .", ". . . . . . 1"});
    const Engine& e = *engine;
    // Up: triangle below the row. From (3,3), x' = 5 looks at (4,4).
    EXPECT_EQ(bound(e, 3, 3, Up), at(5, 3));
    // From (2,3) the clue (4,4) is first inside the triangle at x' = 5? (x'-1, y+1) = (4,4).
    EXPECT_EQ(bound(e, 2, 3, Up), at(5, 3));
    // Further away, the triangle must reach two rows down: from (1,2), x' = 5 sees (4,3),
    // (3,4); x' = 6 sees (5,3), (4,4).
    EXPECT_EQ(bound(e, 1, 2, Up), at(6, 2));
    // Down: triangle above the row. From (3,5), x' = 5 looks at (4,4).
    EXPECT_EQ(bound(e, 3, 5, Down), at(5, 5));
    // Right: triangle left of the column. From (5,3), y' = 5 looks at (4,4).
    EXPECT_EQ(bound(e, 5, 3, Right), at(5, 5));
    // Left: triangle right of the column. From (3,3), y' = 5 looks at (4,4).
    EXPECT_EQ(bound(e, 3, 3, Left), at(3, 5));
    // The clue on the wrong side leaves the default.
    EXPECT_EQ(bound(e, 3, 5, Up), at(8, 5));
    EXPECT_EQ(bound(e, 3, 3, Right), at(3, 8));
}

/// The bounds by their definition: for each distance from 2 on, scan the cells of the
/// triangle's new diagonal from the bound cell inwards until the board ends.
int boundByScanning(const Engine& e, int c, int d) {
    const int along = (d == Up || d == Down) ? 1 : RowStride;
    const int inward = d == Up ? RowStride - 1 : d == Left ? -RowStride + 1 : -RowStride - 1;
    int past = c + along;
    while (e.cellClue[past] != OutsideCell) past += along;
    if (e.cellClue[c] != 0 || e.cellClue[c + along] == OutsideCell) return past;
    for (int distance = 2, far = c + 2 * along; e.cellClue[far] != OutsideCell;
         ++distance, far += along)
        for (int k = 1, t = far + inward; k <= distance / 2; ++k, t += inward) {
            if (e.cellClue[t] == OutsideCell) break;
            if (e.cellClue[t] != 0) return far;
        }
    return past;
}

TEST(UturnBounds, AgreeWithScanningTheTrianglesOnRandomBoards) {
    std::uint32_t seed = 12345;
    const auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
    };
    for (int round = 0; round < 40; ++round) {
        const int width = 1 + next(14);
        const int height = 1 + next(14);
        auto clues = std::make_unique<std::array<int, CellCount>>();
        clues->fill(0);
        const int pairs = next(6);
        for (int p = 1; p <= pairs; ++p)
            for (int k = 0; k < 2; ++k) (*clues)[at(1 + next(width), 1 + next(height))] = p;
        auto engine = std::make_unique<Engine>();
        initEngine(*engine, *clues, width, height, pairs);
        for (int y = 1; y <= height; ++y)
            for (int x = 1; x <= width; ++x)
                for (const int d : allDirections)
                    ASSERT_EQ(bound(*engine, x, y, d), boundByScanning(*engine, at(x, y), d))
                        << "round " << round << " cell " << x << "," << y << " direction " << d
                        << "\n"
                        << enginePicture(*engine);
    }
}

TEST(Diagonals, RaysRunToTheRimAndStopBetweenTwoDifferentClues) {
    auto engine =
        engineFromPicture({". . . . .", ". . . . .", ". . . . .", ". . . . 1", ". . . . 1"});
    const Engine& e = *engine;
    // Up-left ray of (5,4): (4,3), (3,2), (2,1); of (5,5): (4,4), (3,3), (2,2), (1,1).
    for (const int c : {at(4, 3), at(3, 2), at(2, 1), at(4, 4), at(3, 3), at(2, 2), at(1, 1)})
        EXPECT_EQ(e.diagonalLeft[c], 1) << c;
    EXPECT_EQ(e.diagonalLeft[at(4, 2)], 0);
    // Up-right rays leave the board at once.
    int rightMarks = 0;
    for (int c = 0; c < CellCount; ++c) rightMarks += e.diagonalRight[c];
    EXPECT_EQ(rightMarks, 0);

    // The up-left ray of clue 3 at (3,3) stops at once between clue 1 above it and clue 2
    // left of it; the ray of clue 2 at (3,3) below goes on between two clues 1.
    auto blockedRay = engineFromPicture({". . . .", ". . 1 .", ". 2 3 .", "1 2 . 3"});
    EXPECT_EQ(blockedRay->diagonalLeft[at(2, 2)], 0);
    EXPECT_EQ(blockedRay->diagonalLeft[at(1, 1)], 0);
    auto openRay = engineFromPicture({". . . .", ". . 1 .", ". 1 2 .", ". . . 2"});
    EXPECT_EQ(openRay->diagonalLeft[at(2, 2)], 1);
    EXPECT_EQ(openRay->diagonalLeft[at(1, 1)], 1);
    EXPECT_EQ(openRay->diagonalRight[at(4, 2)], 1) << "up-right ray of (3,3)";
}

} // namespace
} // namespace corvane

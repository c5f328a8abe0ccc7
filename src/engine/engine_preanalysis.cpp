// Pre-analysis at set-up: the U-turn bounds of every cell and the diagonal rays of the clues.
#include "engine/engine_state.h"

#include <vector>

namespace corvane {

namespace {

/// How one uturnBound entry is found, in board coordinates. The entry's bound moves from the
/// cell along the row or column (step `along`, unit vector ax, ay); at distance D from the
/// cell it looks at the cells k = 1 .. D / 2 steps back along the line and k steps to the
/// entry's side (unit vector px, py). A clue there lies a steps along and b steps aside
/// with b = k and D = a + b, so a clue counts for the distance a + b when 1 <= b <= a and
/// the bound cell at that distance is still on the board.
struct BoundAxes {
    int entry;
    int along;
    int ax, ay;
    int px, py;
};

constexpr std::array<BoundAxes, 4> boundAxes{{
    {Up, 1, 1, 0, 0, 1},             // the triangle below the row
    {Right, RowStride, 0, 1, -1, 0}, // left of the column
    {Down, 1, 1, 0, 0, -1},          // above the row
    {Left, RowStride, 0, 1, 1, 0},   // right of the column
}};

/// The nearest distance at which a clue of `clues` lies in the cell's triangle, or 0; one
/// instance per entry, so that the axes fold into the arithmetic.
template <int entryIndex>
int nearestClueDistance(const Engine& engine, const std::vector<int>& clues, int x, int y) {
    constexpr BoundAxes axes = boundAxes[entryIndex];
    int best = 0;
    for (const int clue : clues) {
        const int dx = cellColumn(clue) - x;
        const int dy = cellRow(clue) - y;
        const int a = dx * axes.ax + dy * axes.ay;
        const int b = dx * axes.px + dy * axes.py;
        if (b < 1 || b > a) continue;
        const int distance = a + b;
        if (best != 0 && distance >= best) continue;
        if (x + distance * axes.ax > engine.engineWidth) continue;
        if (y + distance * axes.ay > engine.engineHeight) continue;
        best = distance;
    }
    return best;
}

} // namespace

void computeUturnBounds(Engine& engine) {
    // One pass over the clues per cell and entry instead of scanning each triangle, which
    // on a large board with few clues cost a cube of the side per cell.
    std::vector<int> clues;
    for (int y = 1; y <= engine.engineHeight; ++y)
        for (int x = 1; x <= engine.engineWidth; ++x)
            if (engine.cellClue[cellIndex(x, y)] != 0) clues.push_back(cellIndex(x, y));
    for (int y = 1; y <= engine.engineHeight; ++y)
        for (int x = 1; x <= engine.engineWidth; ++x) {
            const int c = cellIndex(x, y);
            const bool open = engine.cellClue[c] == 0;
            const std::array<int, 4> distances{
                open ? nearestClueDistance<0>(engine, clues, x, y) : 0,
                open ? nearestClueDistance<1>(engine, clues, x, y) : 0,
                open ? nearestClueDistance<2>(engine, clues, x, y) : 0,
                open ? nearestClueDistance<3>(engine, clues, x, y) : 0};
            for (std::size_t k = 0; k < boundAxes.size(); ++k) {
                const BoundAxes& axes = boundAxes[k];
                // Without a clue in reach the bound is the first cell past the board.
                int bound = axes.along == 1 ? cellIndex(engine.engineWidth + 1, y)
                                            : cellIndex(x, engine.engineHeight + 1);
                if (distances[k] != 0) bound = c + distances[k] * axes.along;
                engine.uturnBound[c][dirIndex[axes.entry]] = bound;
            }
        }
}

void markDiagonals(Engine& engine) {
    const auto mark = [&engine](int home) {
        if (home < FirstBoardCell) return; // a pair without both clues has no rays
        for (int c = home - RowStride - 1; engine.cellClue[c] == 0; c -= RowStride + 1) {
            const int a = engine.cellClue[c + 1];
            const int b = engine.cellClue[c + RowStride];
            if (a != 0 && b != 0 && a != b) break;
            engine.diagonalLeft[c] = 1;
        }
        for (int c = home - RowStride + 1; engine.cellClue[c] == 0; c -= RowStride - 1) {
            const int a = engine.cellClue[c - 1];
            const int b = engine.cellClue[c + RowStride];
            if (a != 0 && b != 0 && a != b) break;
            engine.diagonalRight[c] = 1;
        }
    };
    for (int p = 1; p <= engine.pairCount; ++p) mark(engine.endHome[p]);
    for (int p = 1; p <= engine.pairCount; ++p) mark(engine.endHome[p | SecondEnd]);
}

} // namespace corvane

// Pre-analysis at set-up: the U-turn bounds of every cell and the diagonal rays of the clues.
#include "engine/engine_state.h"

namespace corvane {

namespace {

/// How one uturnBound entry is searched: the entry's cell moves along the row or column
/// (`along`), and the triangle between the cell and it is scanned from the far end, one
/// step back along the line and one step to the entry's side at a time (`inward`).
struct BoundScan {
    int entry;
    int along;
    int inward;
};

constexpr std::array<BoundScan, 4> boundScans{{
    {Up, 1, RowStride - 1},             // the triangle below the row
    {Right, RowStride, -RowStride - 1}, // left of the column
    {Down, 1, -RowStride - 1},          // above the row
    {Left, RowStride, -RowStride + 1},  // right of the column
}};

/// The nearest board cell at least two steps along the line whose triangle holds a clue, or
/// 0 when there is none.
int searchBound(const Engine& engine, int c, const BoundScan& scan) {
    if (engine.cellClue[c + scan.along] == OutsideCell) return 0;
    int far = c + 2 * scan.along;
    for (int distance = 2; engine.cellClue[far] != OutsideCell; ++distance, far += scan.along) {
        const int depth = (distance - 2) / 2 + 1;
        for (int k = 1, t = far + scan.inward; k <= depth; ++k, t += scan.inward) {
            if (engine.cellClue[t] == OutsideCell) break;
            if (engine.cellClue[t] != 0) return far;
        }
    }
    return 0;
}

} // namespace

void computeUturnBounds(Engine& engine) {
    for (int y = 1; y <= engine.engineHeight; ++y)
        for (int x = 1; x <= engine.engineWidth; ++x) {
            const int c = cellIndex(x, y);
            for (const BoundScan& scan : boundScans) {
                int bound = c + scan.along;
                while (engine.cellClue[bound] != OutsideCell) bound += scan.along;
                const int found = engine.cellClue[c] == 0 ? searchBound(engine, c, scan) : 0;
                if (found != 0) bound = found;
                engine.uturnBound[c][dirIndex[scan.entry]] = bound;
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

// Pre-analysis at set-up: the U-turn bounds of every cell and the diagonal rays of the clues.
#include "engine/engine_state.h"

namespace corvane {

namespace {

inline bool clueAt(const Engine& engine, int x, int y) {
    return engine.cellClue[cellIndex(x, y)] != 0;
}

} // namespace

void computeUturnBounds(Engine& engine) {
    const int w = engine.engineWidth;
    const int h = engine.engineHeight;
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x) {
            const int c = cellIndex(x, y);
            std::array<int, 4>& bound = engine.uturnBound[c];
            bound[dirIndex[Up]] = cellIndex(w + 1, y);
            bound[dirIndex[Right]] = cellIndex(x, h + 1);
            bound[dirIndex[Down]] = cellIndex(w + 1, y);
            bound[dirIndex[Left]] = cellIndex(x, h + 1);
            if (engine.cellClue[c] != 0) continue;

            // Up: a clue in the triangle below the row between x and x'.
            for (int x2 = x + 2; x2 <= w; ++x2) {
                bool found = false;
                for (int k = 1; k <= (x2 - x - 2) / 2 + 1 && y + k <= h && !found; ++k)
                    found = clueAt(engine, x2 - k, y + k);
                if (found) {
                    bound[dirIndex[Up]] = cellIndex(x2, y);
                    break;
                }
            }
            // Right: a clue in the triangle left of the column between y and y'.
            for (int y2 = y + 2; y2 <= h; ++y2) {
                bool found = false;
                for (int k = 1; k <= (y2 - y - 2) / 2 + 1 && x - k >= 1 && !found; ++k)
                    found = clueAt(engine, x - k, y2 - k);
                if (found) {
                    bound[dirIndex[Right]] = cellIndex(x, y2);
                    break;
                }
            }
            // Down: a clue in the triangle above the row.
            for (int x2 = x + 2; x2 <= w; ++x2) {
                bool found = false;
                for (int k = 1; k <= (x2 - x - 2) / 2 + 1 && y - k >= 1 && !found; ++k)
                    found = clueAt(engine, x2 - k, y - k);
                if (found) {
                    bound[dirIndex[Down]] = cellIndex(x2, y);
                    break;
                }
            }
            // Left: a clue in the triangle right of the column.
            for (int y2 = y + 2; y2 <= h; ++y2) {
                bool found = false;
                for (int k = 1; k <= (y2 - y - 2) / 2 + 1 && x + k <= w && !found; ++k)
                    found = clueAt(engine, x + k, y2 - k);
                if (found) {
                    bound[dirIndex[Left]] = cellIndex(x, y2);
                    break;
                }
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

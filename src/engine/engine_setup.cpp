// Building the engine state from an oriented board, and the propagation of the clues alone.
#include "engine/engine_state.h"

#include <algorithm>

namespace corvane {

void initEngine(Engine& engine, const std::array<int, CellCount>& clues, int width, int height,
                int pairCount) {
    engine.engineWidth = width;
    engine.engineHeight = height;
    engine.lastRowBase = height * RowStride;
    engine.pairCount = pairCount < 0 ? 0 : (pairCount > MaxPairs ? MaxPairs : pairCount);
    pairCount = engine.pairCount;

    // Clues: read the board cells first, since `clues` may be the clue array itself.
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) {
            const int c = cellIndex(x, y);
            const int v = clues[c];
            engine.cellOwner[c] = v > 0 && v <= pairCount ? v : 0;
        }
    engine.cellClue.fill(OutsideCell);
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) {
            const int c = cellIndex(x, y);
            engine.cellClue[c] = engine.cellOwner[c];
        }

    // End homes: the clue met first in row-major order is end p, the other p | SecondEnd.
    engine.endHome.fill(0);
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) {
            const int c = cellIndex(x, y);
            const int p = engine.cellClue[c];
            if (p == 0) continue;
            if (engine.endHome[p] == 0)
                engine.endHome[p] = c;
            else if (engine.endHome[p | SecondEnd] == 0)
                engine.endHome[p | SecondEnd] = c;
        }

    engine.cellOwner = engine.cellClue;
    engine.endHead = engine.endHome;
    engine.endPending.fill(0);
    for (int p = 1; p <= pairCount; ++p) {
        engine.cellOwner[engine.endHead[p | SecondEnd]] |= SecondEnd;
        engine.endPending[p] = engine.endPending[p | SecondEnd] = 15;
    }

    // The whole arrays, not only the board: a smaller board after a larger one must not
    // see old links or marks on its rim.
    engine.cellLinks.fill(0);
    engine.diagonalLeft.fill(0);
    engine.diagonalRight.fill(0);
    for (int x = 1; x <= width; ++x) {
        engine.cellLinks[cellIndex(x, 1)] |= Up << 4;
        engine.cellLinks[cellIndex(x, height)] |= Down << 4;
    }
    for (int y = 1; y <= height; ++y) {
        engine.cellLinks[cellIndex(1, y)] |= Left << 4;
        engine.cellLinks[cellIndex(width, y)] |= Right << 4;
    }
    engine.pairJoined.fill(0);

    computeUturnBounds(engine);
    markDiagonals(engine);

    engine.consistent = 1;
    engine.trailTop = 0;
    engine.lastChoice = 0;
    engine.scanCell = RowStride;
    engine.joinSeen = 0;
    engine.conflictCode = 0;
    engine.conflictCells.fill(0);
    engine.endSeen.fill(0);
    engine.touchCount = 0;
    engine.bothSeenCount = 0;
    engine.callDepth = 0;
    engine.maxCallDepth = 0;
    engine.fillStamp = 0;
    engine.fillSeen.fill(0);
    engine.fillHeadStamp.fill(0);
    engine.fillRegionStamp = 0;
    engine.passFirstRegion = 1;
    engine.fillEndRegion.fill(0);

    engine.workCount = 0;
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) appendWork(engine, cellIndex(x, y));
}

int propagateClues(Engine& engine) {
    // A number without both of its clues cannot be joined (validation refuses such boards
    // before a search; this keeps the rules off an end that has no cell).
    for (int p = 1; p <= engine.pairCount; ++p)
        if (engine.endHome[p] == 0 || engine.endHome[p | SecondEnd] == 0)
            return reportConflict(engine, 0, 0);
    for (int p = 1; p <= engine.pairCount; ++p) {
        if (engine.pairJoined[p]) continue;
        if (!advanceEnd(engine, p)) return 0;
        if (!engine.pairJoined[p] && !advanceEnd(engine, p | SecondEnd)) return 0;
    }
    if (!workListPass(engine) || !engine.consistent) return 0;
    if (!checkRegions(engine) || !engine.consistent) return 0;
    if (engine.fillAllCells && !checkAllFilledRegions(engine)) return 0;
    return 1;
}

namespace {

/// Copies the first `count` entries of a fixed array.
template <typename T, std::size_t N>
void copyFront(std::array<T, N>& to, const std::array<T, N>& from, int count) {
    std::copy_n(from.begin(), std::clamp<std::size_t>(std::size_t(std::max(count, 0)), 0, N),
                to.begin());
}

} // namespace

void copySearchState(Engine& to, const Engine& from) {
    to.engineWidth = from.engineWidth;
    to.engineHeight = from.engineHeight;
    to.lastRowBase = from.lastRowBase;
    to.pairCount = from.pairCount;
    to.fillAllCells = from.fillAllCells;
    // Every rule stays inside the board and its rim: rows 0 to engineHeight + 1.
    const int cells = (from.engineHeight + 2) * RowStride;
    copyFront(to.cellClue, from.cellClue, cells);
    copyFront(to.cellOwner, from.cellOwner, cells);
    copyFront(to.cellLinks, from.cellLinks, cells);
    copyFront(to.diagonalLeft, from.diagonalLeft, cells);
    copyFront(to.diagonalRight, from.diagonalRight, cells);
    copyFront(to.uturnBound, from.uturnBound, cells);
    to.endHome = from.endHome;
    to.endHead = from.endHead;
    to.endPending = from.endPending;
    to.pairJoined = from.pairJoined;
    copyFront(to.trail, from.trail, from.trailTop);
    to.trailTop = from.trailTop;
    copyFront(to.workList, from.workList, from.workCount);
    to.workCount = from.workCount;
    to.consistent = from.consistent;
    to.conflictCode = from.conflictCode;
    to.conflictCells = from.conflictCells;
    to.joinSeen = from.joinSeen;
    to.scanCell = from.scanCell;
    to.lastChoice = from.lastChoice;
    to.touchCount = from.touchCount;
    to.bothSeenCount = from.bothSeenCount;
    to.endSeen = from.endSeen;
    to.callDepth = from.callDepth;
    to.maxCallDepth = from.maxCallDepth;
    // The every-cell test compares stamps before it writes them: start its scratch afresh.
    to.fillStamp = 0;
    std::fill_n(to.fillSeen.begin(), cells, 0u);
    to.fillHeadStamp.fill(0);
    to.fillRegionStamp = 0;
    to.passFirstRegion = 1;
    to.fillEndRegion.fill(0);
}

} // namespace corvane

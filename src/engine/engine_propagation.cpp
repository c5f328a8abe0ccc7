// Head advance and chain following: ownership follows the links from each end's head.
#include "engine/call_depth.h"
#include "engine/engine_state.h"

namespace corvane {

namespace {

/// True when the cell holds an interior cell of pair p (either end).
inline bool interiorOfPair(const Engine& engine, int cell, int p) {
    return (engine.cellOwner[cell] & 0x2ff) == (p | Interior);
}

/// True when a neighbour of n other than the one in direction `back` is an interior cell of
/// pair p.
template <int back> inline bool nextToOwnInterior(const Engine& engine, int n, int p) {
    return (back != Up && interiorOfPair(engine, n - RowStride, p)) ||
           (back != Right && interiorOfPair(engine, n + 1, p)) ||
           (back != Down && interiorOfPair(engine, n + RowStride, p)) ||
           (back != Left && interiorOfPair(engine, n - 1, p));
}

/// nextToOwnInterior for a direction known only at run time.
inline bool nextToOwnInterior(const Engine& engine, int n, int back, int p) {
    switch (back) {
    case Up:
        return nextToOwnInterior<Up>(engine, n, p);
    case Right:
        return nextToOwnInterior<Right>(engine, n, p);
    case Down:
        return nextToOwnInterior<Down>(engine, n, p);
    default:
        return nextToOwnInterior<Left>(engine, n, p);
    }
}

/// Blank-line test at n: a straight line of Blank cells from n must not end at pair p.
int blankLineFromHead(Engine& engine, int n, int p) {
    for (const int q : allDirections) {
        int c = n + dirDelta[q];
        if (engine.cellOwner[c] != Blank || engine.cellClue[c] == OutsideCell) continue;
        while (engine.cellOwner[c] == Blank && engine.cellClue[c] != OutsideCell) c += dirDelta[q];
        if (engine.cellClue[c] != OutsideCell && (engine.cellOwner[c] & 0xff) == p)
            return reportConflict(engine, 2, n, c);
    }
    return 1;
}

/// Lowest direction bit of a non-empty set.
inline int firstDirection(int dirs) {
    return dirs & -dirs;
}

} // namespace

int closedLoopTest(Engine& engine, int s, int u) {
    int back = 0; // direction from the current cell to the previous one
    switch (u - s) {
    case -RowStride:
        back = Up;
        break;
    case 1:
        back = Right;
        break;
    case RowStride:
        back = Down;
        break;
    case -1:
        back = Left;
        break;
    default:
        return 1;
    }
    int cur = s;
    // Every cell carries at most two links, so the walk either ends or returns to u; the
    // bound only protects against a corrupted state.
    for (int steps = 0; steps < CellCount; ++steps) {
        const int onward = engine.cellLinks[cur] & 15 & ~back;
        if (onward == 0) return 1;
        const int d = firstDirection(onward);
        cur += dirDelta[d];
        if (cur == u) return reportConflict(engine, 1, u);
        back = dirOpposite[d];
    }
    return 1;
}

// Called for every head move: inline the head advance and the tests it runs.
[[gnu::flatten]] int followChain(Engine& engine, int e, int h, int d) {
    CallDepth depth(engine);
    const int p = e & 0xff;
    const int partner = e ^ SecondEnd;
    if (engine.cellOwner[h] != e) return reportConflict(engine, 2, h, h + dirDelta[d]);
    for (;;) {
        const int n = h + dirDelta[d];
        const int owner = engine.cellOwner[n];
        if (owner == partner) {
            pushRecord(engine, PairJoin, e, d);
            engine.cellOwner[h] = e | Interior;
            engine.cellOwner[n] = partner | Interior;
            engine.pairJoined[p] = 1;
            engine.endPending[e] = engine.endPending[partner] = 15;
            engine.joinSeen = 1;
            return 1;
        }
        if (owner != 0) return reportConflict(engine, 2, h, n);
        const int back = dirOpposite[d];
        if (nextToOwnInterior(engine, n, back, p)) return reportConflict(engine, 2, h, n);
        pushRecord(engine, HeadMove, e, d);
        engine.cellOwner[h] = e | Interior;
        engine.cellOwner[n] = e;
        engine.endHead[e] = n;

        if (!blankLineFromHead(engine, n, p)) return 0;

        const int onward = engine.cellLinks[n] & dirAllButOpposite[d];
        if (onward != 0) {
            // Running on along earlier links past a cell next to the partner's head would
            // leave two neighbouring cells of the pair that are not consecutive on its path.
            const int ahead = firstDirection(onward);
            for (const int q : allDirections) {
                if (q == back || q == ahead) continue;
                if (engine.cellOwner[n + dirDelta[q]] == partner)
                    return reportConflict(engine, 2, n, n + dirDelta[q]);
            }
            h = n;
            d = ahead;
            continue;
        }

        for (const int q : allDirections)
            if (engine.cellOwner[n + dirDelta[q]] == 0) appendWork(engine, n + dirDelta[q]);
        if (!advanceEnd(engine, e)) return 0;
        if (!engine.pairJoined[p] && !advanceEnd(engine, partner)) return 0;
        return 1;
    }
}

namespace {

/// One direction of advanceEnd from the head h of end e (pair p): 0 on a contradiction,
/// 2 when the head linked to its own pair (advanceEnd is done), else 1.
template <int d> inline int advanceToward(Engine& engine, int e, int p, int h) {
    const int links = engine.cellLinks[h];
    if (links & d) return 1;
    constexpr int delta = dirDelta[d];
    const int n = h + delta;
    const int owner = engine.cellOwner[n];
    const bool blocked = (links & (d << 4)) != 0;
    if (owner != Blank && (owner & 0xff) == p) {
        if (blocked) return reportConflict(engine, 2, h, n);
        if (!linkCells(engine, h, d)) return 0;
        engine.endPending[e] = 15;
        if (!followChain(engine, e, h, d)) return 0;
        if (!cornerTail(engine, h)) return 0;
        if (!cornerTail(engine, n)) return 0;
        appendWork(engine, n);
        return 2;
    }
    if (blocked) return 1;
    if (owner != 0 || nextToOwnInterior<dirOpposite[d]>(engine, n, p)) {
        setBlock(engine, h, d);
        appendWork(engine, n);
        appendWork(engine, h);
    }
    return 1;
}

} // namespace

int advanceEnd(Engine& engine, int e) {
    CallDepth depth(engine);
    const int p = e & 0xff;
    const int h = engine.endHead[e];
    int result = advanceToward<Up>(engine, e, p, h);
    if (result == 1) result = advanceToward<Right>(engine, e, p, h);
    if (result == 1) result = advanceToward<Down>(engine, e, p, h);
    if (result == 1) result = advanceToward<Left>(engine, e, p, h);
    return result != 0 ? 1 : 0;
}

} // namespace corvane

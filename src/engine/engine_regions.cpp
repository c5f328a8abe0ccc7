// Region check: two pairs whose heads can only leave into one region, interleaved around
// its border, would have to cross inside it.
#include "engine/engine_state.h"

namespace corvane {

namespace {

/// Records a touch of the head `owner` from side f; returns false when the list is full.
bool recordTouch(Engine& engine, int side, int owner) {
    if (engine.touchCount >= TouchCapacity) return false;
    engine.touchList[static_cast<std::size_t>(engine.touchCount++)] = RegionTouch{side, owner};
    engine.endPending[owner] &= ~side;
    engine.endSeen[owner] |= 1;
    const int p = owner & 0xff;
    if ((engine.endSeen[owner ^ SecondEnd] & 1) && !(engine.endSeen[p] & 2)) {
        engine.endSeen[p] |= 2;
        engine.bothSeen[static_cast<std::size_t>(engine.bothSeenCount++)] = p;
    }
    return true;
}

/// Index 0..3 of an end among the heads of P, P', Q, Q', or -1.
inline int slotOf(int owner, int pairP, int pairQ) {
    if ((owner & 0xff) == pairP) return (owner & SecondEnd) ? 1 : 0;
    if ((owner & 0xff) == pairQ) return (owner & SecondEnd) ? 3 : 2;
    return -1;
}

/// True when pairs P and Q provably cross inside the region the touch list describes.
bool pairsCross(const Engine& engine, int pairP, int pairQ) {
    const std::array<int, 4> ends{pairP, pairP | SecondEnd, pairQ, pairQ | SecondEnd};
    std::array<int, 4> masks{};
    for (int k = 0; k < 4; ++k)
        masks[static_cast<std::size_t>(k)] =
            freeDirs[engine.cellLinks[engine.endHead[ends[static_cast<std::size_t>(k)]]] & 0xff];
    int first = -1, cur = -1, changes = 0;
    for (int i = 0; i < engine.touchCount; ++i) {
        const RegionTouch& touch = engine.touchList[static_cast<std::size_t>(i)];
        const int slot = slotOf(touch.owner, pairP, pairQ);
        if (slot < 0) continue;
        if (first < 0) {
            first = cur = slot;
        } else {
            if (slot == (cur ^ 1)) return false; // the partner of cur follows it directly
            if (slot != cur) {
                if (changes == 4) return false;
                ++changes;
                cur = slot;
            }
        }
        masks[static_cast<std::size_t>(slot)] ^= touch.side;
    }
    if (first < 0) return false;
    for (const int m : masks)
        if (m != 0) return false;
    return cur != (first ^ 1) && (cur == first || changes < 4);
}

} // namespace

namespace {

/// Records the touch of a wall cell from `side` (c is the walk's cell next to it) unless the
/// wall is no head (Blank, outside, a path's interior) or the edge to it is blocked; false
/// when the touch list is full.
inline bool noteTouch(Engine& engine, int c, int touched, int side) {
    const int owner = engine.cellOwner[touched];
    if ((owner & Interior) || (engine.cellLinks[c] & (dirOpposite[side] << 4))) return true;
    return recordTouch(engine, side, owner);
}

/// Results of walkStep besides a new heading.
enum WalkEnd : int { BackAtStart = 0, WalkStopped = -1 };

/// One step of the border walk from c with heading d (the cell on the left of c is a wall):
/// moves c, notes the wall cell it touched and returns the new heading, BackAtStart when
/// the walk has closed, or WalkStopped when it must give up (step limit, full touch list).
template <int d>
inline int walkStep(Engine& engine, int& c, int start, int heading, int& stepsLeft) {
    constexpr int right = dirTurnRight[d];
    constexpr int left = dirTurnLeft[d];
    if (--stepsLeft < 0) return WalkStopped;
    int next;
    const int n = c + dirDelta[d];
    if (engine.cellOwner[n] != 0) {
        if (!noteTouch(engine, c, n, dirOpposite[d])) return WalkStopped;
        next = right;
    } else {
        c = n;
        const int side = n + dirDelta[left];
        if (engine.cellOwner[side] != 0) {
            if (!noteTouch(engine, c, side, right)) return WalkStopped;
            next = d;
        } else {
            c = side;
            if (!noteTouch(engine, c, side - dirDelta[d], d)) return WalkStopped;
            next = left;
        }
    }
    return c == start && next == heading ? BackAtStart : next;
}

/// The walk and its verdict; leaves the seen flags of the touched ends for walkRegion to
/// clear.
int walkAndJudge(Engine& engine, int start, int heading) {
    // The walk visits each (cell, heading) state at most once before it is back at the
    // start; the bound only protects against a start that lies outside every region.
    int stepsLeft = 4 * CellCount + 5;
    int c = start;
    int next = heading;

    // One label per heading, so that every step jumps straight to the code of its new
    // heading instead of through a table.
    if (heading == Up) goto HeadingUp;
    if (heading == Right) goto HeadingRight;
    if (heading == Down) goto HeadingDown;
    goto HeadingLeft;
HeadingUp:
    next = walkStep<Up>(engine, c, start, heading, stepsLeft);
    if (next == Right) goto HeadingRight;
    if (next == Up) goto HeadingUp;
    if (next == Left) goto HeadingLeft;
    goto Closed;
HeadingRight:
    next = walkStep<Right>(engine, c, start, heading, stepsLeft);
    if (next == Down) goto HeadingDown;
    if (next == Right) goto HeadingRight;
    if (next == Up) goto HeadingUp;
    goto Closed;
HeadingDown:
    next = walkStep<Down>(engine, c, start, heading, stepsLeft);
    if (next == Left) goto HeadingLeft;
    if (next == Down) goto HeadingDown;
    if (next == Right) goto HeadingRight;
    goto Closed;
HeadingLeft:
    next = walkStep<Left>(engine, c, start, heading, stepsLeft);
    if (next == Up) goto HeadingUp;
    if (next == Left) goto HeadingLeft;
    if (next == Down) goto HeadingDown;
Closed:
    if (next == WalkStopped) return 1;

    if (engine.bothSeenCount < 2) return 1;
    for (int i = 0; i < engine.bothSeenCount; ++i)
        for (int j = i + 1; j < engine.bothSeenCount; ++j) {
            const int pairP = engine.bothSeen[static_cast<std::size_t>(i)];
            const int pairQ = engine.bothSeen[static_cast<std::size_t>(j)];
            if (pairsCross(engine, pairP, pairQ))
                return reportConflict(engine, 4, engine.endHead[pairP],
                                      engine.endHead[pairP | SecondEnd], engine.endHead[pairQ],
                                      engine.endHead[pairQ | SecondEnd]);
        }
    return 1;
}

} // namespace

int walkRegion(Engine& engine, int start, int heading) {
    engine.touchCount = 0;
    engine.bothSeenCount = 0;
    const int result = walkAndJudge(engine, start, heading);
    for (int i = 0; i < engine.touchCount; ++i) {
        const int owner = engine.touchList[static_cast<std::size_t>(i)].owner;
        engine.endSeen[static_cast<std::size_t>(owner)] = 0;
        engine.endSeen[static_cast<std::size_t>(owner & 0xff)] = 0;
    }
    return result;
}

int checkRegions(Engine& engine) {
    for (int p = 1; p <= engine.pairCount; ++p)
        for (const int e : {p, p | SecondEnd}) {
            if (engine.endPending[e] == 0) continue;
            const int head = engine.endHead[e];
            const bool joined = engine.pairJoined[p] != 0;
            for (const int d : allDirections) {
                if (!(engine.endPending[e] & d)) continue;
                const int n = head + dirDelta[d];
                // A walk starting on an occupied cell has no region to go round.
                if (engine.cellOwner[n] != 0) continue;
                if (!joined && !(freeDirs[engine.cellLinks[head] & 0xff] & d)) continue;
                if (!walkRegion(engine, n, dirTurnLeft[d])) return 0;
            }
            engine.endPending[e] = 0;
        }
    return 1;
}

} // namespace corvane

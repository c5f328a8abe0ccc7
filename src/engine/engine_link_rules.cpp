// The link handlers: one rule turned four ways, run right after a cell gains a link.
#include "engine/engine_state.h"

namespace corvane {

namespace {

/// Which diagonal mark a corner needs: none, diagonalLeft or diagonalRight.
enum DiagonalNeed : int { NoDiagonal = 0, NeedsLeft = 1, NeedsRight = 2 };

/// The four turns of the handler, indexed by dirIndex of the new link.
struct HandlerTurn {
    std::array<int, 3> saturation; // edges blocked when the cell is full, in order
    std::array<int, 2> cornerSide; // side edges the corner rule may block (0 = none)
    std::array<int, 2> cornerNeed; // the diagonal mark each of them needs
    std::array<int, 2> sideOrder;  // order of the cross walks
    int crossEntry;                // uturnBound entry compared by the cross walks
};

constexpr std::array<HandlerTurn, 4> handlerTurns{{
    // Up
    {{Right, Down, Left}, {0, 0}, {NoDiagonal, NoDiagonal}, {Right, Left}, Down},
    // Right
    {{Up, Down, Left}, {Down, 0}, {NeedsLeft, NoDiagonal}, {Down, Up}, Left},
    // Down
    {{Up, Right, Left}, {Right, Left}, {NeedsLeft, NeedsRight}, {Left, Right}, Up},
    // Left
    {{Up, Right, Down}, {Down, 0}, {NeedsRight, NoDiagonal}, {Up, Down}, Right},
}};

/// True when the uturnBound entry `entry` of the upper or left of x and y lies past the other.
inline bool liesBeyond(const Engine& engine, int x, int y, int entry) {
    const int first = x < y ? x : y;
    const int second = x < y ? y : x;
    return engine.uturnBound[first][dirIndex[entry]] > second;
}

/// Blocks c's edge q, appending the neighbour and then c.
inline void blockAndList(Engine& engine, int c, int q) {
    setBlock(engine, c, q);
    appendWork(engine, c + dirDelta[q]);
    appendWork(engine, c);
}

inline bool edgeBlocked(const Engine& engine, int c, int q) {
    return (engine.cellLinks[c] & (q << 4)) != 0;
}

inline bool edgeFree(const Engine& engine, int c, int q) {
    return (engine.cellLinks[c] & (q | (q << 4))) == 0;
}

/// One instance per direction, so that the direction tables fold into constants.
template <int d> [[gnu::always_inline]] inline int handleLink(Engine& engine, int c) {
    constexpr HandlerTurn turn = handlerTurns[dirIndex[d]];
    constexpr int back = dirOpposite[d];
    constexpr int sides = dirTurnLeft[d] | dirTurnRight[d];

    // Saturation: a full cell (two links, or a clue with its one link) closes its other edges.
    if (engine.cellClue[c] == OutsideCell) return 1;
    if (linkCount[engine.cellLinks[c] & 0xff] == 2 || engine.cellClue[c] != 0) {
        for (const int q : turn.saturation)
            if (edgeFree(engine, c, q)) {
                setBlock(engine, c, q);
                appendWork(engine, c + dirDelta[q]);
            }
        return 1;
    }

    // Corners that open downwards stand only on the matching diagonal ray of a clue.
    for (int k = 0; k < 2; ++k) {
        const int q = turn.cornerSide[k];
        if (q == 0 || !edgeFree(engine, c, q)) continue;
        const int mark =
            turn.cornerNeed[k] == NeedsLeft ? engine.diagonalLeft[c] : engine.diagonalRight[c];
        if (mark == 0) blockAndList(engine, c, q);
    }
    if (blockCount[engine.cellLinks[c] & 0xff] == 3) return 1;

    // Cross walks: linking c sideways to a run whose far end leaves the same way as c
    // would close a U-turn with no clue close enough inside it.
    for (const int q : turn.sideOrder) {
        if (edgeBlocked(engine, c, q)) continue;
        const int mask = q | d | back;
        int t = c + dirDelta[q];
        while ((engine.cellLinks[t] & mask) == q) t += dirDelta[q];
        if ((engine.cellLinks[t] & mask) == d && liesBeyond(engine, c, t, turn.crossEntry))
            blockAndList(engine, c, q);
    }

    const int blocked = blockCount[engine.cellLinks[c] & 0xff];
    if (blocked == 3) return 1;
    const bool backFree = !edgeBlocked(engine, c, back);
    if (blocked == 2 && backFree && (engine.cellLinks[c + dirDelta[back]] & 15) == 0) return 1;

    // Forward walk: the straight run ahead of c ends at f, turning to side s.
    const int forwardMask = d | sides;
    int f = c + dirDelta[d];
    while ((engine.cellLinks[f] & forwardMask) == d) f += dirDelta[d];
    const int s = engine.cellLinks[f] & forwardMask;
    if (s == 0) return 1;
    const bool singleSide = s == dirTurnLeft[d] || s == dirTurnRight[d];
    if (singleSide && !edgeBlocked(engine, c, s) && liesBeyond(engine, c, f, dirOpposite[s]))
        blockAndList(engine, c, s);

    // Backward walk: a straight run from g through c to f whose two ends turn to the same
    // side is a U-turn.
    if (!backFree || !singleSide) return 1;
    const int backwardMask = back | sides;
    int g = c - dirDelta[d];
    while ((engine.cellLinks[g] & backwardMask) == back) g -= dirDelta[d];
    const int s3 = engine.cellLinks[g] & backwardMask;
    if (s3 == 0 || s3 != s) return 1;
    if (!edgeBlocked(engine, c, back) && liesBeyond(engine, g, f, dirOpposite[s]))
        blockAndList(engine, c, back);
    return 1;
}

} // namespace

int onLinkUp(Engine& engine, int c) {
    return handleLink<Up>(engine, c);
}
int onLinkRight(Engine& engine, int c) {
    return handleLink<Right>(engine, c);
}
int onLinkDown(Engine& engine, int c) {
    return handleLink<Down>(engine, c);
}
int onLinkLeft(Engine& engine, int c) {
    return handleLink<Left>(engine, c);
}
namespace {

/// linkCells for one direction, with both handlers inlined.
template <int d> int linkBoth(Engine& engine, int c) {
    setLink(engine, c, d);
    if (!handleLink<d>(engine, c)) return 0;
    return handleLink<dirOpposite[d]>(engine, c + dirDelta[d]);
}

/// Calls the rule instance for the direction d, which is known only at run time.
template <int (*ruleUp)(Engine&, int), int (*ruleRight)(Engine&, int),
          int (*ruleDown)(Engine&, int), int (*ruleLeft)(Engine&, int)>
int byDirection(Engine& engine, int c, int d) {
    switch (d) {
    case Up:
        return ruleUp(engine, c);
    case Right:
        return ruleRight(engine, c);
    case Down:
        return ruleDown(engine, c);
    default:
        return ruleLeft(engine, c);
    }
}

} // namespace

int linkCells(Engine& engine, int c, int d) {
    return byDirection<linkBoth<Up>, linkBoth<Right>, linkBoth<Down>, linkBoth<Left>>(engine, c, d);
}

int onLink(Engine& engine, int c, int d) {
    return byDirection<handleLink<Up>, handleLink<Right>, handleLink<Down>, handleLink<Left>>(
        engine, c, d);
}

} // namespace corvane

// The work-list pass and the local deductions that decide a cell from its edges and neighbours.
#include "engine/engine_state.h"

namespace corvane {

namespace {

/// Two owner values are partners when they differ exactly in the second-end bit.
inline bool partners(int a, int b) {
    return a != 0 && b != 0 && a == (b ^ SecondEnd);
}

/// Follows the chain of the head `owner` from h heading d after marking its pending sides;
/// a link into a cell that is no head is a contradiction.
int chainFromHead(Engine& engine, int owner, int h, int d) {
    if (owner & Interior) return reportConflict(engine, 2, h, h + dirDelta[d]);
    engine.endPending[owner] = 15;
    return followChain(engine, owner, h, d);
}

/// The shared part of deduceHead and deduceOneLinkCell up to the forced link; returns the
/// direction linked, or 0 with `result` set when nothing (1) or a contradiction (0) follows.
int forceLastEdge(Engine& engine, int u, int& result) {
    const int links = engine.cellLinks[u] & 0xff;
    result = 1;
    if (freeCount[links] >= 2) return 0;
    if (freeCount[links] == 0) {
        result = reportConflict(engine, 1, u);
        return 0;
    }
    const int d = freeDirs[links];
    if (!linkCells(engine, u, d)) {
        result = 0;
        return 0;
    }
    return d;
}

/// Corner tails of both cells of a new link, then the far cell goes on the work list.
int finishForcedLink(Engine& engine, int u, int d) {
    const int n = u + dirDelta[d];
    if (!cornerTail(engine, u) || !cornerTail(engine, n)) return 0;
    appendWork(engine, n);
    return 1;
}

int blockEdgeOf(Engine& engine, int u, int q) {
    setBlock(engine, u, q);
    appendWork(engine, u + dirDelta[q]);
    appendWork(engine, u);
    return 1;
}

int linkHorizontally(Engine& engine, int u, int leftOwner) {
    if (!linkCells(engine, u - 1, Right)) return 0;
    if (!chainFromHead(engine, leftOwner, u - 1, Right)) return 0;
    if (!cornerTail(engine, u - 1) || !cornerTail(engine, u)) return 0;
    appendWork(engine, u);
    return 1;
}

int linkVertically(Engine& engine, int u, int upOwner) {
    if (!linkCells(engine, u - RowStride, Down)) return 0;
    if (!chainFromHead(engine, upOwner, u - RowStride, Down)) return 0;
    if (!cornerTail(engine, u - RowStride)) return 0;
    appendWork(engine, u);
    return 1;
}

/// Walks from u over Blank cells in direction q, staying inside the board's row or column
/// (`last` is the last column or row). Returns the first non-Blank cell, or 0 when the walk
/// leaves the board.
int firstNonBlank(const Engine& engine, int u, int q) {
    int c = u + dirDelta[q];
    while (engine.cellOwner[c] == Blank) {
        if (engine.cellClue[c] == OutsideCell) return 0;
        c += dirDelta[q];
    }
    return engine.cellClue[c] == OutsideCell ? 0 : c;
}

/// Blank-line test along one axis through u: the cells found on the two sides must not
/// belong to one pair.
int blankLineAcross(Engine& engine, int u, int before, int after) {
    const int first = firstNonBlank(engine, u, before);
    if (first == 0 || engine.cellOwner[first] == 0) return 1;
    const int p = engine.cellOwner[first] & 0xff;
    const int second = firstNonBlank(engine, u, after);
    if (second != 0 && (engine.cellOwner[second] & 0xff) == p)
        return reportConflict(engine, 2, first, second);
    return 1;
}

/// What the pass does with a cell of its list.
enum CellTask : std::uint8_t { NoTask, EmptyCellTask, OneLinkTask, HeadTask };

/// The task by (owner class << 8) | low byte of cellLinks, where the owner class is 0 for
/// an undecided cell, 1 for a head and 2 for any other owned cell (path interior, Blank).
/// Cells the deductions would leave as they are get NoTask: an undecided cell with two
/// links, a one-link cell or head with two or more free edges, and owned cells but heads.
constexpr auto cellTasks = [] {
    std::array<std::uint8_t, 3 * 256> tasks{};
    for (std::size_t v = 0; v < 256; ++v) {
        const bool forced = freeCount[v] < 2;
        tasks[v] = linkCount[v] == 0             ? EmptyCellTask
                   : linkCount[v] == 1 && forced ? OneLinkTask
                                                 : NoTask;
        tasks[256 + v] = forced ? HeadTask : NoTask;
        tasks[512 + v] = NoTask;
    }
    return tasks;
}();

/// The owner class of cellTasks: 0 undecided, 1 head, 2 interior or Blank (both carry the
/// Interior bit).
inline int ownerClass(int owner) {
    return (owner != 0 ? 1 : 0) + ((owner & Interior) != 0 ? 1 : 0);
}

} // namespace

// The pass drives almost all propagation: inline the deductions it calls into it. One table
// lookup sorts out the many cells that need nothing, with one branch for all of them.
[[gnu::flatten]] bool workListPass(Engine& engine) {
    for (int k = 0; k < engine.workCount; ++k) {
        const int u = engine.workList[static_cast<std::size_t>(k)];
        const int task = cellTasks[static_cast<std::size_t>(ownerClass(engine.cellOwner[u]) << 8 |
                                                            (engine.cellLinks[u] & 0xff))];
        if (task == NoTask) continue;
        int result;
        if (task == EmptyCellTask)
            result = deduceEmptyCell(engine, u);
        else if (task == OneLinkTask)
            result = deduceOneLinkCell(engine, u);
        else
            result = deduceHead(engine, u);
        if (!result) return false;
    }
    return true;
}

int deduceHead(Engine& engine, int u) {
    int result = 1;
    const int d = forceLastEdge(engine, u, result);
    if (d == 0) return result;
    const int e = engine.cellOwner[u];
    engine.endPending[e] = 15;
    if (!followChain(engine, e, u, d)) return 0;
    return finishForcedLink(engine, u, d);
}

int deduceOneLinkCell(Engine& engine, int u) {
    int result = 1;
    const int d = forceLastEdge(engine, u, result);
    if (d == 0) return result;
    const int n = u + dirDelta[d];
    const int owner = engine.cellOwner[n];
    if (owner != 0) {
        if (!chainFromHead(engine, owner, n, dirOpposite[d])) return 0;
    } else if (linkCount[engine.cellLinks[n] & 0xff] == 2) {
        if (!closedLoopTest(engine, n, u)) return 0;
    }
    return finishForcedLink(engine, u, d);
}

int deduceEmptyCell(Engine& engine, int u) {
    const int U = engine.cellOwner[u - RowStride];
    const int R = engine.cellOwner[u + 1];
    const int D = engine.cellOwner[u + RowStride];
    const int L = engine.cellOwner[u - 1];
    const int diagL = engine.diagonalLeft[u];
    const int diagR = engine.diagonalRight[u];
    switch ((engine.cellLinks[u] >> 4) & 15) {
    case 0:
        if (D == 0 || R == 0 || L == 0 || U == 0) return 1;
        if (partners(D, R) || partners(D, L) || partners(D, U) || partners(R, L) ||
            partners(R, U) || partners(L, U))
            return 1;
        return makeBlank(engine, u);
    case Up:
        if (R == 0 || L == 0) return 1;
        if (partners(R, L)) return linkHorizontally(engine, u, L);
        if (D == 0) {
            if (diagR == 0) return blockEdgeOf(engine, u, Left);
            if (diagL != 0) return 1;
            return blockEdgeOf(engine, u, Right);
        }
        if (partners(R, D)) return blockEdgeOf(engine, u, Left);
        if (partners(L, D)) return blockEdgeOf(engine, u, Right);
        return makeBlank(engine, u);
    case Right:
        if (L == 0 || U == 0) return 1;
        if (partners(L, U)) return blockEdgeOf(engine, u, Down);
        if (D == 0) {
            if (diagR != 0) return 1;
            return blockEdgeOf(engine, u, Left);
        }
        if (partners(L, D)) return blockEdgeOf(engine, u, Up);
        if (partners(U, D)) return linkVertically(engine, u, U);
        return makeBlank(engine, u);
    case Down:
        if (R == 0 || L == 0) return 1;
        if (partners(R, L)) return linkHorizontally(engine, u, L);
        if (U == 0) return 1;
        if (partners(R, U)) return blockEdgeOf(engine, u, Left);
        if (partners(L, U)) return blockEdgeOf(engine, u, Right);
        return makeBlank(engine, u);
    case Left:
        if (R == 0 || U == 0) return 1;
        if (partners(R, U)) return blockEdgeOf(engine, u, Down);
        if (D == 0) {
            if (diagL != 0) return 1;
            return blockEdgeOf(engine, u, Right);
        }
        if (partners(R, D)) return blockEdgeOf(engine, u, Up);
        if (partners(U, D)) return linkVertically(engine, u, U);
        return makeBlank(engine, u);
    case Up | Right:
        if (diagR == 0) return makeBlank(engine, u);
        if (D == 0 || L == 0 || partners(D, L)) return 1;
        return makeBlank(engine, u);
    case Up | Left:
        if (diagL == 0) return makeBlank(engine, u);
        if (D == 0 || R == 0 || partners(D, R)) return 1;
        return makeBlank(engine, u);
    case Right | Down:
        if (L == 0 || U == 0 || partners(L, U)) return 1;
        return makeBlank(engine, u);
    case Down | Left:
        if (R == 0 || U == 0 || partners(R, U)) return 1;
        return makeBlank(engine, u);
    case Up | Down:
        if (R == 0 || L == 0) return 1;
        if (partners(R, L)) return linkHorizontally(engine, u, L);
        return makeBlank(engine, u);
    case Right | Left:
        if (D == 0 || U == 0) return 1;
        if (partners(D, U)) return linkVertically(engine, u, U);
        return makeBlank(engine, u);
    default:
        return makeBlank(engine, u);
    }
}

int makeBlank(Engine& engine, int u) {
    // Under the every-cell rule a cell that must stay empty ends the branch.
    if (engine.fillAllCells) return reportConflict(engine, 1, u);
    engine.cellOwner[u] = Blank;
    pushRecord(engine, CellBlank, u);
    return finishBlank(engine, u);
}

int finishBlank(Engine& engine, int u) {
    const int x = cellColumn(u);
    const int y = cellRow(u);
    if (x != 1 && x != engine.engineWidth && !blankLineAcross(engine, u, Left, Right)) return 0;
    if (y != 1 && y != engine.engineHeight && !blankLineAcross(engine, u, Up, Down)) return 0;
    for (const int q : allDirections)
        if (!(engine.cellLinks[u] & (q << 4))) {
            setBlock(engine, u, q);
            appendWork(engine, u + dirDelta[q]);
        }
    constexpr std::array<int, 8> around{-RowStride - 1, -RowStride, -RowStride + 1, -1, 1,
                                        RowStride - 1,  RowStride,  RowStride + 1};
    for (const int offset : around) {
        const int owner = engine.cellOwner[u + offset];
        if (owner != 0 && !(owner & Interior)) engine.endPending[owner] = 15;
    }
    return 1;
}

} // namespace corvane

// The search loop: branch at the next open cell, or rewind to the latest choice and take
// its second branch; then propagate, check regions and test for a solution.
#include "search/search_loop.h"

#include "model/session.h"
#include "search/result_evaluation.h"
#include "search/search_session.h"

namespace corvane {

namespace {

/// Field b of a choice record whose first branch was refused: no Right link stands for it,
/// so its rewind removes none.
constexpr int RefusedChoice = 1;

bool edgeFree(const Engine& engine, int c, int d) {
    return (engine.cellLinks[c] & (d | d << 4)) == 0;
}

int links(const Engine& engine, int c) {
    return engine.cellLinks[c] & 15;
}

/// An owned neighbour that is not a head (an interior path cell, Blank or outside) cannot
/// take one more link.
bool takesNoLink(int owner) {
    return owner != 0 && (owner & Interior) != 0;
}

/// Follows the chain of the head at h (owner o) after a link entered it from direction d.
int followHead(Engine& engine, int o, int h, int d) {
    engine.endPending[o] = 15;
    return followChain(engine, o, h, d);
}

/// After a branch linked u in direction d: the chain of u's head runs on through the link;
/// if u is undecided, the cell across takes the link instead. An interior or Blank cell
/// refuses it (conflict 1), a head follows its chain, and an undecided cell that now has
/// two links must not close a loop through u.
int continueLink(Engine& engine, int u, int d) {
    const int owner = engine.cellOwner[u];
    if (owner != 0) return followHead(engine, owner, u, d);
    const int n = u + dirDelta[d];
    const int across = engine.cellOwner[n];
    if (takesNoLink(across)) return reportConflict(engine, 1, n);
    if (across != 0) return followHead(engine, across, n, dirOpposite[d]);
    if (linkCount[engine.cellLinks[n] & 0xff] == 2) return closedLoopTest(engine, n, u);
    return 1;
}

/// First branch of a kind-1 choice at u; the Right link is already set.
void linkRightBranch(Engine& engine, int u) {
    if (!onLinkRight(engine, u) || !onLinkLeft(engine, u + 1)) return;
    if (!continueLink(engine, u, Right)) return;
    if (links(engine, u + 1) == (Down | Left) && !cornerDownLeft(engine, u + RowStride)) return;
    appendWork(engine, u + 1);
}

/// First branch of a kind-0 choice at u: a corner Right+Down; the Right link is already set.
void cornerBranch(Engine& engine, int u) {
    // The corner needs its Down edge; a blocked one ends the branch before anything else.
    if (!edgeFree(engine, u, Down)) {
        reportConflict(engine, 1, u);
        return;
    }
    const int a = u + RowStride + 1; // inside the corner, diagonally below
    if (!(engine.cellLinks[u + 1] & (Down << 4))) setBlock(engine, u + 1, Down);
    if (!(engine.cellLinks[u + RowStride] & (Right << 4))) setBlock(engine, u + RowStride, Right);
    if (!onLinkLeft(engine, u + 1)) return;
    const int right = engine.cellOwner[u + 1];
    if (takesNoLink(right)) {
        reportConflict(engine, 1, u + 1);
        return;
    }
    if (right != 0) {
        if (!followHead(engine, right, u + 1, Left)) return;
        if (!(engine.cellLinks[u] & Down)) {
            if ((engine.cellLinks[u] & (Down << 4)) || linkCount[engine.cellLinks[u] & 0xff] >= 2) {
                reportConflict(engine, 1, u);
                return;
            }
            setLink(engine, u, Down);
            if (!onLinkUp(engine, u + RowStride)) return;
            if (!followHead(engine, right, u, Down)) return;
        }
    } else {
        setLink(engine, u, Down);
        if (!onLinkUp(engine, u + RowStride)) return;
        const int below = engine.cellOwner[u + RowStride];
        if (takesNoLink(below)) {
            reportConflict(engine, 1, u + RowStride);
            return;
        }
        if (below != 0) {
            if (!followHead(engine, below, u + RowStride, Up)) return;
        } else if (linkCount[engine.cellLinks[u + RowStride] & 0xff] == 2 &&
                   linkCount[engine.cellLinks[u + 1] & 0xff] == 2) {
            if (!closedLoopTest(engine, u + RowStride, u)) return;
        }
    }
    if (!cornerRightDown(engine, a)) return;
    appendWork(engine, u + 1);
    appendWork(engine, u + RowStride);
}

/// Second branch of a kind-1 choice at u: link Down. The record at t becomes its link record.
void linkDownBranch(Engine& engine, int u, int t) {
    toggleLinkBits(engine, u, Down);
    engine.trail[static_cast<std::size_t>(t)] = TrailRecord{LinkDown, u, 0};
    if (!onLinkDown(engine, u) || !onLinkUp(engine, u + RowStride)) return;
    if (!continueLink(engine, u, Down)) return;
    if (links(engine, u) == (Right | Down) && !cornerRightDown(engine, u + RowStride + 1)) return;
    if (links(engine, u) == (Down | Left) && !cornerDownLeft(engine, u + RowStride - 1)) return;
    appendWork(engine, u + RowStride);
}

/// Index of the latest choice record below `t`, or 0 when there is none.
int previousChoice(const Engine& engine, int t) {
    for (int i = t - 1; i >= 0; --i) {
        const int kind = engine.trail[static_cast<std::size_t>(i)].kind;
        if (kind == ChoiceCorner || kind == ChoiceLink) return i;
    }
    return 0;
}

} // namespace

bool searchStep(Session& session, SearchSession& search) {
    Engine& engine = search.engine;
    engine.workCount = 0;
    engine.conflictCode = 0;
    if (engine.consistent)
        branchStep(search);
    else if (!backtrackStep(session, search))
        return false;
    ++session.status.stepCount;
    if (engine.consistent && workListPass(engine) && engine.consistent && checkRegions(engine) &&
        engine.consistent &&
        (!engine.fillAllCells || checkFilledRegions(engine, engine.lastChoice)))
        solutionTest(session, search);
    return true;
}

bool branchStep(SearchSession& search) {
    Engine& engine = search.engine;
    const int lastCell = engine.lastRowBase + engine.engineWidth;
    int u = engine.scanCell;
    int kind = ChoiceCorner;
    for (;;) {
        ++u;
        if (cellColumn(u) > engine.engineWidth) u = (u & 0x3f80) + RowStride + 1;
        // Running past the last board cell finds no open cell: this branch is dead.
        if (u > lastCell) {
            reportConflict(engine, 0, 0);
            return true;
        }
        const int owner = engine.cellOwner[u];
        if (owner != 0) {
            if (owner & Interior) continue;
            kind = ChoiceLink;
            break;
        }
        const int count = linkCount[engine.cellLinks[u] & 0xff];
        if (count == 0) {
            kind = ChoiceCorner;
            break;
        }
        if (count == 1) {
            kind = ChoiceLink;
            break;
        }
    }
    // The first branch links u Right; a blocked or already linked edge refuses it.
    const bool rightFree = edgeFree(engine, u, Right);
    pushRecord(engine, kind, u, rightFree ? 0 : RefusedChoice);
    engine.lastChoice = engine.trailTop - 1;
    engine.scanCell = u;
    if (!rightFree) {
        reportConflict(engine, 1, u);
        return true;
    }
    toggleLinkBits(engine, u, Right);
    if (kind == ChoiceLink)
        linkRightBranch(engine, u);
    else
        cornerBranch(engine, u);
    return true;
}

bool backtrackStep(Session& session, SearchSession& search) {
    Engine& engine = search.engine;
    engine.consistent = 1;
    for (int p = 1; p <= engine.pairCount; ++p)
        engine.endPending[p] = engine.endPending[p | SecondEnd] = 0;
    engine.joinSeen = 0;

    const int t = rewindToChoice(engine);
    if (t < 0) {
        finishSearch(session, search);
        return false;
    }
    const TrailRecord choice = engine.trail[static_cast<std::size_t>(t)];
    const int u = choice.a;
    if (choice.b != RefusedChoice) toggleLinkBits(engine, u, Right);
    engine.lastChoice = t;
    engine.trailTop = t + 1;
    engine.scanCell = u;

    if (choice.kind == ChoiceCorner) {
        // Under the every-cell rule the blank branch is dead: spend the choice.
        if (engine.fillAllCells) {
            engine.trailTop = t;
            engine.lastChoice = previousChoice(engine, t);
            reportConflict(engine, 1, u);
            return true;
        }
        engine.trail[static_cast<std::size_t>(t)] = TrailRecord{CellBlank, u, 0};
        engine.cellOwner[u] = Blank;
        finishBlank(engine, u);
        return true;
    }
    // The Down link of the second branch: a blocked or linked edge spends the choice, and
    // the next step rewinds further.
    if (!edgeFree(engine, u, Down)) {
        engine.trailTop = t;
        engine.lastChoice = previousChoice(engine, t);
        reportConflict(engine, 1, u);
        return true;
    }
    linkDownBranch(engine, u, t);
    return true;
}

} // namespace corvane

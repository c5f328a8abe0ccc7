// A bare depth-first search over the engine (branch, rewind, pass, region check, solution
// test), enough to count the solutions of small puzzles in engine orientation.
#pragma once

#include "engine/engine_state.h"

#include <vector>

namespace corvane::testing {

struct MiniSearch {
    explicit MiniSearch(Engine& engine) : e(engine) {}

    Engine& e;
    long steps = 0;
    std::vector<std::vector<int>> solutions; // owner pair of every board cell, row-major

    bool allJoined() const {
        for (int p = 1; p <= e.pairCount; ++p)
            if (!e.pairJoined[p]) return false;
        return true;
    }

    /// Records a solution when every pair is joined and no stray link is left.
    void solutionTest() {
        if (!e.joinSeen) return;
        e.joinSeen = 0;
        if (!allJoined()) return;
        for (int y = 1; y <= e.engineHeight; ++y)
            for (int x = 1; x <= e.engineWidth; ++x) {
                const int c = cellIndex(x, y);
                if (e.cellOwner[c] == 0 && (e.cellLinks[c] & 15)) {
                    reportConflict(e, 1, c);
                    return;
                }
            }
        std::vector<int> answer;
        for (int y = 1; y <= e.engineHeight; ++y)
            for (int x = 1; x <= e.engineWidth; ++x) {
                const int v = e.cellOwner[cellIndex(x, y)] & 0xff;
                answer.push_back(v >= 1 && v <= e.pairCount ? v : 0);
            }
        solutions.push_back(answer);
        e.consistent = 0;
    }

    /// Set-up and propagation; false when the clues are contradictory.
    bool prepare() {
        if (!propagateClues(e) || !e.consistent) return false;
        solutionTest();
        return true;
    }

    int chainFrom(int owner, int h, int d) {
        e.endPending[owner] = 15;
        return followChain(e, owner, h, d);
    }

    void branch() {
        int u = e.scanCell;
        int kind = -1;
        while (kind < 0) {
            ++u;
            if (cellColumn(u) > e.engineWidth) u = (u & ~127) + RowStride + 1;
            if (cellRow(u) > e.engineHeight) {
                reportConflict(e, 0, 0);
                return;
            }
            const int owner = e.cellOwner[u];
            const int links = linkCount[e.cellLinks[u] & 0xff];
            if (owner != 0)
                kind = (owner & Interior) ? -1 : ChoiceLink;
            else if (links == 0)
                kind = ChoiceCorner;
            else if (links == 1)
                kind = ChoiceLink;
        }
        const bool rightOpen = !(e.cellLinks[u] & (Right | (Right << 4)));
        pushRecord(e, kind, u, rightOpen ? 0 : 1);
        e.lastChoice = e.trailTop - 1;
        e.scanCell = u;
        if (!rightOpen) {
            reportConflict(e, 1, u);
            return;
        }
        toggleLinkBits(e, u, Right);
        const int owner = e.cellOwner[u];
        if (kind == ChoiceLink) {
            if (!onLinkRight(e, u) || !onLinkLeft(e, u + 1)) return;
            if (owner != 0) {
                if (!chainFrom(owner, u, Right)) return;
            } else if (e.cellOwner[u + 1] != 0) {
                if (!chainFrom(e.cellOwner[u + 1], u + 1, Left)) return;
            } else if (linkCount[e.cellLinks[u + 1] & 0xff] == 2) {
                if (!closedLoopTest(e, u + 1, u)) return;
            }
            if ((e.cellLinks[u + 1] & 15) == (Down | Left) && !cornerDownLeft(e, u + RowStride))
                return;
            appendWork(e, u + 1);
            return;
        }
        const int a = u + RowStride + 1;
        if (!(e.cellLinks[a] & (Up << 4))) setBlock(e, a, Up);
        if (!(e.cellLinks[a] & (Left << 4))) setBlock(e, a, Left);
        if (!onLinkLeft(e, u + 1)) return;
        if (e.cellOwner[u + 1] != 0) {
            const int other = e.cellOwner[u + 1];
            if (!chainFrom(other, u + 1, Left)) return;
            if (e.cellLinks[u] & (Down << 4)) {
                reportConflict(e, 1, u);
                return;
            }
            if (!(e.cellLinks[u] & Down)) {
                setLink(e, u, Down);
                if (!onLinkUp(e, u + RowStride) || !chainFrom(other, u, Down)) return;
            }
        } else {
            if (e.cellLinks[u] & ((Down << 4) | Down)) {
                reportConflict(e, 1, u);
                return;
            }
            setLink(e, u, Down);
            if (!onLinkUp(e, u + RowStride)) return;
            if (e.cellOwner[u + RowStride] != 0) {
                if (!chainFrom(e.cellOwner[u + RowStride], u + RowStride, Up)) return;
            } else if (linkCount[e.cellLinks[u + RowStride] & 0xff] == 2 &&
                       linkCount[e.cellLinks[u + 1] & 0xff] == 2) {
                if (!closedLoopTest(e, u + RowStride, u)) return;
            }
        }
        if (!cornerRightDown(e, a)) return;
        appendWork(e, u + 1);
        appendWork(e, u + RowStride);
    }

    /// False when no choice is left.
    bool backtrack() {
        e.consistent = 1;
        e.endPending.fill(0);
        e.joinSeen = 0;
        const int t = rewindToChoice(e);
        if (t < 0) return false;
        const TrailRecord choice = e.trail[static_cast<std::size_t>(t)];
        const int u = choice.a;
        if (choice.b == 0) toggleLinkBits(e, u, Right);
        e.lastChoice = t;
        e.scanCell = u;
        if (choice.kind == ChoiceCorner) {
            e.trail[static_cast<std::size_t>(t)] = TrailRecord{CellBlank, u, 0};
            e.cellOwner[u] = Blank;
            finishBlank(e, u);
            return true;
        }
        if (e.cellLinks[u] & (Down | (Down << 4))) {
            e.trailTop = t; // the choice is spent
            reportConflict(e, 1, u);
            return true;
        }
        e.trail[static_cast<std::size_t>(t)] = TrailRecord{LinkDown, u, 0};
        toggleLinkBits(e, u, Down);
        if (!onLinkDown(e, u) || !onLinkUp(e, u + RowStride)) return true;
        if (e.cellOwner[u] != 0) {
            if (!chainFrom(e.cellOwner[u], u, Down)) return true;
        } else if (e.cellOwner[u + RowStride] != 0) {
            if (!chainFrom(e.cellOwner[u + RowStride], u + RowStride, Up)) return true;
        } else if (linkCount[e.cellLinks[u + RowStride] & 0xff] == 2) {
            if (!closedLoopTest(e, u + RowStride, u)) return true;
        }
        if (!cornerTail(e, u)) return true;
        appendWork(e, u + RowStride);
        return true;
    }

    bool step() {
        e.workCount = 0;
        e.conflictCode = 0;
        if (e.consistent)
            branch();
        else if (!backtrack())
            return false;
        ++steps;
        if (e.consistent && workListPass(e) && e.consistent && checkRegions(e) && e.consistent)
            solutionTest();
        return true;
    }

    /// Runs until no choice is left (or `limit` steps).
    void run(long limit = 10'000'000) {
        while (steps < limit && step()) {
        }
    }
};

} // namespace corvane::testing

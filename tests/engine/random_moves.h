// Random decisions applied to an engine the way the search applies them, for property tests.
#pragma once

#include "engine/engine_state.h"

#include <random>

namespace corvane::testing {

/// Follows the chain of whichever side of the new link u-d is owned, then the corner tails.
inline int afterLink(Engine& engine, int u, int d) {
    const int n = u + dirDelta[d];
    const int ownerU = engine.cellOwner[u];
    const int ownerN = engine.cellOwner[n];
    if (ownerU != 0 && !(ownerU & Interior)) {
        engine.endPending[ownerU] = 15;
        if (!followChain(engine, ownerU, u, d)) return 0;
    } else if (ownerN != 0 && !(ownerN & Interior)) {
        engine.endPending[ownerN] = 15;
        if (!followChain(engine, ownerN, n, dirOpposite[d])) return 0;
    } else if (linkCount[engine.cellLinks[n] & 0xff] == 2) {
        if (!closedLoopTest(engine, n, u)) return 0;
    }
    if (!cornerTail(engine, u) || !cornerTail(engine, n)) return 0;
    appendWork(engine, n);
    return 1;
}

/// One random decision at a random open cell, then the work-list pass and the region
/// check, as one search step would run them. Returns false when no decision was made.
inline bool randomStep(Engine& engine, std::mt19937& rng) {
    engine.workCount = 0;
    engine.conflictCode = 0;
    std::uniform_int_distribution<int> col(1, engine.engineWidth), row(1, engine.engineHeight);
    for (int tries = 0; tries < 64; ++tries) {
        const int u = cellIndex(col(rng), row(rng));
        const int owner = engine.cellOwner[u];
        const int links = engine.cellLinks[u] & 0xff;
        if (owner & Interior) continue;
        if (owner == 0 && linkCount[links] == 2) continue;
        const int free = freeDirs[links];
        if (owner == 0 && linkCount[links] == 0 && rng() % 3 == 0) {
            if (makeBlank(engine, u) && workListPass(engine) && engine.consistent)
                checkRegions(engine);
            return true;
        }
        if (free == 0) continue;
        int d = 0;
        do d = allDirections[rng() % 4];
        while (!(free & d));
        if (d == Right && rng() % 2 == 0) {
            // The way the search opens a choice: the record stands for the Right link.
            toggleLinkBits(engine, u, Right);
            pushRecord(engine, ChoiceLink, u);
            engine.lastChoice = engine.trailTop - 1;
            if (!onLinkRight(engine, u) || !onLinkLeft(engine, u + 1)) return true;
        } else {
            if (!linkCells(engine, u, d)) return true;
        }
        if (afterLink(engine, u, d) && workListPass(engine) && engine.consistent)
            checkRegions(engine);
        return true;
    }
    return false;
}

/// The bookkeeping a rewind starts with.
inline void resetAfterRewind(Engine& engine) {
    engine.consistent = 1;
    engine.conflictCode = 0;
    engine.joinSeen = 0;
    engine.endPending.fill(0);
}

} // namespace corvane::testing

// A search steered towards one answer: does the search count it among the board's solutions?
#pragma once

#include "search_run.h"

#include "search/preparation.h"
#include "search/search_loop.h"

namespace corvane::testing {

/// True when the state in `run` can still end in `target` (board orientation): every owned
/// cell holds the target's pair, every link joins two cells of one path in the target and no
/// blocked edge lies on one. Paths of the target never touch themselves, so neighbours of one
/// pair are consecutive on its path and the target's links are the edges between them.
inline bool compatibleWith(const SearchRun& run, const Answer& target) {
    const Engine& engine = run.search->engine;
    const Orientation& o = run.search->orientation;
    for (int y = 1; y <= target.height(); ++y)
        for (int x = 1; x <= target.width(); ++x) {
            const int u = cellIndex(x, y), e = o.uiToEngine[u], want = target.at(u);
            const int owner = engine.cellOwner[e];
            if (owner == Blank && want != 0) return false;
            if (owner != 0 && owner != Blank && (owner & 0xff) != want) return false;
            for (const int d : {Right, Down}) {
                const int n = o.engineToUi[e + dirDelta[d]];
                const bool linked = (engine.cellLinks[e] & d) != 0;
                const bool blocked = (engine.cellLinks[e] & (d << 4)) != 0;
                const bool onPath = n != 0 && want != 0 && target.at(n) == want;
                if ((linked && !onPath) || (blocked && onPath)) return false;
            }
            for (const int d : {Up, Left}) {
                const int n = o.engineToUi[e + dirDelta[d]];
                if (n != 0 && (engine.cellLinks[e] & d) && !(want != 0 && target.at(n) == want))
                    return false;
            }
        }
    return true;
}

/// Searches `board` in `direction` under the rule `fillAllCells`, cutting every branch that
/// cannot end in `target`; true when the search records `target`. Cheap even on boards with
/// a huge search tree, since only the branches towards one answer are explored.
inline bool searchFinds(const Board& board, const Answer& target, int direction, int fillAllCells) {
    SearchRun run({"1 1"}, direction);
    run.session.board = board;
    run.session.settings.fillAllCells = fillAllCells;
    bool found = false;
    run.search->answerLimits.maxAnswers = 0;
    run.search->answerObserver = [&](const Answer& answer, std::uint64_t) {
        found = found || answer == target;
    };
    run.session.status.searchState = SearchState::Running;
    if (prepareSearch(run.session, *run.search) != Preparation::Ready) return false;
    Engine& engine = run.search->engine;
    if (engine.consistent && !compatibleWith(run, target)) engine.consistent = 0;
    while (!found && searchStep(run.session, *run.search))
        if (engine.consistent && !compatibleWith(run, target)) engine.consistent = 0;
    return found;
}

} // namespace corvane::testing

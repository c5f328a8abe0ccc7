// The search driver: runs the search in slices inside the window's event loop.
#include "search/search_driver.h"

#include "model/main_window.h"
#include "model/session.h"
#include "search/parallel_driver.h"
#include "search/preparation.h"
#include "search/search_loop.h"
#include "search/search_session.h"

#include <algorithm>

namespace corvane {

namespace {

void pauseNow(Session& session) {
    session.status.searchState = SearchState::Paused;
    updateElapsed(session.status);
    session.window.refreshControls(true);
}

} // namespace

bool startSearch(Session& session, SearchSession& search) {
    if (session.status.searchState == SearchState::Running) return true;
    session.status.searchState = SearchState::Running;
    session.window.selectSearchTab();
    // A search started from inside the pump of another one replaces it; the outer driver
    // sees the new generation and leaves at once.
    ++search.searchGeneration;
    search.parallel.reset(); // the threads of a paused or replaced parallel search end here
    if (prepareSearch(session, search) != Preparation::Ready) {
        session.status.searchState = SearchState::Idle;
        session.status.startTime = 0;
        session.window.refreshControls(true);
        return true;
    }
    if (beginParallelSearch(session, search))
        runParallelSlices(session, search);
    else
        runSlices(session, search);
    return true;
}

bool resumeSearch(Session& session, SearchSession& search) {
    if (session.status.searchState != SearchState::Paused) return true;
    session.status.searchState = SearchState::Running;
    session.window.selectSearchTab();
    session.status.startTime = 0;
    session.window.refreshControls(true);
    if (search.parallel)
        runParallelSlices(session, search);
    else
        runSlices(session, search);
    return true;
}

void runSlices(Session& session, SearchSession& search) {
    SearchStatus& status = session.status;
    const bool debug = session.settings.debugMode != 0;
    const std::int64_t stopStep = debug ? parseStopStep(session.window.readStopStepText()) : 0;
    const int loopCount = std::max(1, session.settings.loopCount);
    const int drawCount = std::max(1, session.settings.drawCount);
    const std::uint64_t generation = search.searchGeneration;
    for (;;) {
        for (int slice = 0; slice < drawCount; ++slice) {
            for (int i = 0; i < loopCount; ++i) {
                if (!searchStep(session, search)) return;
                if (debug && stopStep >= 0 && status.stepCount == std::uint64_t(stopStep)) {
                    session.window.writeStopStep(stopStep + 1);
                    pauseNow(session);
                    return;
                }
            }
            if (!session.window.pumpMessages()) return;        // quitting: no result, no refresh
            if (search.searchGeneration != generation) return; // a new search ran in the pump
            if (status.searchState != SearchState::Running) {
                // Only a pause request becomes a pause. An edit, a new board or a load seen in
                // the pump (Idle, or Finished for a file with its answer) must not turn into a
                // paused search that could be resumed onto the changed board.
                if (status.searchState == SearchState::PauseRequested) pauseNow(session);
                return;
            }
        }
        updateElapsed(status);
        session.window.refreshControls(true);
    }
}

} // namespace corvane

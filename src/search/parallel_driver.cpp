// Parallel search drivers: slices in the window's event loop, and the headless run.
#include "search/parallel_driver.h"

#include "model/main_window.h"
#include "model/session.h"
#include "search/parallel_search.h"
#include "search/result_evaluation.h"
#include "search/search_loop.h"
#include "search/search_session.h"

#include <algorithm>
#include <thread>

namespace corvane {

namespace {

/// A slice lasts as long as LoopCount steps of the serial search (about a microsecond
/// each), so the window answers as often as it does with one thread.
std::chrono::milliseconds sliceTime(int loopCount) {
    return std::chrono::milliseconds(std::clamp(loopCount / 1000, 1, 100));
}

/// Stops the threads and leaves the search Paused, or ends it with its report when the
/// threads searched everything before the pause reached them.
void pauseParallel(Session& session, SearchSession& search) {
    ParallelSearch& run = *search.parallel;
    run.pause();
    if (run.merge() != ParallelOutcome::Running) {
        search.parallel.reset();
        finishSearch(session, search);
        return;
    }
    run.publishEarliest(search.engine);
    session.status.searchState = SearchState::Paused;
    updateElapsed(session.status);
    session.window.refreshControls(true);
}

} // namespace

unsigned searchThreadsFor(const Settings& settings) {
    if (settings.debugMode != 0 || settings.searchThreads == 1) return 1;
    if (settings.searchThreads > 1)
        return std::min(static_cast<unsigned>(settings.searchThreads), MaxSearchThreads);
    return std::clamp(std::thread::hardware_concurrency(), 1u, MaxSearchThreads);
}

bool beginParallelSearch(Session& session, SearchSession& search) {
    const unsigned threads = searchThreadsFor(session.settings);
    if (threads <= 1 || session.board.solutionsFound > 0) return false;
    ParallelOptions options;
    options.threads = threads;
    options.gate = search.stepGate;
    search.parallel.reset(new ParallelSearch(session, search, options));
    if (search.parallel->start()) return true;
    search.parallel.reset();
    return false;
}

void runParallelSlices(Session& session, SearchSession& search) {
    SearchStatus& status = session.status;
    const int drawCount = std::max(1, session.settings.drawCount);
    const auto slice = sliceTime(session.settings.loopCount);
    const std::uint64_t generation = search.searchGeneration;
    search.parallel->resume();
    for (;;) {
        for (int s = 0; s < drawCount; ++s) {
            search.parallel->waitUntilOver(slice);
            if (search.parallel->merge() != ParallelOutcome::Running) {
                search.parallel.reset();
                finishSearch(session, search);
                return;
            }
            if (!session.window.pumpMessages()) { // quitting: no result, no refresh
                search.parallel.reset();
                return;
            }
            if (search.searchGeneration != generation) return; // a new search ran in the pump
            if (status.searchState != SearchState::Running) {
                // As in the serial driver, only a pause request becomes a pause; an edit or a
                // load seen in the pump ends the threads.
                if (status.searchState == SearchState::PauseRequested)
                    pauseParallel(session, search);
                else
                    search.parallel.reset();
                return;
            }
        }
        updateElapsed(status);
        search.parallel->publishEarliest(search.engine);
        session.window.refreshControls(true);
    }
}

bool searchToEnd(Session& session, SearchSession& search, const ParallelOptions& options) {
    if (options.threads > 1 && session.board.solutionsFound == 0) {
        ParallelSearch run(session, search, options);
        if (run.start()) {
            for (;;) {
                run.waitForProgress(std::chrono::milliseconds(100));
                const ParallelOutcome outcome = run.merge();
                if (outcome == ParallelOutcome::Running) continue;
                if (outcome == ParallelOutcome::LimitReached) return false;
                finishSearch(session, search);
                return true;
            }
        }
    }
    return searchSerially(session, search, options.limit) == SerialEnd::Exhausted;
}

SerialEnd searchSerially(Session& session, SearchSession& search, std::uint64_t limit,
                         const std::function<bool()>& interrupt) {
    for (;;) {
        // At the limit the search stops only when something is left to search; with no choice
        // left on the trail the next step ends the search as usual, without counting a step.
        if (limit > 0 && session.board.solutionsFound >= limit && hasOpenChoice(search.engine))
            return SerialEnd::LimitReached;
        if (!searchStep(session, search)) return SerialEnd::Exhausted;
        if (interrupt && interrupt()) return SerialEnd::Interrupted;
    }
}

} // namespace corvane

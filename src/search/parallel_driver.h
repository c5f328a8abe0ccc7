// The drivers of a parallel search: in the window's event loop, and headless to its end.
#pragma once

#include "search/parallel_search.h"

#include <cstdint>
#include <functional>

namespace corvane {

struct Session;
struct SearchSession;
struct Settings;

/// Most threads one search uses, whatever the settings ask.
inline constexpr unsigned MaxSearchThreads = 256;

/// Threads a search started from the window uses: 1 (the serial search) for SearchThreads 1
/// or in debug mode, SearchThreads when above 1, else one per core.
unsigned searchThreadsFor(const Settings& settings);

/// After prepareSearch: starts the parallel search when the settings ask for more than one
/// thread and the preparation did not already solve the puzzle. False when the search is to
/// run serially (nothing was started).
bool beginParallelSearch(Session& session, SearchSession& search);

/// Drives a started (or paused) parallel search from the window's thread: every slice (as
/// long as LoopCount serial steps take) it merges the final results (answers and their view
/// items, the count, the total steps) and pumps the window's events; every DrawCount slices it
/// copies the earliest subtree's engine for the live picture and refreshes. A pause request
/// stops every thread within a step and leaves the search Paused (or finishes it when nothing
/// was left to search); quitting, a new start or an edit ends the threads.
void runParallelSlices(Session& session, SearchSession& search);

/// How a serial search run by searchSerially ended.
enum class SerialEnd {
    Exhausted,    // nothing is left to search; the result has been reported (finishSearch)
    LimitReached, // the limit-th solution was found while something was left to search
    Interrupted,  // `interrupt` asked to stop
};

/// Searches the prepared state serially on the calling thread. `limit` > 0 stops once that
/// many solutions are found while something is left to search; `interrupt`, when given, is
/// asked after every step and stops the search when it returns true.
SerialEnd searchSerially(Session& session, SearchSession& search, std::uint64_t limit,
                         const std::function<bool()>& interrupt = {});

/// Searches the prepared state headless to its end on `options.threads` threads (the serial
/// search for one, or when the preparation already found the solution). `options.limit` > 0
/// stops once that many solutions are found while something is left to search. True when
/// the search ended with its report (finishSearch); false when it stopped at the limit.
bool searchToEnd(Session& session, SearchSession& search, const ParallelOptions& options);

} // namespace corvane

// The search driver: start, resume and the slices of steps between message pumps.
#pragma once

namespace corvane {

struct Session;
struct SearchSession;

/// "探索開始...": prepares a new search and runs it until it ends, pauses or the program quits.
/// Does nothing while a search is running. Always true.
bool startSearch(Session& session, SearchSession& search);

/// "探索再開": continues a paused search (elapsed time is no longer measured). Always true.
bool resumeSearch(Session& session, SearchSession& search);

/// Runs LoopCount steps per slice, pumps the window's events after each slice and refreshes
/// every DrawCount slices; returns when the search is over, paused or the program is quitting.
void runSlices(Session& session, SearchSession& search);

} // namespace corvane

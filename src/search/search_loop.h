// Depth-first search with an undo trail: one branch or one backtrack per step.
#pragma once

namespace corvane {

struct Session;
struct SearchSession;

/// One search step followed by the work-list pass, the region check and the solution test.
/// False when no choice is left (the result has then been reported).
bool searchStep(Session& session, SearchSession& search);

/// Takes the first branch at the next open cell after scanCell. Always true.
bool branchStep(SearchSession& search);

/// Rewinds to the latest choice and takes its second branch; false (after the final report)
/// when the trail holds no choice any more.
bool backtrackStep(Session& session, SearchSession& search);

} // namespace corvane

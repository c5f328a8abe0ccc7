// Solution test, recording of solutions and the final report.
#pragma once

namespace corvane {

struct Session;
struct SearchSession;

/// After a step: when a pair was joined and every pair is joined, records the solution (or
/// marks the stray path piece as a contradiction) and leaves the state inconsistent.
void solutionTest(Session& session, SearchSession& search);

/// True when every pair is joined and no undecided cell carries a link; otherwise, when all
/// pairs are joined, marks the first stray piece (conflict code 1) and returns false.
bool completeSolution(SearchSession& search);

/// Counts the engine's current solution, passes it to the observer and keeps it in board
/// orientation, with its view item, while the answer limits allow.
void recordSolution(Session& session, SearchSession& search);

/// The search space is exhausted: sets Finished, refreshes and shows the count in "結果".
void finishSearch(Session& session, SearchSession& search);

} // namespace corvane

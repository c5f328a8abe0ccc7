// Solution test, recording of solutions and the final report.
#pragma once

namespace corvane {

class Answer;
struct AnswerLimits;
struct Board;
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

/// True while the board's answer list takes one more answer within `limits`.
bool keepsAnotherAnswer(const Board& board, const AnswerLimits& limits);

/// Counts the next solution in the serial order (this engine's, or a search thread's at the
/// merge): numbers it, notes for the first whether it leaves a board cell on no path, passes
/// `answer` to the observer and keeps it while the limits allow. `answer` may be null when
/// neither needs it.
void acceptSolution(Session& session, SearchSession& search, Answer* answer, bool blanks);

/// The search space is exhausted: sets Finished, refreshes and shows the count in "結果".
void finishSearch(Session& session, SearchSession& search);

} // namespace corvane

// Checking one puzzle: load it, search it headless and describe the outcome.
#pragma once

#include "cli/check_report.h"

#include <cstdint>
#include <functional>
#include <string>

namespace corvane {

class Answer;
class CheckWindow;
struct Board;
struct Session;
struct SearchSession;

/// Called with every solution as it is found and its number.
using AnswerPrinter = std::function<void(const Answer&, std::uint64_t)>;
/// Called with the board once it is loaded, before the search.
using BoardObserver = std::function<void(const Board&)>;

/// Searches the board already in `session` (whose window is `window`) on `threads` threads
/// and reports how it ended. No answer is kept; each one goes to `printer` when given, in the
/// serial order, and into the result's varying cells. `limit` > 0 stops the search once that
/// many solutions are found while something is left to search.
CheckResult searchBoard(Session& session, SearchSession& search, const CheckWindow& window,
                        std::uint64_t limit, const AnswerPrinter& printer, unsigned threads = 1);

/// Search threads of file `index` when `jobs` threads in all check `files` files: each file
/// checked at once gets its share, and never fewer than one.
unsigned searchThreadsForFile(unsigned jobs, std::size_t files, std::size_t index);

} // namespace corvane

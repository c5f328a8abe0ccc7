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

/// Searches the board already in `session` (whose window is `window`) and reports how it
/// ended. No answer is kept; each one goes to `printer` when given and into the result's
/// varying cells. `limit` > 0 stops the search once that many solutions are found.
CheckResult searchBoard(Session& session, SearchSession& search, const CheckWindow& window,
                        std::uint64_t limit, const AnswerPrinter& printer);

/// Loads `path` in `format` (PuzzleFormat, 3 recognises it) and searches it in `direction`
/// (0 = the recommended one). Persists nothing. `loaded` (when set) sees the loaded board.
CheckResult checkFile(const std::string& path, int format, int direction, std::uint64_t limit,
                      const AnswerPrinter& printer, const BoardObserver& loaded = {});

} // namespace corvane

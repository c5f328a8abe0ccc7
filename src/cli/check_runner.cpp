// Headless search of one puzzle file.
#include "cli/check_runner.h"

#include "cli/check_window.h"
#include "model/session.h"
#include "search/parallel_driver.h"
#include "search/preparation.h"
#include "search/search_session.h"

namespace corvane {

CheckResult searchBoard(Session& session, SearchSession& search, const CheckWindow& window,
                        std::uint64_t limit, const AnswerPrinter& printer, unsigned threads) {
    CheckResult result;
    result.file = session.board.currentFilePath;
    search.answerLimits.maxAnswers = 0; // the checker keeps no answers
    // Every solution is observed, so the varying cells cover all found, none of them kept.
    search.answerObserver = [&result, &printer](const Answer& answer, std::uint64_t k) {
        result.varying.add(answer);
        if (printer) printer(answer, k);
    };
    session.status.searchState = SearchState::Running;
    const Preparation prepared = prepareSearch(session, search);
    if (prepared != Preparation::Ready) {
        search.answerObserver = nullptr;
        session.status.searchState = SearchState::Idle;
        // A contradiction among the clues is a verdict (no solution), not a refusal.
        result.status =
            prepared == Preparation::NoSolution ? CheckStatus::Unsolvable : CheckStatus::Refused;
        result.message = window.lastMessage();
        if (prepared == Preparation::NoSolution)
            result.direction = search.orientation.searchDirection;
        return result;
    }
    result.direction = search.orientation.searchDirection;
    ParallelOptions options;
    options.threads = threads;
    options.limit = limit;
    const bool finished = searchToEnd(session, search, options);
    search.answerObserver = nullptr; // it refers to this call's result
    updateElapsed(session.status);
    result.steps = session.status.stepCount;
    result.elapsedMs = session.status.elapsedMs;
    result.solutions = solutionTotal(session.board);
    if (!finished) {
        result.status = CheckStatus::LimitReached;
        result.message = limitMessage(limit);
    } else {
        result.message = window.lastMessage();
        if (result.solutions == 0)
            result.status = CheckStatus::None;
        else if (result.solutions > 1)
            result.status = CheckStatus::Multiple;
        else
            result.status =
                search.firstAnswerHasBlanks ? CheckStatus::UniqueWithBlanks : CheckStatus::Unique;
    }
    return result;
}

unsigned searchThreadsForFile(unsigned jobs, std::size_t files, std::size_t index) {
    // With at least as many files as threads every file is searched serially; with fewer,
    // all files run at once and share the threads, the first ones taking the remainder.
    if (files == 0 || files >= jobs) return 1;
    const auto n = static_cast<unsigned>(files);
    return jobs / n + (index < jobs % n ? 1 : 0);
}

} // namespace corvane

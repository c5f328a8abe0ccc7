// Headless search of one puzzle file.
#include "cli/check_runner.h"

#include "cli/check_window.h"
#include "model/puzzle_reader.h"
#include "model/session.h"
#include "search/parallel_driver.h"
#include "search/preparation.h"
#include "search/search_session.h"

#include <memory>

namespace corvane {

CheckResult searchBoard(Session& session, SearchSession& search, const CheckWindow& window,
                        std::uint64_t limit, const AnswerPrinter& printer, unsigned threads) {
    CheckResult result;
    result.file = session.board.currentFilePath;
    search.answerLimits.maxAnswers = 0; // the checker keeps no answers
    search.answerObserver = printer;
    session.status.searchState = SearchState::Running;
    if (!prepareSearch(session, search)) {
        session.status.searchState = SearchState::Idle;
        result.status = CheckStatus::Refused;
        result.message = window.lastMessage();
        return result;
    }
    result.direction = search.orientation.searchDirection;
    ParallelOptions options;
    options.threads = threads;
    options.limit = limit;
    const bool finished = searchToEnd(session, search, options);
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

CheckResult checkFile(const std::string& path, int format, int direction, std::uint64_t limit,
                      const AnswerPrinter& printer, unsigned threads) {
    CheckWindow window(direction);
    Session session(window, nullptr); // no settings store: nothing is written
    session.settings.directAutoSelect = direction == 0 ? 1 : 0;
    session.board.currentFilePath = path;
    if (!loadPuzzleFile(session, format)) {
        CheckResult result;
        result.file = path;
        result.status = CheckStatus::LoadFailed;
        result.message = window.lastMessage();
        return result;
    }
    auto search = std::make_unique<SearchSession>();
    CheckResult result = searchBoard(session, *search, window, limit, printer, threads);
    result.file = path;
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

// Headless search of one puzzle file.
#include "cli/check_runner.h"

#include "cli/check_window.h"
#include "model/puzzle_reader.h"
#include "model/session.h"
#include "search/preparation.h"
#include "search/search_loop.h"
#include "search/search_session.h"

#include <memory>

namespace corvane {

CheckResult searchBoard(Session& session, SearchSession& search, const CheckWindow& window,
                        std::uint64_t limit, const AnswerPrinter& printer) {
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
    bool finished = false;
    for (;;) {
        // At the limit the search stops only when something is left to search; with no choice
        // left on the trail the next step ends the search as usual, without counting a step.
        if (limit > 0 && session.board.solutionsFound >= limit && hasOpenChoice(search.engine))
            break;
        if (!searchStep(session, search)) {
            finished = true;
            break;
        }
    }
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
                      const AnswerPrinter& printer) {
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
    CheckResult result = searchBoard(session, *search, window, limit, printer);
    result.file = path;
    return result;
}

} // namespace corvane

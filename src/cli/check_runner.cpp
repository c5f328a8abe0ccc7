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
    bool finished = false;
    for (;;) {
        if (limit > 0 && session.board.solutionsFound >= limit) break;
        if (!searchStep(session, search)) {
            finished = true;
            break;
        }
    }
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

CheckResult checkFile(const std::string& path, int format, int direction, std::uint64_t limit,
                      const AnswerPrinter& printer, const BoardObserver& loaded) {
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
    if (loaded) loaded(session.board);
    auto search = std::make_unique<SearchSession>();
    CheckResult result = searchBoard(session, *search, window, limit, printer);
    result.file = path;
    return result;
}

} // namespace corvane

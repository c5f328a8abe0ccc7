// The background check's search and its verdict.
#include "search/uniqueness_check.h"

#include "model/board.h"
#include "model/session.h"
#include "search/parallel_driver.h"
#include "search/preparation.h"
#include "search/search_session.h"
#include "search/silent_window.h"

#include <cassert>

namespace corvane {

namespace {

/// Shows nothing but keeps the text of the last error box: the validation's reason.
class NotingWindow : public SilentWindow {
  public:
    void errorBox(const std::string& text) override { lastError = text; }
    std::string lastError;
};

/// The verdict of a search that was neither cancelled nor timed out.
Verdict verdictOf(Preparation prepared, SerialEnd end, std::uint64_t solutions, bool blanks) {
    if (prepared == Preparation::Refused) return Verdict::Incomplete;
    if (prepared == Preparation::NoSolution) return Verdict::None;
    if (end == SerialEnd::LimitReached || solutions >= 2) return Verdict::Multiple;
    if (solutions == 0) return Verdict::None;
    return blanks ? Verdict::UniqueWithBlanks : Verdict::Unique;
}

} // namespace

const char* verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Checking:
        return "確認中…";
    case Verdict::Unique:
        return "一意";
    case Verdict::UniqueWithBlanks:
        return "一意(空白マスあり)";
    case Verdict::Multiple:
        return "複数解";
    case Verdict::None:
        return "解なし";
    case Verdict::Incomplete:
        return "未完成";
    case Verdict::TimedOut:
        return "時間切れ";
    case Verdict::Cancelled:
        break;
    }
    return "";
}

struct UniquenessCheck::Parts {
    NotingWindow window;
    Session session{window, nullptr};
    std::unique_ptr<SearchSession> search = std::make_unique_for_overwrite<SearchSession>();
};

UniquenessCheck::UniquenessCheck() : parts_(std::make_unique<Parts>()) {}

UniquenessCheck::~UniquenessCheck() = default;

CheckOutcome UniquenessCheck::run(const Board& board, const Settings& settings,
                                  const CheckControl& control) {
    CheckOutcome outcome;
    if (control.cancelled()) return outcome;
    Session& session = parts_->session;
    SearchSession& search = *parts_->search;
    NotingWindow& window = parts_->window;

    // Only the clues are taken; the answers kept are this check's own, two at most.
    Board& own = session.board;
    copyClues(board, own);
    clearSolutions(own, window);
    session.settings = settings;
    session.settings.directAutoSelect = 1; // the recommended direction, no dialog
    session.settings.debugMode = 0;
    session.status = SearchStatus{};
    session.status.searchState = SearchState::Running;
    search.answerLimits = AnswerLimits{2, AnswerLimits{}.maxBytes};
    search.answerObserver = nullptr;
    window.lastError.clear();

    const Preparation prepared = prepareSearch(session, search);
    SerialEnd end = SerialEnd::Exhausted;
    bool timedOut = false;
    if (prepared == Preparation::Ready) {
        end = searchSerially(session, search, 2, [&] {
            if (control.cancelled()) return true;
            const std::uint64_t steps = session.status.stepCount;
            if (steps % ClockSteps != 0) return false;
            if (control.onClockRead) control.onClockRead(steps);
            if (control.cancelled()) return true;
            timedOut = CheckControl::Clock::now() >= control.deadline;
            return timedOut;
        });
    }
    outcome.steps = session.status.stepCount;
    session.status.searchState = SearchState::Idle;
    if (end == SerialEnd::Interrupted) {
        outcome.verdict = timedOut ? Verdict::TimedOut : Verdict::Cancelled;
        return outcome;
    }
    outcome.verdict = verdictOf(prepared, end, solutionTotal(own), search.firstAnswerHasBlanks);
    if (outcome.verdict == Verdict::Incomplete) outcome.reason = window.lastError;
    if (outcome.verdict == Verdict::Multiple) {
        assert(own.solutions.size() == 2);
        outcome.varying = answerDifference(own.solutions[0], own.solutions[1]);
    }
    return outcome;
}

} // namespace corvane

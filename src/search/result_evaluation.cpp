// Solution test, solution recording and the final report of a search.
#include "search/result_evaluation.h"

#include "model/board.h"
#include "model/main_window.h"
#include "model/session.h"
#include "search/search_session.h"

namespace corvane {

bool completeSolution(SearchSession& search) {
    Engine& engine = search.engine;
    for (int p = 1; p <= engine.pairCount; ++p)
        if (!engine.pairJoined[p]) return false;
    for (int row = RowStride; row <= engine.lastRowBase; row += RowStride)
        for (int c = row + 1; c <= row + engine.engineWidth; ++c)
            // A cell on no path is a stray piece when it carries links, and under the
            // every-cell rule a cell left empty.
            if (engine.cellOwner[c] == 0 &&
                ((engine.cellLinks[c] & 15) != 0 || engine.fillAllCells)) {
                reportConflict(engine, 1, c);
                return false;
            }
    return true;
}

void solutionTest(Session& session, SearchSession& search) {
    Engine& engine = search.engine;
    if (!engine.joinSeen) return;
    engine.joinSeen = 0;
    if (!completeSolution(search)) return;
    recordSolution(session, search);
    engine.consistent = 0;
}

void recordSolution(Session& session, SearchSession& search) {
    Board& board = session.board;
    const Engine& engine = search.engine;

    // Keep the answers found first, within the count and memory bounds. Past the first one
    // (whose empty cells the report needs), an answer neither kept nor observed only counts.
    if (board.solutionsFound > 0 && !search.answerObserver &&
        !keepsAnotherAnswer(board, search.answerLimits)) {
        ++board.solutionsFound;
        return;
    }

    Answer answer(board.boardWidth, board.boardHeight);
    bool blanks = false;
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int u = cellIndex(x, y);
            const int pair = engine.cellOwner[search.orientation.uiToEngine[u]] & 0xff;
            const bool onPath = pair >= 1 && pair <= engine.pairCount;
            answer.set(u, onPath ? pair : 0);
            blanks = blanks || !onPath;
        }
    acceptSolution(session, search, &answer, blanks);
}

bool keepsAnotherAnswer(const Board& board, const AnswerLimits& limits) {
    const std::size_t each = sizeof(Answer) + std::size_t(board.boardWidth) * board.boardHeight;
    const std::size_t kept = board.solutions.size();
    return kept < limits.maxAnswers && (kept + 1) * each <= limits.maxBytes;
}

void acceptSolution(Session& session, SearchSession& search, Answer* answer, bool blanks) {
    Board& board = session.board;
    const std::uint64_t number = ++board.solutionsFound;
    if (number == 1) search.firstAnswerHasBlanks = blanks;
    if (!answer) return;
    if (search.answerObserver) search.answerObserver(*answer, number);
    if (!keepsAnotherAnswer(board, search.answerLimits)) return;
    board.solutions.push_back(std::move(*answer));
    session.window.addViewItem(viewItemText(static_cast<int>(board.solutions.size())));
}

void finishSearch(Session& session, SearchSession& search) {
    const std::uint64_t n = solutionTotal(session.board);
    MainWindow& window = session.window;
    if (n > 0 && !session.board.solutions.empty()) {
        if (window.selectedViewItem() == 0) window.selectViewItem(1);
        window.focusViewList();
    }
    session.status.searchState = SearchState::Finished;
    search.engine.consistent = 0;
    updateElapsed(session.status);
    window.refreshControls(true);
    if (n == 1) {
        if (search.firstAnswerHasBlanks)
            window.resultBox("解は1個でしたが空白マスがあります。", MessageIcon::Warning);
        else
            window.resultBox("解は1個でした。", MessageIcon::Information);
    } else {
        window.resultBox("解は" + std::to_string(n) + "個でした。", MessageIcon::Warning);
    }
}

} // namespace corvane

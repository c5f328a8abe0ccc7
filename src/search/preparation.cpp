// Search preparation: validation, direction, engine set-up and the clues' own propagation.
#include "search/preparation.h"

#include "model/board.h"
#include "model/main_window.h"
#include "model/session.h"
#include "search/result_evaluation.h"
#include "search/search_session.h"
#include "search/validation.h"

namespace corvane {

namespace {

Preparation obviouslyUnsolvable(Session& session) {
    // The view shows the engine state of the contradiction before the message.
    session.window.refreshControls(true);
    session.window.errorBox("明らかに解がありません");
    return Preparation::NoSolution;
}

} // namespace

Preparation prepareSearch(Session& session, SearchSession& search) {
    int pairCount = 0;
    if (!validateBoard(session, pairCount)) return Preparation::Refused;
    if (!chooseSearchDirection(session, search.orientation, pairCount)) return Preparation::Refused;

    clearSolutions(session.board, session.window);
    search.firstAnswerHasBlanks = false;
    session.status.stepCount = 0;
    session.status.startTime = currentSystemTime();

    // The engine's clue array doubles as the oriented copy of the board's clues.
    Engine& engine = search.engine;
    Orientation& orientation = search.orientation;
    buildOrientation(session.board, orientation);
    engine.cellClue.fill(OutsideCell);
    for (int y = 1; y <= session.board.boardHeight; ++y)
        for (int x = 1; x <= session.board.boardWidth; ++x) {
            const int u = cellIndex(x, y);
            engine.cellClue[orientation.uiToEngine[u]] = session.board.boardCells[u];
        }
    initEngine(engine, engine.cellClue, orientation.engineWidth, orientation.engineHeight,
               pairCount);
    engine.fillAllCells = session.settings.fillAllCells ? 1 : 0;

    if (!propagateClues(engine)) return obviouslyUnsolvable(session);
    if (engine.joinSeen) {
        engine.joinSeen = 0;
        bool allJoined = true;
        for (int p = 1; p <= pairCount; ++p) allJoined = allJoined && engine.pairJoined[p];
        if (allJoined) {
            if (!completeSolution(search)) return obviouslyUnsolvable(session);
            // The clues alone solve the puzzle; the first step backtracks and reports.
            recordSolution(session, search);
            engine.consistent = 0;
        }
    }
    updateElapsed(session.status);
    session.window.refreshControls(true);
    return Preparation::Ready;
}

} // namespace corvane

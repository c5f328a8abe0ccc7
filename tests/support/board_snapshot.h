// A copy of everything a failed read must leave as it was, for comparisons in tests.
#pragma once

#include "model/session.h"
#include "recording_window.h"

#include <string>
#include <vector>

namespace corvane::testing {

struct BoardSnapshot {
    int boardWidth, boardHeight, boardLastRowOffset, cursorCell;
    std::array<int, CellCount> boardCells;
    std::vector<Answer> solutions;
    std::string infoField1, infoField2, currentFilePath;
    SearchState searchState;
    std::uint64_t stepCount;
    std::int64_t startTime;
    std::vector<std::string> viewItems;
    int viewSelection;
    bool modified;

    BoardSnapshot(const Session& session, const RecordingWindow& window)
        : boardWidth(session.board.boardWidth), boardHeight(session.board.boardHeight),
          boardLastRowOffset(session.board.boardLastRowOffset),
          cursorCell(session.board.cursorCell), boardCells(session.board.boardCells),
          solutions(session.board.solutions), infoField1(session.board.infoField1),
          infoField2(session.board.infoField2), currentFilePath(session.board.currentFilePath),
          searchState(session.status.searchState), stepCount(session.status.stepCount),
          startTime(session.status.startTime), viewItems(window.viewItems),
          viewSelection(window.viewSelection), modified(session.board.modified) {}

    bool operator==(const BoardSnapshot&) const = default;
};

} // namespace corvane::testing

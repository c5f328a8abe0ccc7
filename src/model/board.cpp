// Board model operations: new board and clearing the stored answers.
#include "model/board.h"

#include "model/main_window.h"
#include "model/search_status.h"

namespace corvane {

namespace {

void fillEmpty(Board& board) {
    board.boardCells.fill(OutsideCell);
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) board.boardCells[cellIndex(x, y)] = 0;
}

} // namespace

Board::Board() { fillEmpty(*this); }

std::string viewItemText(int k) { return k == 0 ? "通常画面" : "解 No." + std::to_string(k); }

void clearSolutions(Board& board, MainWindow& window) {
    const int items = static_cast<int>(board.solutions.size());
    board.solutions.clear();
    board.solutionsFound = 0;
    for (int k = items; k >= 1; --k) window.removeViewItem(k);
    window.selectViewItem(0);
}

void copyClues(const Board& from, Board& to) {
    to.boardWidth = from.boardWidth;
    to.boardHeight = from.boardHeight;
    to.boardLastRowOffset = from.boardLastRowOffset;
    to.boardCells = from.boardCells;
}

bool resetBoard(Board& board, SearchStatus& status, MainWindow& window, int height, int width) {
    if (width < 1 || width > MaxBoardSide || height < 1 || height > MaxBoardSide) return false;
    board.boardHeight = height;
    board.boardWidth = width;
    board.boardLastRowOffset = height * RowStride;
    fillEmpty(board);
    board.modified = false;
    status.searchState = SearchState::Idle;
    board.cursorCell = FirstBoardCell;
    status.stepCount = 0;
    status.startTime = 0;
    clearSolutions(board, window);
    return true;
}

} // namespace corvane

// Cell editing by keyboard and right click: typed clues, erasing, cursor movement.
#include "app/cell_editor.h"

#include "app/board_shapes.h"
#include "model/main_window.h"
#include "model/session.h"

#include <algorithm>
#include <cstdint>

namespace corvane {

namespace {

constexpr int LargestTypedClue = 99;
constexpr int LastIndexRowOrColumn = RowStride - 1;

int digitOf(int key) {
    return key >= Qt::Key_0 && key <= Qt::Key_9 ? key - Qt::Key_0 : -1;
}

bool isEraseKey(int key) {
    return key == Qt::Key_Backspace || key == Qt::Key_Space || key == Qt::Key_Delete;
}

bool isArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

/// Stores a clue in a board cell; a different value marks the puzzle modified.
void setClue(Board& board, int& cell, int value) {
    if (cell != value) board.modified = true;
    cell = value;
}

/// Moves the cursor one cell by an arrow key unless that would leave the board.
bool moveCursor(Board& board, int key) {
    const int column = cellColumn(board.cursorCell);
    const int row = cellRow(board.cursorCell);
    int step = 0;
    if (key == Qt::Key_Left && column > 1) step = -1;
    if (key == Qt::Key_Up && row > 1) step = -RowStride;
    if (key == Qt::Key_Right && column < board.boardWidth) step = 1;
    if (key == Qt::Key_Down && row < board.boardHeight) step = RowStride;
    board.cursorCell += step;
    return step != 0;
}

} // namespace

bool isCellEditorKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::AltModifier) return false;
    return digitOf(key) >= 0 || isEraseKey(key) || isArrowKey(key);
}

void resetSearchAfterEdit(SearchStatus& status) {
    if (status.searchState == SearchState::Idle) return;
    status.searchState = SearchState::Idle;
    status.stepCount = 0;
    status.startTime = 0;
}

EditOutcome editCellByKey(Session& session, bool editing, int key,
                          Qt::KeyboardModifiers modifiers) {
    if (!isCellEditorKey(key, modifiers)) return EditOutcome::NotConsumed;
    Board& board = session.board;
    if (!editing || !board.onBoard(board.cursorCell)) return EditOutcome::Consumed;
    int& cell = board.boardCells[static_cast<std::size_t>(board.cursorCell)];

    if (const int digit = digitOf(key); digit >= 0) {
        const std::int64_t value = std::int64_t{cell} * 10 + digit;
        if (value < 0 || value > LargestTypedClue) {
            session.window.beep(BeepKind::Simple);
            return EditOutcome::Consumed;
        }
        resetSearchAfterEdit(session.status);
        setClue(board, cell, static_cast<int>(value));
        return EditOutcome::CellChanged;
    }
    if (isEraseKey(key)) {
        resetSearchAfterEdit(session.status);
        setClue(board, cell, 0);
        return EditOutcome::CellChanged;
    }
    return moveCursor(board, key) ? EditOutcome::CursorMoved : EditOutcome::Consumed;
}

int cellAtPixel(int x, int y) {
    const int column = std::min((x & 0xffff) / BoardCellPixels + 1, LastIndexRowOrColumn);
    const int row = std::min((y & 0xffff) / BoardCellPixels + 1, LastIndexRowOrColumn);
    return cellIndex(column, row);
}

bool eraseCellByClick(Session& session, bool editing, int x, int y) {
    Board& board = session.board;
    board.cursorCell = cellAtPixel(x, y);
    if (!editing || !board.onBoard(board.cursorCell)) return false;
    resetSearchAfterEdit(session.status);
    setClue(board, board.boardCells[static_cast<std::size_t>(board.cursorCell)], 0);
    return true;
}

} // namespace corvane

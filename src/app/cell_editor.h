// The cell editor: clue digits, erasing and cursor keys on the board view.
#pragma once

#include <Qt>

namespace corvane {

struct Session;
struct SearchStatus;

/// What a key did to the board.
enum class EditOutcome {
    NotConsumed, // not an editor key: it goes on to the window's keyboard navigation
    Consumed,    // an editor key that changed nothing (wrong tab, off the board, edge, > 99)
    CellChanged, // a digit was typed or a clue erased
    CursorMoved, // an arrow key moved the cursor
};

/// True for the keys the editor always consumes: digits (main keyboard or keypad), Backspace,
/// Space, Delete and the four arrows. With the keypad's NumLock off its keys arrive as the
/// navigation keys they stand for: its arrows move the cursor and its "." key is Delete, while
/// Insert, Home, End, Page Up/Down and Clear (5) are not editor keys. Keys held with Alt are
/// left to the window (mnemonics).
bool isCellEditorKey(int key, Qt::KeyboardModifiers modifiers);

/// Applies one key press to the board. `editing` is true while the editing tab is selected.
/// A digit makes the cursor's clue cell x 10 + digit, refused with the simple beep above 99
/// (computed in 64 bits, so a huge clue from a file cannot overflow); erase keys empty the
/// cell; both return the search to Idle. Arrows move the cursor within the board.
EditOutcome editCellByKey(Session& session, bool editing, int key, Qt::KeyboardModifiers modifiers);

/// Abandons the search result state after a cell edit: a state other than Idle becomes Idle
/// with no steps and no start time. Stored solutions stay.
void resetSearchAfterEdit(SearchStatus& status);

/// Cursor cell for a click at view pixel (x, y): row y / 24 + 1, column x / 24 + 1, with no
/// check against the board. Coordinates are taken as unsigned 16-bit values and the row and
/// column are capped at 127 so that the index stays inside the 128 x 128 cell layout.
int cellAtPixel(int x, int y);

/// Puts the cursor on a clicked cell and, while editing and on the board, erases its clue
/// with the search reset. Returns true when the cell was erased.
bool eraseCellByClick(Session& session, bool editing, int x, int y);

} // namespace corvane

// The "新規作成" dialog: asks for the size of a new, empty board.
#pragma once

class QWidget;

namespace corvane {

struct Session;

/// Shows the modal new-board dialog over `parent`, starting at the current board size. On OK
/// with an acceptable size the board is replaced by an empty one (resetBoard) and
/// currentFilePath, the title and the author are emptied; returns true then, and the caller
/// lays out and refreshes the window. A refused size shows "サイズが正しくありません" and keeps
/// the dialog open; Cancel, Escape, the close box and Enter in a size field change nothing and
/// return false.
bool runNewBoardDialog(Session& session, QWidget* parent);

} // namespace corvane

// The puzzle's title and author: the window title that shows them and the dialog that edits
// them.
#pragma once

#include <string>

class QWidget;

namespace corvane {

class CommandMenu;
class MainDialog;
struct Board;

/// The window title for the board's info fields (title infoField1, author infoField2):
/// "Corvane - TITLE (AUTHOR)", "Corvane - TITLE" without an author, "Corvane - (AUTHOR)"
/// without a title and "Corvane" when both are empty.
std::string windowTitleFor(const Board& board);

/// Shows the modal dialog with the fields "タイトル" and "作者" (titleField, authorField) over
/// `parent`. The title cannot hold ":" (a file's info line ends the title at the first one)
/// and neither field a line break. OK refuses, with an error box naming them, characters that
/// code page 932 (the files' encoding) cannot hold. Otherwise on OK the trimmed texts are
/// stored and, when they differ from before, the board is marked modified; returns true then.
/// キャンセル changes nothing.
bool runPuzzleInfoDialog(Board& board, QWidget* parent);

/// Adds the command "タイトルと作者..." (Ctrl+I) to the menu; it is disabled (and does
/// nothing) while a search runs and refreshes the window after OK.
void installPuzzleInfoCommand(MainDialog& window, CommandMenu& menu);

} // namespace corvane

// Exchange with the puzzle sites: paste or drop a puzz.link URL or pzprv3 text, copy either.
#pragma once

#include <QString>

class QMimeData;

namespace corvane {

class CommandMenu;
class MainDialog;

/// Adds the group "URL・pzprv3を貼り付け" (Ctrl+V; disabled while a search runs; text that is
/// no puzzle shows "クリップボードの内容を問題として読めませんでした" and the reader's reason),
/// "URLをコピー" (Ctrl+C) and "pzprv3形式でコピー" (Ctrl+Shift+C, with the answer shown in the
/// view list). A paste is read as a load: asked for by the window's gate, then the board gets
/// the keyboard focus.
void installExchangeCommands(MainDialog& window, CommandMenu& menu);

/// The puzzle text a drop carries when it is no local file: the first URL of a text/uri-list
/// or else the plain text, when it looks like a puzz.link URL or pzprv3 text; otherwise "".
QString droppedPuzzleText(const QMimeData* data);

/// Reads dropped `text` like a paste: refused with the exclamation beep while a search runs,
/// then asks the window's gate mayReplacePuzzle, then loads it (a failure shows the load
/// error) and focuses the board.
void loadPuzzleFromText(MainDialog& window, const QString& text);

} // namespace corvane

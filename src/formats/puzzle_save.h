// The save command: choice of file, format and answer, then a safe write in code page 932.
#pragma once

namespace corvane {

struct Session;

/// Takes the answer choice from the view list, shows the save dialog and, when it is
/// confirmed, stores the chosen format and answer and saves the settings. A refused text
/// ("現在この条件でセーブする事は出来ません") is decided before the file is touched; a failed
/// write shows "ファイルのセーブに失敗しました". Returns true only when the file was written,
/// and only then does the chosen path become currentFilePath and the board is no longer
/// modified; its clues and answers never change.
bool savePuzzleFile(Session& session);

} // namespace corvane

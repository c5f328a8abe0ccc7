// The save command over the writer, the code page 932 encoder and the replacing write.
#include "formats/puzzle_save.h"

#include "base/cp932_codec.h"
#include "base/file_bytes.h"
#include "base/safe_write.h"
#include "formats/puzzle_writer.h"
#include "model/main_window.h"
#include "model/session.h"

namespace corvane {

bool savePuzzleFile(Session& session) {
    Board& board = session.board;
    board.answerChoice = session.window.selectedViewItem();
    const SaveChoice choice = session.window.saveDialog(board.currentFilePath);
    if (!choice.confirmed) return false;
    session.settings.fileFormat = choice.format;
    board.answerChoice = choice.answer;
    session.saveConfig();

    // The whole text exists before the file is touched, so a refusal leaves it intact.
    const auto text = formatPuzzleText(board, session.settings.fileFormat, board.answerChoice);
    if (!text) {
        session.window.errorBox("現在この条件でセーブする事は出来ません");
        return false;
    }
    if (!writeFileReplacing(filePathFromUtf8(choice.path), encodeCp932(*text))) {
        session.window.errorBox("ファイルのセーブに失敗しました");
        return false;
    }
    // Only a written file becomes the puzzle's file: after a failure the next save starts
    // from the name the puzzle had.
    board.currentFilePath = choice.path;
    board.modified = false;
    return true;
}

} // namespace corvane

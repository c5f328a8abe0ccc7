// Pre-search validation of the board's clues.
#include "search/validation.h"

#include "model/main_window.h"
#include "model/session.h"

#include <array>
#include <string>

namespace corvane {

bool validateBoard(Session& session, int& pairCount) {
    const Board& board = session.board;
    std::array<int, 256> clueTally{};
    pairCount = 0;
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int v = board.boardCells[cellIndex(x, y)];
            if (v <= 0) continue;
            if (v >= 100) {
                session.window.errorBox("大きすぎる数字があります");
                return false;
            }
            if (clueTally[v] == 2) {
                session.window.errorBox(std::to_string(v) + "が3つ以上あります");
                return false;
            }
            ++clueTally[v];
            if (v > pairCount) pairCount = v;
        }
    if (pairCount == 0) {
        session.window.errorBox("数字が1つもありません");
        return false;
    }
    for (int v = 1; v <= pairCount; ++v) {
        if (clueTally[v] == 0) {
            session.window.errorBox(std::to_string(v) + "がありません");
            return false;
        }
        if (clueTally[v] == 1) {
            session.window.errorBox(std::to_string(v) + "が1つしかありません");
            return false;
        }
    }
    return true;
}

} // namespace corvane

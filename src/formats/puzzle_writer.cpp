// Writers of the clue line, the digit grid and the character grid formats; pzprv3 text.
#include "formats/puzzle_writer.h"

#include "formats/cell_alphabet.h"
#include "formats/pzprv3_text.h"
#include "model/board.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr const char* LineEnd = "\r\n";

std::string formatKavrin(const Board& board) {
    std::string text =
        "w" + std::to_string(board.boardWidth) + "h" + std::to_string(board.boardHeight);
    int run = 0;
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int v = board.boardCells[cellIndex(x, y)];
            if (v == 0) {
                ++run;
                continue;
            }
            if (run >= 2)
                text += "s" + std::to_string(run);
            else if (run == 1)
                text += "s";
            run = 0;
            text += "n" + std::to_string(v);
        }
    return text + LineEnd;
}

/// Value of a cell in what is written: the clues for choice 0, otherwise the answer.
int writtenValue(const Board& board, const Answer* answer, int x, int y) {
    return answer ? answer->at(cellIndex(x, y)) : board.boardCells[cellIndex(x, y)];
}

std::string formatNsha(const Board& board, const Answer* answer) {
    std::string text;
    for (int y = 1; y <= board.boardHeight; ++y) {
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int v = writtenValue(board, answer, x, y);
            if (v >= 1 && v <= 9)
                text += static_cast<char>('0' + v);
            else if (v >= 10 && v <= 99)
                text += "," + std::to_string(v);
            else
                text += '0';
        }
        text += LineEnd;
    }
    return text;
}

std::optional<std::string> formatNshaC(const Board& board, const Answer& answer) {
    std::string grid;
    int largest = 0;
    for (int y = 1; y <= board.boardHeight; ++y) {
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int v = answer.at(cellIndex(x, y));
            if (v < 0 || v >= CellAlphabetSize) return std::nullopt;
            largest = std::max(largest, v);
            grid += CellAlphabet[v];
        }
        grid += LineEnd;
    }
    std::string text = "TABLE\t" + std::string(CellAlphabet, std::size_t(largest) + 1) + LineEnd;
    text += "--";
    text += LineEnd;
    text += ":" + board.infoField1 + ":" + board.infoField2 + LineEnd;
    text +=
        ";" + std::to_string(board.boardWidth) + "*" + std::to_string(board.boardHeight) + LineEnd;
    return text + grid;
}

} // namespace

std::optional<std::string> formatPuzzleText(const Board& board, int format, int answerChoice) {
    if (format == FormatKavrin) return formatKavrin(board);
    if (format != FormatNsha && format != FormatNshaC && format != FormatPzprv3)
        return std::nullopt;

    const Answer* answer = nullptr;
    if (answerChoice >= 1) {
        if (answerChoice > static_cast<int>(board.solutions.size())) return std::nullopt;
        answer = &board.solutions[std::size_t(answerChoice - 1)];
        // An answer of another size than the board (never stored so) cannot be written.
        if (answer->width() != board.boardWidth || answer->height() != board.boardHeight)
            return std::nullopt;
    } else if (answerChoice < 0) {
        return std::nullopt;
    }
    if (format == FormatNsha) return formatNsha(board, answer);
    if (format == FormatPzprv3) return pzprv3Text(board, answer, LineEnd);
    if (!answer) return std::nullopt;
    return formatNshaC(board, *answer);
}

} // namespace corvane

// Builds boards from short text pictures: one string per row, cells separated by blanks,
// "." for an empty cell and a number for a clue.
#pragma once

#include "model/board.h"

#include <sstream>
#include <string>
#include <vector>

namespace corvane::testing {

/// Fills `board` (size, clues, rim) from the picture; answers and the view list are untouched.
inline void setBoardPicture(Board& board, const std::vector<std::string>& rows) {
    std::vector<std::vector<int>> cells;
    std::size_t width = 0;
    for (const std::string& row : rows) {
        std::istringstream in(row);
        std::vector<int> line;
        std::string tok;
        while (in >> tok) line.push_back(tok == "." ? 0 : std::stoi(tok));
        width = std::max(width, line.size());
        cells.push_back(line);
    }
    board.boardWidth = static_cast<int>(width);
    board.boardHeight = static_cast<int>(cells.size());
    board.boardLastRowOffset = board.boardHeight * RowStride;
    board.boardCells.fill(OutsideCell);
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) {
            const auto& line = cells[static_cast<std::size_t>(y - 1)];
            board.boardCells[cellIndex(x, y)] =
                x <= static_cast<int>(line.size()) ? line[static_cast<std::size_t>(x - 1)] : 0;
        }
}

/// The clue picture of a board, in the same form setBoardPicture reads.
inline std::vector<std::string> boardPicture(const Board& board) {
    std::vector<std::string> rows;
    for (int y = 1; y <= board.boardHeight; ++y) {
        std::string line;
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int v = board.boardCells[cellIndex(x, y)];
            if (x > 1) line += ' ';
            line += v == 0 ? "." : std::to_string(v);
        }
        rows.push_back(line);
    }
    return rows;
}

/// An answer written as a picture, one string per row with numbers separated by blanks
/// ("." or 0 for a cell on no path), as setBoardPicture reads clues.
inline Answer answerFromPicture(const std::vector<std::string>& rows) {
    Board b;
    setBoardPicture(b, rows);
    Answer a(b.boardWidth, b.boardHeight);
    for (int y = 1; y <= b.boardHeight; ++y)
        for (int x = 1; x <= b.boardWidth; ++x)
            a.set(cellIndex(x, y), b.boardCells[cellIndex(x, y)]);
    return a;
}

} // namespace corvane::testing

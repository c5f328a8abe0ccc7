// An independent check of a stored answer against the puzzle's rules, for tests. It shares no
// code with the search: it only looks at the clues and the answer's cell values.
#pragma once

#include "board_picture.h"
#include "model/board.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace corvane::testing {

/// Empty when `answer` is a solution of the clues on `board`: every pair's cells form one simple
/// path between its two clues, two cells of one pair that are neighbours are consecutive on that
/// path, and no clue cell is covered by another pair. Otherwise a description of the first fault.
inline std::string answerFault(const Board& board, const Answer& answer) {
    const int w = board.boardWidth, h = board.boardHeight;
    if (answer.width() != w || answer.height() != h) return "answer has another size";
    std::map<int, std::vector<int>> clues, cells;
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x) {
            const int c = cellIndex(x, y);
            const int clue = board.boardCells[c], value = answer.at(c);
            if (clue > 0) {
                clues[clue].push_back(c);
                if (value != clue) return "clue cell " + std::to_string(c) + " is not on its pair";
            }
            if (value > 0) cells[value].push_back(c);
        }
    for (const auto& [pair, ends] : clues) {
        if (ends.size() != 2) return "clue " + std::to_string(pair) + " is not a pair";
        const std::vector<int>& own = cells[pair];
        // Degrees in the graph of orthogonal neighbours with the same value: an induced
        // simple path has degree 1 at both ends and 2 everywhere else, and is connected.
        for (int c : own) {
            int degree = 0;
            for (int d : {-RowStride, 1, RowStride, -1})
                if (answer.at(c + d) == pair) ++degree;
            const bool end = c == ends[0] || c == ends[1];
            if (degree != (end ? 1 : 2))
                return "pair " + std::to_string(pair) + " has degree " + std::to_string(degree) +
                       " at cell " + std::to_string(c);
        }
        // Walk from one clue; a path visits every cell of the pair exactly once.
        std::size_t visited = 1;
        int previous = -1, current = ends[0];
        while (current != ends[1]) {
            int next = -1;
            for (int d : {-RowStride, 1, RowStride, -1})
                if (answer.at(current + d) == pair && current + d != previous) next = current + d;
            if (next < 0 || visited > own.size()) break;
            previous = current;
            current = next;
            ++visited;
        }
        if (current != ends[1] || visited != own.size())
            return "pair " + std::to_string(pair) + " is not one path between its clues";
    }
    for (const auto& [value, list] : cells)
        if (!clues.count(value)) return "value " + std::to_string(value) + " belongs to no pair";
    return {};
}

/// True when some board cell of the answer lies on no path.
inline bool answerHasBlanks(const Board& board, const Answer& answer) {
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x)
            if (answer.at(cellIndex(x, y)) <= 0) return true;
    return false;
}

} // namespace corvane::testing

namespace corvane {

/// Prints an answer as its rows, for test failure messages.
inline void PrintTo(const Answer& answer, std::ostream* os) {
    for (int y = 1; y <= answer.height(); ++y) {
        *os << "\n   ";
        for (int x = 1; x <= answer.width(); ++x) {
            const int v = answer.at(cellIndex(x, y));
            *os << ' ' << (v > 0 ? std::to_string(v) : std::string("."));
        }
    }
}

} // namespace corvane

// Boards for the tests of the every-cell rule, and what both rules find on them.
#pragma once

#include "path_cover.h"
#include "serial_comparison.h"

#include <algorithm>

namespace corvane::testing {

/// `count` boards of `minSide` to `minSide` + `sides` - 1 cells a side: every other one the
/// puzzle of a random path cover, half of those with one clue moved to another cell (which
/// gives boards with several every-cell solutions, or none), the rest random clues.
inline std::vector<Board> everyCellBoards(int count, unsigned seed, int minSide, int sides) {
    std::mt19937 random(seed);
    const auto draw = [&random](int n) { return static_cast<int>(random() % unsigned(n)); };
    std::vector<Board> boards;
    while (static_cast<int>(boards.size()) < count) {
        const int w = minSide + draw(sides), h = minSide + draw(sides);
        if (boards.size() % 2 == 1) {
            boards.push_back(generatedBoards(1, random(), w, 1, 2 + w * w / 6).front()); // w x w
            continue;
        }
        const auto cover = randomPathCover(w, h, random, 2 + draw(w * h / 4));
        if (!cover) continue;
        Board board = coverPuzzle(*cover);
        if (boards.size() % 4 == 2) {
            std::vector<int> clues, empty;
            for (int y = 1; y <= h; ++y)
                for (int x = 1; x <= w; ++x)
                    (board.boardCells[cellIndex(x, y)] ? clues : empty).push_back(cellIndex(x, y));
            if (!empty.empty()) {
                const int from = clues[static_cast<std::size_t>(draw(int(clues.size())))];
                const int to = empty[static_cast<std::size_t>(draw(int(empty.size())))];
                std::swap(board.boardCells[from], board.boardCells[to]);
            }
        }
        boards.push_back(board);
    }
    return boards;
}

/// The answers among `answers` that leave no board cell empty, in their order.
inline std::vector<Answer> withoutEmptyCells(const std::vector<Answer>& answers);

/// `count` puzzles of random path covers with few pairs, 4 to 7 cells a side, chosen because
/// the standard search finds two or more solutions without an empty cell (in direction
/// FirstSearchDirection): such boards are rare, about one in a hundred.
inline std::vector<Board> severalEveryCellBoards(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Board> boards;
    for (int attempt = 0; attempt < 1000 * count && static_cast<int>(boards.size()) < count;
         ++attempt) {
        const int w = 4 + int(random() % 4), h = 4 + int(random() % 4);
        const auto cover = randomPathCover(w, h, random, 2 + int(random() % unsigned(w * h / 8)));
        if (!cover) continue;
        const Board board = coverPuzzle(*cover);
        const Outcome standard =
            searchBoard(board, FirstSearchDirection, {1, 0}, Answers::Observed, 0);
        if (withoutEmptyCells(standard.observed).size() >= 2) boards.push_back(board);
    }
    return boards;
}

/// The answers among `answers` that leave no board cell empty, in their order.
inline std::vector<Answer> withoutEmptyCells(const std::vector<Answer>& answers) {
    std::vector<Answer> full;
    for (const Answer& a : answers)
        if (std::find(a.bytes().begin(), a.bytes().end(), 0) == a.bytes().end()) full.push_back(a);
    return full;
}

/// Searches every board in a few directions under both rules and expects the every-cell
/// search to find exactly the standard solutions without an empty cell, in the same order.
/// Counts the boards with several every-cell solutions and with none.
inline void expectEveryCellSolutionsAmongStandard(const std::vector<Board>& boards, int& several,
                                                  int& none) {
    for (std::size_t i = 0; i < boards.size(); ++i)
        for (int d = FirstSearchDirection + int(i % 4); d <= LastSearchDirection; d += 4) {
            const Outcome standard = searchBoard(boards[i], d, {1, 0}, Answers::Observed, 0);
            const Outcome fill = searchBoard(boards[i], d, {1, 0}, Answers::Observed, 1);
            const std::vector<Answer> expected = withoutEmptyCells(standard.observed);
            const std::string where = "board " + std::to_string(i) + " in " + std::to_string(d);
            EXPECT_EQ(fill.observed, expected) << where;
            // Refused by validation like the standard search, or nothing to search.
            EXPECT_TRUE(fill.prepared || !standard.prepared || expected.empty()) << where;
            EXPECT_EQ(fill.solutions, expected.size()) << where;
            EXPECT_LE(fill.steps, standard.steps) << where;
            several += fill.solutions > 1;
            none += standard.prepared && fill.solutions == 0;
        }
}

} // namespace corvane::testing

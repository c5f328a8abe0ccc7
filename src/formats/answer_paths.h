// Lines between neighbouring cells, the paths they make, and the lines of a stored answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

class Answer;
struct Board;

/// Which neighbouring cells of a width x height board are joined by a line. Columns and rows
/// count from 1, as on the board.
class CellLinks {
  public:
    CellLinks(int width, int height)
        : width_(width), height_(height), right_(std::size_t(width > 1 ? width - 1 : 0) * height),
          down_(std::size_t(width) * (height > 1 ? height - 1 : 0)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    /// The line between (x, y) and (x + 1, y); x < width.
    bool right(int x, int y) const { return right_[rightIndex(x, y)] != 0; }
    void setRight(int x, int y, bool line) { right_[rightIndex(x, y)] = line; }
    /// The line between (x, y) and (x, y + 1); y < height.
    bool down(int x, int y) const { return down_[downIndex(x, y)] != 0; }
    void setDown(int x, int y, bool line) { down_[downIndex(x, y)] = line; }
    /// True when at least one line is drawn.
    bool any() const;

  private:
    std::size_t rightIndex(int x, int y) const {
        return std::size_t(y - 1) * (width_ - 1) + (x - 1);
    }
    std::size_t downIndex(int x, int y) const { return std::size_t(y - 1) * width_ + (x - 1); }

    int width_;
    int height_;
    std::vector<std::uint8_t> right_;
    std::vector<std::uint8_t> down_;
};

/// The answer the lines draw over `clues` (width * height numbers, row by row, 0 = no clue):
/// every clue cell has exactly one line, every other cell none or two, and each path joins
/// two equal clues; each cell holds the clue of its path, 0 off the paths. Anything else
/// (a clue without a line, a dead end, a branch, a crossing, a loop, a path between unequal
/// clues, clues of 100 or more, which an answer cannot keep) gives nullopt and `reason`.
std::optional<std::vector<int>> answerFromLinks(const std::vector<int>& clues,
                                                const CellLinks& links, std::string& reason);

/// Lines along the path of every pair of `answer` on `board`: for each number, a path from
/// one of its two clue cells through all cells of that number to the other. nullopt when the
/// answer has another size, a clue cell does not hold its own number, a number has not
/// exactly two clue cells, or no such path exists (or none is found within a bounded search
/// when a path runs beside itself).
std::optional<CellLinks> linksOfAnswer(const Board& board, const Answer& answer);

} // namespace corvane

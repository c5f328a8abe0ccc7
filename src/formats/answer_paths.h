// The path tracer: paths through the cells of an answer, the lines between neighbouring cells
// and the conversions between them, on one grid numbering of cells.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

class Answer;
struct Board;

/// What a tracing gives: a value, or none and the reason why (English).
template <typename T> struct PathResult {
    std::optional<T> value;
    std::string reason; // empty when there is a value

    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    T& operator*() { return *value; }
    const T* operator->() const { return &*value; }
};

/// A failed tracing with `reason`; converts to a PathResult of any type.
struct PathFailure {
    std::string reason;
    template <typename T> operator PathResult<T>() && { return {std::nullopt, std::move(reason)}; }
};

/// A width x height grid of values, 0 for a cell on no path. Cells are numbered from 0 row by
/// row (cell = (row - 1) * width + column - 1): every tracing here names cells so.
class PathGrid {
  public:
    /// `values` holds width * height values, row by row.
    PathGrid(int width, int height, std::vector<int> values)
        : width_(width), height_(height), values_(std::move(values)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    std::size_t size() const { return std::size_t(width_) * height_; }
    int value(int cell) const { return values_[std::size_t(cell)]; }
    /// Column and row of a cell, from 1.
    int column(int cell) const { return cell % width_ + 1; }
    int row(int cell) const { return cell / width_ + 1; }
    /// The cell at column x, row y (both from 1).
    int cellAt(int x, int y) const { return (y - 1) * width_ + (x - 1); }
    /// "row Y, column X", as the reasons name a cell.
    std::string name(int cell) const;
    /// The neighbours of `cell` on the grid (left, right, up, down); returns how many.
    int neighbours(int cell, std::array<int, 4>& out) const;
    /// How many neighbours hold the value of `cell`.
    int equalNeighbours(int cell) const;

  private:
    int width_;
    int height_;
    std::vector<int> values_;
};

/// Which neighbouring cells of a width x height board are joined by a line. Columns and rows
/// count from 1, as the line blocks of pzprv3 text list them.
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
    /// The neighbours of grid cell `cell` joined to it by a line; returns how many.
    int linked(const PathGrid& grid, int cell, std::array<int, 4>& out) const;

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

/// Push budget of tracing the paths of one answer: a path that runs beside itself lets the
/// tracing choose between neighbours, and a bounded search keeps a writer call short.
inline constexpr long TraceBudget = 4'000'000;

/// A path from `from` to `to` through every cell holding the value of `from` (`cells` of
/// them), in walking order. Depth first, trying the neighbour with the fewest free neighbours
/// first, so that a path with no choices is traced straight; each step spends one of `budget`.
/// Fails when no such path exists or the budget runs out.
PathResult<std::vector<int>> tracePath(const PathGrid& grid, int from, int to, int cells,
                                       long& budget);

/// The cells of one pair (`cells`, its cells in grid order) in walking order when they form
/// one simple path, starting at an end, an end where `clues` holds the pair before any other.
/// Fails for a branch or a block (a cell with three or more neighbours of the pair), a ring or
/// a lone cell (no end), and pieces apart.
PathResult<std::vector<int>> simplePath(const PathGrid& grid, const std::vector<int>& cells,
                                        const std::vector<int>& clues);

/// The answer the lines draw over `clues` (width * height numbers, row by row, 0 = no clue):
/// every clue cell has exactly one line, every other cell none or two, and each path joins
/// two equal clues; each cell holds the clue of its path, 0 off the paths. Anything else
/// fails with its reason, the first in reading order of: a fault of the lines (a branch, a
/// crossing, a dead end, a line through a clue), then a clue of 100 or more (which an answer
/// cannot keep) or without a line, then a path between unequal clues, then a loop.
PathResult<std::vector<int>> answerFromLinks(const std::vector<int>& clues, const CellLinks& links);

/// Lines along the path of every pair of `answer` on `board`: for each number, a path from
/// one of its two clue cells through all cells of that number to the other. Fails when the
/// answer has another size, a clue cell does not hold its own number, a number has not
/// exactly two clue cells, or no such path exists (or none is found within TraceBudget when a
/// path runs beside itself).
PathResult<CellLinks> linksOfAnswer(const Board& board, const Answer& answer);

} // namespace corvane

// Paths from lines (the pzprv3 answer block) and lines from a stored answer's paths.
#include "formats/answer_paths.h"

#include "base/text_scan.h"
#include "model/board.h"

#include <algorithm>
#include <array>
#include <map>

namespace corvane {

namespace {

/// Push budget of the path tracing of one answer: a path that runs beside itself lets the
/// tracing choose between neighbours, and a bounded search keeps a writer call short.
constexpr long TraceBudget = 4'000'000;

/// The cells of a board by 0-based index (row by row), with their four neighbours.
struct Grid {
    int width;
    int height;

    std::size_t size() const { return std::size_t(width) * height; }
    int column(int cell) const { return cell % width + 1; }
    int row(int cell) const { return cell / width + 1; }
    std::string name(int cell) const { return cellName(column(cell), row(cell)); }

    /// The neighbours of `cell` on the board; returns how many.
    int neighbours(int cell, std::array<int, 4>& out) const {
        const int x = column(cell), y = row(cell);
        int n = 0;
        if (x > 1) out[n++] = cell - 1;
        if (x < width) out[n++] = cell + 1;
        if (y > 1) out[n++] = cell - width;
        if (y < height) out[n++] = cell + width;
        return n;
    }
    /// The neighbours of `cell` joined to it by a line; returns how many.
    int linked(const CellLinks& links, int cell, std::array<int, 4>& out) const {
        const int x = column(cell), y = row(cell);
        int n = 0;
        if (x > 1 && links.right(x - 1, y)) out[n++] = cell - 1;
        if (x < width && links.right(x, y)) out[n++] = cell + 1;
        if (y > 1 && links.down(x, y - 1)) out[n++] = cell - width;
        if (y < height && links.down(x, y)) out[n++] = cell + width;
        return n;
    }
};

/// Quick tests that refuse most sets of cells no path covers without a search: the cells
/// holding `v` must be connected, and a path steps between the two colours of a chessboard,
/// so both colours have as many cells, or the ends' colour one more.
bool mayHoldPath(const Grid& grid, const std::vector<int>& value, int v, int from, int to,
                 int cells) {
    const auto colour = [&grid](int cell) { return (grid.column(cell) + grid.row(cell)) & 1; };
    int balance = 0; // cells of the colour of `from` minus the others
    std::vector<std::uint8_t> reached(grid.size(), 0);
    std::vector<int> queue{from};
    reached[std::size_t(from)] = 1;
    for (std::size_t k = 0; k < queue.size(); ++k) {
        const int cell = queue[k];
        balance += colour(cell) == colour(from) ? 1 : -1;
        std::array<int, 4> around{};
        const int n = grid.neighbours(cell, around);
        for (int j = 0; j < n; ++j) {
            const int next = around[std::size_t(j)];
            if (value[std::size_t(next)] == v && !reached[std::size_t(next)]) {
                reached[std::size_t(next)] = 1;
                queue.push_back(next);
            }
        }
    }
    if (static_cast<int>(queue.size()) != cells) return false;
    return colour(from) == colour(to) ? balance == 1 : balance == 0;
}

/// A path from `from` to `to` through every cell whose value is `v` (`cells` of them), or
/// nullopt when there is none or `budget` runs out. Depth first, trying the neighbour with the
/// fewest free neighbours first, so that a path with no choices is traced straight.
std::optional<std::vector<int>> tracePath(const Grid& grid, const std::vector<int>& value, int v,
                                          int from, int to, int cells, long& budget) {
    if (!mayHoldPath(grid, value, v, from, to, cells)) return std::nullopt;
    std::vector<std::uint8_t> used(grid.size(), 0);
    const auto freeNeighbours = [&](int cell) {
        std::array<int, 4> around{};
        const int n = grid.neighbours(cell, around);
        int count = 0;
        for (int k = 0; k < n; ++k)
            if (value[std::size_t(around[k])] == v && !used[std::size_t(around[k])]) ++count;
        return count;
    };
    struct Step {
        int cell;
        std::array<int, 4> next;
        int count;
        int tried;
    };
    std::vector<Step> stack;
    const auto enter = [&](int cell) {
        used[std::size_t(cell)] = 1;
        Step step{cell, {}, 0, 0};
        std::array<int, 4> around{};
        const int n = grid.neighbours(cell, around);
        for (int k = 0; k < n; ++k)
            if (value[std::size_t(around[k])] == v && !used[std::size_t(around[k])])
                step.next[std::size_t(step.count++)] = around[std::size_t(k)];
        std::array<int, 4> rank{};
        for (int k = 0; k < step.count; ++k) rank[std::size_t(k)] = freeNeighbours(step.next[k]);
        // A stable insertion sort of at most four entries by rank.
        for (int i = 1; i < step.count; ++i)
            for (int j = i; j > 0 && rank[std::size_t(j)] < rank[std::size_t(j - 1)]; --j) {
                std::swap(rank[std::size_t(j)], rank[std::size_t(j - 1)]);
                std::swap(step.next[std::size_t(j)], step.next[std::size_t(j - 1)]);
            }
        stack.push_back(step);
    };

    enter(from);
    while (!stack.empty()) {
        Step& top = stack.back();
        const int depth = static_cast<int>(stack.size());
        if (depth == cells && top.cell == to) {
            std::vector<int> path;
            for (const Step& s : stack) path.push_back(s.cell);
            return path;
        }
        if (depth == cells || top.tried == top.count) {
            used[std::size_t(top.cell)] = 0;
            stack.pop_back();
            continue;
        }
        const int next = top.next[std::size_t(top.tried++)];
        if (used[std::size_t(next)] || (next == to && depth + 1 != cells)) continue;
        if (--budget < 0) return std::nullopt;
        enter(next); // `top` is not used after this: the stack may have moved
    }
    return std::nullopt;
}

} // namespace

bool CellLinks::any() const {
    return std::any_of(right_.begin(), right_.end(), [](std::uint8_t l) { return l != 0; }) ||
           std::any_of(down_.begin(), down_.end(), [](std::uint8_t l) { return l != 0; });
}

std::optional<std::vector<int>> answerFromLinks(const std::vector<int>& clues,
                                                const CellLinks& links, std::string& reason) {
    const Grid grid{links.width(), links.height()};
    if (clues.size() != grid.size()) {
        reason = "the lines do not fit the board";
        return std::nullopt;
    }
    // Every fault of a single cell first, so that the paths below only meet ends at clues.
    std::array<int, 4> joined{};
    for (int cell = 0; cell < static_cast<int>(grid.size()); ++cell) {
        const int clue = clues[std::size_t(cell)];
        const int lines = grid.linked(links, cell, joined);
        const std::string where = grid.name(cell);
        if (clue >= Answer::Saturated) {
            reason = "clue " + std::to_string(clue) + " at " + where +
                     ": an answer cannot hold numbers of 100 or more";
            return std::nullopt;
        }
        std::string fault;
        if (clue > 0 && lines == 0)
            fault = "the clue at " + where + " has no line";
        else if (clue > 0 && lines > 1)
            fault = "the clue at " + where + " has more than one line";
        else if (clue == 0 && lines == 1)
            fault = "a line ends at " + where + " without a clue";
        else if (lines == 3)
            fault = "lines branch at " + where;
        else if (lines == 4)
            fault = "lines cross at " + where;
        if (!fault.empty()) {
            reason = fault;
            return std::nullopt;
        }
    }

    std::vector<int> answer(grid.size(), 0);
    std::vector<std::uint8_t> onPath(grid.size(), 0);
    for (int start = 0; start < static_cast<int>(grid.size()); ++start) {
        const int clue = clues[std::size_t(start)];
        if (clue == 0 || onPath[std::size_t(start)]) continue;
        // Every cell has at most two lines and every end is a clue: the walk ends at a clue.
        int previous = -1, current = start;
        for (;;) {
            onPath[std::size_t(current)] = 1;
            answer[std::size_t(current)] = clue;
            if (current != start && clues[std::size_t(current)] != 0) break;
            const int lines = grid.linked(links, current, joined);
            const int next = joined[0] != previous || lines == 1 ? joined[0] : joined[1];
            previous = current;
            current = next;
        }
        if (clues[std::size_t(current)] != clue) {
            reason = "a line joins clue " + std::to_string(clue) + " at " + grid.name(start) +
                     " to clue " + std::to_string(clues[std::size_t(current)]) + " at " +
                     grid.name(current);
            return std::nullopt;
        }
    }
    for (int cell = 0; cell < static_cast<int>(grid.size()); ++cell)
        if (!onPath[std::size_t(cell)] && grid.linked(links, cell, joined) == 2) {
            reason = "a loop of lines runs through " + grid.name(cell);
            return std::nullopt;
        }
    return answer;
}

std::optional<CellLinks> linksOfAnswer(const Board& board, const Answer& answer) {
    if (answer.width() != board.boardWidth || answer.height() != board.boardHeight)
        return std::nullopt;
    const Grid grid{board.boardWidth, board.boardHeight};
    std::vector<int> value(grid.size(), 0);
    std::map<int, std::vector<int>> ends; // number -> its clue cells
    std::map<int, int> cells;             // number -> cells holding it
    for (int cell = 0; cell < static_cast<int>(grid.size()); ++cell) {
        const int x = grid.column(cell), y = grid.row(cell);
        const int v = answer.at(cellIndex(x, y));
        const int clue = board.boardCells[std::size_t(cellIndex(x, y))];
        if (v >= Answer::Saturated || (clue > 0 && clue != v)) return std::nullopt;
        if (clue > 0) ends[v].push_back(cell);
        if (v > 0) ++cells[v];
        value[std::size_t(cell)] = v;
    }
    CellLinks links(grid.width, grid.height);
    long budget = TraceBudget;
    for (const auto& [v, count] : cells) {
        const auto found = ends.find(v);
        if (found == ends.end() || found->second.size() != 2) return std::nullopt;
        const auto path =
            tracePath(grid, value, v, found->second[0], found->second[1], count, budget);
        if (!path) return std::nullopt;
        for (std::size_t k = 1; k < path->size(); ++k) {
            const int a = std::min((*path)[k - 1], (*path)[k]);
            const int b = std::max((*path)[k - 1], (*path)[k]);
            if (b == a + 1)
                links.setRight(grid.column(a), grid.row(a), true);
            else
                links.setDown(grid.column(a), grid.row(a), true);
        }
    }
    return links;
}

} // namespace corvane

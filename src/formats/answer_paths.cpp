// The path tracer: walking and searching the cells of a pair, lines to paths and back.
#include "formats/answer_paths.h"

#include "base/text_scan.h"
#include "model/board.h"

#include <algorithm>
#include <map>

namespace corvane {

namespace {

/// Quick tests that refuse most sets of cells no path covers without a search: the cells
/// holding `v` must be connected, and a path steps between the two colours of a chessboard,
/// so both colours have as many cells, or the ends' colour one more.
bool mayHoldPath(const PathGrid& grid, int v, int from, int to, int cells) {
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
            if (grid.value(next) == v && !reached[std::size_t(next)]) {
                reached[std::size_t(next)] = 1;
                queue.push_back(next);
            }
        }
    }
    if (static_cast<int>(queue.size()) != cells) return false;
    return colour(from) == colour(to) ? balance == 1 : balance == 0;
}

} // namespace

std::string PathGrid::name(int cell) const {
    return cellName(column(cell), row(cell));
}

int PathGrid::neighbours(int cell, std::array<int, 4>& out) const {
    const int x = column(cell), y = row(cell);
    int n = 0;
    if (x > 1) out[std::size_t(n++)] = cell - 1;
    if (x < width_) out[std::size_t(n++)] = cell + 1;
    if (y > 1) out[std::size_t(n++)] = cell - width_;
    if (y < height_) out[std::size_t(n++)] = cell + width_;
    return n;
}

int PathGrid::equalNeighbours(int cell) const {
    std::array<int, 4> around{};
    const int n = neighbours(cell, around);
    int equal = 0;
    for (int k = 0; k < n; ++k) equal += value(around[std::size_t(k)]) == value(cell);
    return equal;
}

bool CellLinks::any() const {
    return std::any_of(right_.begin(), right_.end(), [](std::uint8_t l) { return l != 0; }) ||
           std::any_of(down_.begin(), down_.end(), [](std::uint8_t l) { return l != 0; });
}

int CellLinks::linked(const PathGrid& grid, int cell, std::array<int, 4>& out) const {
    const int x = grid.column(cell), y = grid.row(cell);
    int n = 0;
    if (x > 1 && right(x - 1, y)) out[std::size_t(n++)] = cell - 1;
    if (x < width_ && right(x, y)) out[std::size_t(n++)] = cell + 1;
    if (y > 1 && down(x, y - 1)) out[std::size_t(n++)] = cell - width_;
    if (y < height_ && down(x, y)) out[std::size_t(n++)] = cell + width_;
    return n;
}

PathResult<std::vector<int>> tracePath(const PathGrid& grid, int from, int to, int cells,
                                       long& budget) {
    const int v = grid.value(from);
    const auto noPath = [&] {
        return PathFailure{"no path joins the two ends of " + std::to_string(v) + " at " +
                           grid.name(from) + " and " + grid.name(to) + " through its " +
                           std::to_string(cells) + " cells"};
    };
    if (!mayHoldPath(grid, v, from, to, cells)) return noPath();
    std::vector<std::uint8_t> used(grid.size(), 0);
    const auto freeNeighbours = [&](int cell) {
        std::array<int, 4> around{};
        const int n = grid.neighbours(cell, around);
        int count = 0;
        for (int k = 0; k < n; ++k)
            if (grid.value(around[std::size_t(k)]) == v && !used[std::size_t(around[k])]) ++count;
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
            if (grid.value(around[std::size_t(k)]) == v && !used[std::size_t(around[k])])
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
            return {std::move(path), {}};
        }
        if (depth == cells || top.tried == top.count) {
            used[std::size_t(top.cell)] = 0;
            stack.pop_back();
            continue;
        }
        const int next = top.next[std::size_t(top.tried++)];
        if (used[std::size_t(next)] || (next == to && depth + 1 != cells)) continue;
        if (--budget < 0)
            return PathFailure{"the paths of " + std::to_string(v) + " take too long to trace"};
        enter(next); // `top` is not used after this: the stack may have moved
    }
    return noPath();
}

PathResult<std::vector<int>> simplePath(const PathGrid& grid, const std::vector<int>& cells,
                                        const std::vector<int>& clues) {
    const int pair = grid.value(cells.front());
    std::vector<int> ends;
    for (int cell : cells) {
        const int equal = grid.equalNeighbours(cell);
        if (equal > 2)
            return PathFailure{"the cells of " + std::to_string(pair) + " branch at " +
                               grid.name(cell)};
        if (equal != 1) continue;
        // The first end a clue marks goes first, else the first end.
        if (clues[std::size_t(cell)] == pair &&
            (ends.empty() || clues[std::size_t(ends.front())] != pair))
            ends.insert(ends.begin(), cell);
        else
            ends.push_back(cell);
    }
    if (ends.empty()) return PathFailure{"the cells of " + std::to_string(pair) + " have no end"};
    // Every cell has at most two neighbours of the pair: a path with no choices, traced
    // straight, or pieces apart, which no path covers.
    long budget = TraceBudget;
    return tracePath(grid, ends.front(), ends.back(), static_cast<int>(cells.size()), budget);
}

PathResult<std::vector<int>> answerFromLinks(const std::vector<int>& clues,
                                             const CellLinks& links) {
    const PathGrid grid(links.width(), links.height(), clues);
    if (clues.size() != grid.size()) return PathFailure{"the lines do not fit the board"};
    // Every fault of a single cell first, so that the paths below only meet ends at clues:
    // what is wrong with the lines themselves (work in progress leaves many clues without a
    // line, which says little), then clues without their one line.
    std::array<int, 4> joined{};
    for (int cell = 0; cell < static_cast<int>(grid.size()); ++cell) {
        const int lines = links.linked(grid, cell, joined);
        if (lines == 3) return PathFailure{"lines branch at " + grid.name(cell)};
        if (lines == 4) return PathFailure{"lines cross at " + grid.name(cell)};
        if (grid.value(cell) == 0 && lines == 1)
            return PathFailure{"a line ends at " + grid.name(cell) + " without a clue"};
        if (grid.value(cell) > 0 && lines == 2)
            return PathFailure{"a line runs through the clue at " + grid.name(cell)};
    }
    for (int cell = 0; cell < static_cast<int>(grid.size()); ++cell) {
        const int clue = grid.value(cell);
        if (clue >= Answer::Saturated)
            return PathFailure{"clue " + std::to_string(clue) + " at " + grid.name(cell) +
                               ": an answer cannot hold numbers of 100 or more"};
        if (clue > 0 && links.linked(grid, cell, joined) == 0)
            return PathFailure{"the clue at " + grid.name(cell) + " has no line"};
    }

    std::vector<int> answer(grid.size(), 0);
    std::vector<std::uint8_t> onPath(grid.size(), 0);
    for (int start = 0; start < static_cast<int>(grid.size()); ++start) {
        const int clue = grid.value(start);
        if (clue == 0 || onPath[std::size_t(start)]) continue;
        // Every cell has at most two lines and every end is a clue: the walk ends at a clue.
        int previous = -1, current = start;
        for (;;) {
            onPath[std::size_t(current)] = 1;
            answer[std::size_t(current)] = clue;
            if (current != start && grid.value(current) != 0) break;
            const int lines = links.linked(grid, current, joined);
            const int next = joined[0] != previous || lines == 1 ? joined[0] : joined[1];
            previous = current;
            current = next;
        }
        if (grid.value(current) != clue)
            return PathFailure{"a line joins clue " + std::to_string(clue) + " at " +
                               grid.name(start) + " to clue " +
                               std::to_string(grid.value(current)) + " at " + grid.name(current)};
    }
    for (int cell = 0; cell < static_cast<int>(grid.size()); ++cell)
        if (!onPath[std::size_t(cell)] && links.linked(grid, cell, joined) == 2)
            return PathFailure{"a loop of lines runs through " + grid.name(cell)};
    return {std::move(answer), {}};
}

PathResult<CellLinks> linksOfAnswer(const Board& board, const Answer& answer) {
    if (answer.width() != board.boardWidth || answer.height() != board.boardHeight)
        return PathFailure{"the answer is " + std::to_string(answer.width()) + " x " +
                           std::to_string(answer.height()) + ", the board " +
                           std::to_string(board.boardWidth) + " x " +
                           std::to_string(board.boardHeight)};
    const int width = board.boardWidth, height = board.boardHeight;
    std::vector<int> values(std::size_t(width) * height, 0);
    std::map<int, std::vector<int>> ends; // number -> its clue cells
    std::map<int, int> cells;             // number -> cells holding it
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) {
            const int cell = (y - 1) * width + (x - 1);
            const int v = answer.at(cellIndex(x, y));
            const int clue = board.boardCells[std::size_t(cellIndex(x, y))];
            if (v >= Answer::Saturated)
                return PathFailure{"the answer holds 100 or more at " + cellName(x, y)};
            if (clue > 0 && clue != v)
                return PathFailure{"the clue " + std::to_string(clue) + " at " + cellName(x, y) +
                                   " is on the path of " + std::to_string(v)};
            if (clue > 0) ends[v].push_back(cell);
            if (v > 0) ++cells[v];
            values[std::size_t(cell)] = v;
        }
    const PathGrid grid(width, height, std::move(values));
    CellLinks links(width, height);
    long budget = TraceBudget;
    for (const auto& [v, count] : cells) {
        const auto found = ends.find(v);
        if (found == ends.end() || found->second.size() != 2)
            return PathFailure{"the number " + std::to_string(v) + " has not two clues"};
        const auto path = tracePath(grid, found->second[0], found->second[1], count, budget);
        if (!path) return PathFailure{path.reason};
        for (std::size_t k = 1; k < path->size(); ++k) {
            const int a = std::min((*path)[k - 1], (*path)[k]);
            const int b = std::max((*path)[k - 1], (*path)[k]);
            // Cells of one row are neighbours across; on a board one column wide, b = a + 1
            // is the cell below.
            if (grid.row(a) == grid.row(b))
                links.setRight(grid.column(a), grid.row(a), true);
            else
                links.setDown(grid.column(a), grid.row(a), true);
        }
    }
    return {std::move(links), {}};
}

} // namespace corvane

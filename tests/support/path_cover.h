// Random every-cell puzzles for tests and benchmarks: a board covered by random paths, each
// pair's clues at the two ends of its path.
#pragma once

#include "model/board.h"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace corvane::testing {

/// A random cover of a width x height board by paths of two or more cells that never touch
/// themselves (two cells of one path that are neighbours follow each other on it), numbered
/// 1, 2, ... in random order. It starts from single cells and repeats random moves at path
/// ends (join two paths, take over the end cell of a neighbouring path, or the part of it
/// from the cell touched to one of its ends) until at most `pairs` paths are left or the
/// moves run out. Nothing when a lone cell is left (try again
/// with the same generator).
inline std::optional<Answer> randomPathCover(int width, int height, std::mt19937& random,
                                             int pairs) {
    const int cells = width * height;
    std::vector<std::deque<int>> paths(static_cast<std::size_t>(cells)); // cells 0 ..
    std::vector<int> id(static_cast<std::size_t>(cells));
    for (int c = 0; c < cells; ++c) {
        paths[static_cast<std::size_t>(c)] = {c};
        id[static_cast<std::size_t>(c)] = c;
    }
    const auto path = [&](int c) -> std::deque<int>& {
        return paths[static_cast<std::size_t>(id[static_cast<std::size_t>(c)])];
    };
    const auto neighbours = [width, height](int c) {
        std::array<int, 4> n{-1, -1, -1, -1};
        const int x = c % width, y = c / width;
        if (y > 0) n[0] = c - width;
        if (x + 1 < width) n[1] = c + 1;
        if (y + 1 < height) n[2] = c + width;
        if (x > 0) n[3] = c - 1;
        return n;
    };
    const auto isEnd = [&](int c) { return path(c).front() == c || path(c).back() == c; };
    // True when no cell of `from` other than a touches a cell of path `other` other than b.
    const auto apart = [&](const std::deque<int>& from, int a, int other, int b) {
        for (int c : from)
            for (int n : neighbours(c))
                if (n >= 0 && id[static_cast<std::size_t>(n)] == other && !(c == a && n == b))
                    return false;
        return true;
    };
    int count = cells;
    std::uniform_int_distribution<int> anyCell(0, cells - 1);
    for (long move = 0; count > pairs && move < 2000L * cells; ++move) {
        const int a = anyCell(random);
        if (!isEnd(a)) continue;
        const int b = neighbours(a)[random() % 4];
        if (b < 0 || id[static_cast<std::size_t>(b)] == id[static_cast<std::size_t>(a)]) continue;
        if (!isEnd(b)) {
            // a's path takes over b's path from b to one of its ends, when that part touches
            // a's path nowhere else and at least two cells stay behind.
            std::deque<int>& pa = path(a);
            std::deque<int>& pq = path(b);
            if (pa.back() != a) std::reverse(pa.begin(), pa.end());
            if (random() % 2) std::reverse(pq.begin(), pq.end());
            const auto k = std::size_t(std::find(pq.begin(), pq.end(), b) - pq.begin());
            const int own = id[static_cast<std::size_t>(a)];
            const std::deque<int> tail(pq.begin() + std::ptrdiff_t(k), pq.end());
            if (k < 2 || !apart(tail, b, own, a)) continue;
            for (int c : tail) {
                id[static_cast<std::size_t>(c)] = own;
                pa.push_back(c);
            }
            pq.resize(k);
            continue;
        }
        std::deque<int>& pa = path(a);
        std::deque<int>& pb = path(b);
        const int other = id[static_cast<std::size_t>(b)];
        if (pa.back() != a) std::reverse(pa.begin(), pa.end());
        if (pb.front() != b) std::reverse(pb.begin(), pb.end());
        const bool smallerA = pa.size() <= pb.size();
        if (smallerA ? apart(pa, a, other, b) : apart(pb, b, id[static_cast<std::size_t>(a)], a)) {
            for (int c : pb) id[static_cast<std::size_t>(c)] = id[static_cast<std::size_t>(a)];
            pa.insert(pa.end(), pb.begin(), pb.end());
            pb.clear();
            --count;
            continue;
        }
        // b moves over to a's path when it touches nothing else of it and leaves two cells.
        if (pb.size() < 3) continue;
        bool free = true;
        for (int n : neighbours(b))
            free = free && (n < 0 || n == a ||
                            id[static_cast<std::size_t>(n)] != id[static_cast<std::size_t>(a)]);
        if (!free) continue;
        pb.pop_front();
        pa.push_back(b);
        id[static_cast<std::size_t>(b)] = id[static_cast<std::size_t>(a)];
    }
    for (int c = 0; c < cells; ++c)
        if (path(c).size() < 2) return std::nullopt;
    std::vector<int> numbers;
    for (int c = 0; c < cells; ++c)
        if (!paths[static_cast<std::size_t>(c)].empty()) numbers.push_back(c);
    std::shuffle(numbers.begin(), numbers.end(), random);
    std::vector<int> numberOf(static_cast<std::size_t>(cells));
    for (std::size_t k = 0; k < numbers.size(); ++k)
        numberOf[static_cast<std::size_t>(numbers[k])] = static_cast<int>(k) + 1;
    Answer answer(width, height);
    for (int c = 0; c < cells; ++c)
        answer.set(cellIndex(c % width + 1, c / width + 1),
                   numberOf[static_cast<std::size_t>(id[static_cast<std::size_t>(c)])]);
    return answer;
}

/// The puzzle of an answer: a clue at both ends of every path (the cells with exactly one
/// neighbour of their own pair).
inline Board coverPuzzle(const Answer& answer) {
    Board board;
    board.boardWidth = answer.width();
    board.boardHeight = answer.height();
    board.boardLastRowOffset = board.boardHeight * RowStride;
    board.boardCells.fill(OutsideCell);
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int c = cellIndex(x, y), v = answer.at(c);
            int same = 0;
            for (int d : {-RowStride, 1, RowStride, -1}) same += answer.at(c + d) == v;
            board.boardCells[c] = v > 0 && same <= 1 ? v : 0;
        }
    return board;
}

} // namespace corvane::testing

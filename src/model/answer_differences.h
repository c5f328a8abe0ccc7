// Where answers part: the cells whose value is not the same in every answer, and the cells
// where one answer differs from another.
#pragma once

#include "model/board.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane {

/// One flag per board cell, row by row like the values of an Answer.
struct CellMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> flags; // width x height entries, 1 = set

    CellMask() = default;
    /// A mask of the given size with no cell set.
    CellMask(int w, int h) : width(w), height(h), flags(std::size_t(w) * std::size_t(h)) {}
    /// True when the cell (a 128-stride index) lies on the mask and is set.
    bool test(int cell) const {
        const int x = cellColumn(cell), y = cellRow(cell);
        if (cell < 0 || cell >= CellCount || x < 1 || x > width || y < 1 || y > height)
            return false;
        return flags[std::size_t(y - 1) * std::size_t(width) + std::size_t(x - 1)] != 0;
    }
    /// Number of cells set.
    std::size_t count() const;
};

/// The cells where `answer` holds another value than `reference`, on the reference's size
/// (every cell when the two are of different sizes).
CellMask answerDifference(const Answer& reference, const Answer& answer);

/// The varying cells of a list of answers: the cells whose value (pair number, or 0 for a
/// cell on no path) is not the same in every answer. Answers are taken one at a time and not
/// kept, so it can follow a search that stores none; two accumulators of one board merge into
/// the set of all their answers, so separate workers may each keep their own.
class VaryingCells {
  public:
    /// Takes one more answer into account: one pass over its cells.
    void add(const Answer& answer);
    /// Takes every answer `other` has seen into account, as though they had been added here.
    void merge(const VaryingCells& other);
    /// Forgets every answer.
    void clear() { *this = VaryingCells(); }

    /// Number of answers taken into account.
    std::uint64_t answerCount() const { return answers_; }
    /// The varying cells, on the size of the first answer; none with fewer than two answers.
    const CellMask& cells() const { return varying_; }
    /// Number of varying cells.
    std::size_t count() const { return varying_.count(); }
    /// The first answer taken into account, which every later one is compared with.
    const Answer& reference() const { return reference_; }

  private:
    Answer reference_;
    CellMask varying_;
    std::uint64_t answers_ = 0;
};

} // namespace corvane

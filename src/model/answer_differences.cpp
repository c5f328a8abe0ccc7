// The varying cells of a list of answers and the difference of two answers.
#include "model/answer_differences.h"

#include <algorithm>

namespace corvane {

namespace {

/// True when two answers cover the same board, so their values line up byte for byte.
bool sameSize(const Answer& a, const Answer& b) {
    return a.width() == b.width() && a.height() == b.height();
}

/// Sets in `mask` (of the reference's size) every cell where `answer` differs from
/// `reference`, byte for byte in one pass the compiler vectorises. Answers of different
/// boards have no cells in common: every cell counts as different.
void markDifferences(CellMask& mask, const Answer& reference, const Answer& answer) {
    if (!sameSize(reference, answer)) {
        std::fill(mask.flags.begin(), mask.flags.end(), std::uint8_t{1});
        return;
    }
    const std::uint8_t* r = reference.bytes().data();
    const std::uint8_t* a = answer.bytes().data();
    std::uint8_t* m = mask.flags.data();
    const std::size_t n = mask.flags.size();
    for (std::size_t i = 0; i < n; ++i) m[i] |= static_cast<std::uint8_t>(r[i] != a[i]);
}

} // namespace

std::size_t CellMask::count() const {
    return static_cast<std::size_t>(std::count(flags.begin(), flags.end(), std::uint8_t{1}));
}

CellMask answerDifference(const Answer& reference, const Answer& answer) {
    CellMask mask(reference.width(), reference.height());
    markDifferences(mask, reference, answer);
    return mask;
}

void VaryingCells::add(const Answer& answer) {
    if (answers_++ == 0) {
        reference_ = answer;
        varying_ = CellMask(answer.width(), answer.height());
        return;
    }
    markDifferences(varying_, reference_, answer);
}

void VaryingCells::merge(const VaryingCells& other) {
    if (other.answers_ == 0) return;
    if (answers_ == 0) {
        *this = other;
        return;
    }
    // A cell is fixed over both lists when it is fixed in each and their references agree.
    // References of different boards have already made every cell vary.
    markDifferences(varying_, reference_, other.reference_);
    if (sameSize(reference_, other.reference_))
        for (std::size_t i = 0; i < varying_.flags.size(); ++i)
            varying_.flags[i] |= other.varying_.flags[i];
    answers_ += other.answers_;
}

} // namespace corvane

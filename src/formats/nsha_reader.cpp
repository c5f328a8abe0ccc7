// Parser of the digit grid format: one line per row, "," or "." introduces a two-digit cell.
#include "formats/parsed_puzzle.h"
#include "model/cell_grid.h"

#include <algorithm>
#include <cstdint>

namespace corvane {

namespace {

constexpr int LargestPairNumber = 99;

/// The numbers of one row; nullopt for a number outside 0..99, a "," or "." without two
/// characters after it, or more than 100 cells.
std::optional<std::vector<int>> parseNshaRow(std::u32string_view line) {
    std::vector<int> row;
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (row.size() == MaxBoardSide) return std::nullopt;
        // Computed on the character codes, as wide as they come; an int64 holds any result.
        std::int64_t value;
        if (line[pos] == U',' || line[pos] == U'.') {
            if (line.size() - pos < 3) return std::nullopt;
            value =
                10 * (std::int64_t(line[pos + 1]) - U'0') + (std::int64_t(line[pos + 2]) - U'0');
            pos += 3;
        } else {
            value = std::int64_t(line[pos]) - U'0';
            pos += 1;
        }
        if (value < 0 || value > LargestPairNumber) return std::nullopt;
        row.push_back(static_cast<int>(value));
    }
    return row;
}

} // namespace

std::optional<ParsedPuzzle> parseNshaLines(const std::vector<std::u32string>& lines) {
    if (lines.empty() || lines.size() > MaxBoardSide) return std::nullopt;
    std::vector<std::vector<int>> rows;
    std::size_t width = 0;
    for (const auto& line : lines) {
        auto row = parseNshaRow(line);
        if (!row) return std::nullopt;
        width = std::max(width, row->size());
        rows.push_back(std::move(*row));
    }
    if (width == 0) return std::nullopt;

    ParsedPuzzle puzzle;
    puzzle.width = static_cast<int>(width);
    puzzle.height = static_cast<int>(rows.size());
    puzzle.holdsAnswer = true;
    puzzle.cells.assign(width * rows.size(), 0); // cells missing at a row's end stay 0
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) puzzle.cells[y * width + x] = rows[y][x];
    return puzzle;
}

} // namespace corvane

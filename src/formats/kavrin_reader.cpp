// Parser of the one-line clue format: header "w"/"h" tokens, body "n"/"s" tokens.
#include "formats/parsed_puzzle.h"
#include "formats/puzzle_lines.h"
#include "model/cell_grid.h"

#include <cstdint>

namespace corvane {

namespace {

char32_t lower(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

} // namespace

std::optional<ParsedPuzzle> parseKavrinLines(const std::vector<std::u32string>& lines) {
    if (lines.empty()) return std::nullopt;
    const std::u32string_view line = lines.front();

    // Header: any order, repeats allowed, the last value wins.
    int width = 0, height = 0;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const char32_t letter = lower(line[pos]);
        if (letter != U'w' && letter != U'h') break;
        ++pos;
        const int value = readDigits(line, pos);
        (letter == U'w' ? width : height) = value;
    }
    if (width <= 0 || width > MaxBoardSide || height < 1 || height > MaxBoardSide)
        return std::nullopt;

    ParsedPuzzle puzzle;
    puzzle.width = width;
    puzzle.height = height;
    puzzle.cells.assign(std::size_t(width) * height, 0);

    // Body: the current cell walks row by row; a token that would leave the board ends the
    // reading, so nothing beyond the last cell is ever written.
    const std::int64_t cellCount = std::int64_t(width) * height;
    std::int64_t current = 0;
    while (pos < line.size() && current < cellCount) {
        const char32_t letter = lower(line[pos]);
        if (letter != U'n' && letter != U's') break;
        ++pos;
        const int value = readDigits(line, pos);
        if (letter == U'n') {
            puzzle.cells[std::size_t(current)] = value;
            ++current;
        } else {
            current += value == 0 ? 1 : value;
        }
    }
    return puzzle;
}

} // namespace corvane

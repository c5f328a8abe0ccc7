// Parser of the character grid format: table, separator and info lines, then the grid.
#include "model/cell_alphabet.h"
#include "model/cell_grid.h"
#include "model/parsed_puzzle.h"
#include "model/puzzle_lines.h"
#include "model/utf8_text.h"

namespace corvane {

namespace {

bool isSeparator(std::u32string_view line) {
    return !line.empty() && line.find_first_not_of(U'-') == std::u32string_view::npos;
}

bool startsWithTable(std::u32string_view line) {
    return line.substr(0, 5) == U"TABLE";
}

/// Position of `c` in the table (the first one counts), or -1.
int tablePosition(std::u32string_view table, char32_t c) {
    const std::size_t at = table.find(c);
    return at == std::u32string_view::npos ? -1 : static_cast<int>(at);
}

bool allInTable(std::u32string_view table, std::u32string_view line) {
    for (char32_t c : line)
        if (tablePosition(table, c) < 0) return false;
    return true;
}

} // namespace

std::optional<ParsedPuzzle> parseNshaCLines(const std::vector<std::u32string>& lines) {
    ParsedPuzzle puzzle;
    puzzle.holdsAnswer = true;
    std::u32string table = utf8ToCodePoints(CellAlphabet);

    // Lines before the grid.
    std::size_t first = 0;
    for (; first < lines.size(); ++first) {
        const std::u32string_view line = lines[first];
        if (isSeparator(line)) continue;
        if (startsWithTable(line)) {
            table = trimPuzzleBlanks(line.substr(5));
            if (table.empty()) return std::nullopt;
            continue;
        }
        if (tablePosition(table, line.front()) >= 0) break;
        if (line.front() == U':') {
            const std::size_t second = line.find(U':', 1);
            if (second != std::u32string_view::npos) {
                puzzle.infoField1 = codePointsToUtf8(line.substr(1, second - 1));
                puzzle.infoField2 = codePointsToUtf8(line.substr(second + 1));
            }
        }
        // Anything else (the size line among them) is skipped.
    }
    if (first == lines.size()) return std::nullopt;

    // The grid: the first line fixes the width. A following line ends the grid when it is a
    // separator or holds a character outside the table (whatever its length); a line wholly
    // of table characters must have the same length.
    const std::size_t width = lines[first].size();
    if (width > MaxBoardSide) return std::nullopt;
    std::size_t end = first + 1;
    for (; end < lines.size(); ++end) {
        const std::u32string_view line = lines[end];
        if (isSeparator(line) || !allInTable(table, line)) break;
        if (line.size() != width) return std::nullopt;
        if (end - first + 1 > MaxBoardSide) return std::nullopt;
    }

    puzzle.width = static_cast<int>(width);
    puzzle.height = static_cast<int>(end - first);
    puzzle.cells.reserve(width * (end - first));
    for (std::size_t y = first; y < end; ++y)
        for (char32_t c : lines[y]) puzzle.cells.push_back(std::max(0, tablePosition(table, c)));
    return puzzle;
}

} // namespace corvane

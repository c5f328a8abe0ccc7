// Parser of the character grid format: table, separator and info lines, then the grid.
#include "base/utf8_text.h"
#include "formats/cell_alphabet.h"
#include "formats/parsed_puzzle.h"
#include "formats/puzzle_lines.h"
#include "model/cell_grid.h"

#include <algorithm>
#include <unordered_map>

namespace corvane {

namespace {

bool isSeparator(std::u32string_view line) {
    return !line.empty() && line.find_first_not_of(U'-') == std::u32string_view::npos;
}

bool startsWithTable(std::u32string_view line) {
    return line.substr(0, 5) == U"TABLE";
}

/// A character table with constant-time look-up, however long the table line was.
class CharacterTable {
  public:
    explicit CharacterTable(std::u32string_view characters) {
        for (std::size_t k = 0; k < characters.size(); ++k)
            positions_.emplace(characters[k], static_cast<int>(k)); // the first position counts
    }
    /// Position of `c` in the table, or -1.
    int position(char32_t c) const {
        const auto it = positions_.find(c);
        return it == positions_.end() ? -1 : it->second;
    }

  private:
    std::unordered_map<char32_t, int> positions_;
};

/// True for a line after the first grid row that ends the grid: an info line (":") or a
/// comment line ("0"), unless that first character is one of the table's own, as a custom
/// table may make it.
bool endsGrid(std::u32string_view line, const CharacterTable& table) {
    if (line.empty()) return true;
    const char32_t c = line.front();
    return (c == U':' || c == U'0') && table.position(c) < 0;
}

} // namespace

std::optional<ParsedPuzzle> parseNshaCLines(const std::vector<std::u32string>& lines) {
    ParsedPuzzle puzzle;
    puzzle.holdsAnswer = true;
    CharacterTable table(utf8ToCodePoints(CellAlphabet));

    // Lines before the grid.
    std::size_t first = 0;
    for (; first < lines.size(); ++first) {
        const std::u32string_view line = lines[first];
        if (isSeparator(line)) continue;
        if (startsWithTable(line)) {
            const std::u32string_view characters = trimPuzzleBlanks(line.substr(5));
            if (characters.empty()) return std::nullopt;
            table = CharacterTable(characters);
            continue;
        }
        if (table.position(line.front()) >= 0) break;
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
    // separator, an info line or a comment line; any other line is a grid row and must have
    // the same length, so a mistyped row fails the read instead of cutting the board short.
    const std::size_t width = lines[first].size();
    if (width > MaxBoardSide) return std::nullopt;
    std::size_t end = first + 1;
    for (; end < lines.size(); ++end) {
        const std::u32string_view line = lines[end];
        if (isSeparator(line) || endsGrid(line, table)) break;
        if (line.size() != width) return std::nullopt;
        if (end - first + 1 > MaxBoardSide) return std::nullopt;
    }

    puzzle.width = static_cast<int>(width);
    puzzle.height = static_cast<int>(end - first);
    puzzle.cells.reserve(width * (end - first));
    // A character outside the table, in any row, is a cell on no path.
    for (std::size_t y = first; y < end; ++y)
        for (char32_t c : lines[y]) puzzle.cells.push_back(std::max(0, table.position(c)));
    return puzzle;
}

} // namespace corvane

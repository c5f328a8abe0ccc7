// Line collection, digit runs and automatic format recognition for the puzzle readers.
#include "formats/puzzle_lines.h"

#include "base/utf8_text.h"
#include "model/board.h"

#include <climits>

namespace corvane {

namespace {

bool isPuzzleBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n';
}

bool isGridDigitCharacter(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'.' || c == U',';
}

} // namespace

std::u32string_view trimPuzzleBlanks(std::u32string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isPuzzleBlank(text[begin])) ++begin;
    while (end > begin && isPuzzleBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::vector<std::u32string> collectPuzzleLines(std::string_view utf8Text) {
    std::vector<std::u32string> lines;
    std::size_t start = 0;
    while (start < utf8Text.size()) {
        std::size_t end = utf8Text.find('\n', start);
        if (end == std::string_view::npos) end = utf8Text.size();
        const std::u32string line = utf8ToCodePoints(utf8Text.substr(start, end - start));
        const std::u32string_view trimmed = trimPuzzleBlanks(line);
        if (trimmed.empty()) break;
        lines.emplace_back(trimmed);
        start = end + 1;
    }
    return lines;
}

int readDigits(std::u32string_view line, std::size_t& pos) {
    int value = 0;
    for (; pos < line.size() && line[pos] >= U'0' && line[pos] <= U'9'; ++pos) {
        const int digit = static_cast<int>(line[pos] - U'0');
        value = value > (INT_MAX - digit) / 10 ? INT_MAX : value * 10 + digit;
    }
    return value;
}

int resolvePuzzleFormat(int requestedFormat, const std::vector<std::u32string>& lines) {
    if (requestedFormat != FormatAuto) return requestedFormat;
    if (lines.size() <= 1) return FormatKavrin;
    for (const auto& line : lines)
        for (char32_t c : line)
            if (!isGridDigitCharacter(c)) return FormatNshaC;
    return FormatNsha;
}

} // namespace corvane

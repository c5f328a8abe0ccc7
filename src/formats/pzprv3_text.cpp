// Reading and writing pzprv3 text of the puzzle.
#include "formats/pzprv3_text.h"

#include "base/text_scan.h"
#include "formats/answer_paths.h"
#include "model/board.h"

#include <vector>

namespace corvane {

namespace {

constexpr int LongestClueDigits = 9; // below 10^9: every value fits an int

/// The lines of a text one after the other, split at LF; each is trimmed of blanks.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : rest_(text) {}

    /// The next line, or nullopt after the last.
    std::optional<std::string_view> next() {
        // A text that ends with a line end has no empty line after it.
        if (done_ || rest_.empty()) return std::nullopt;
        const std::size_t lf = rest_.find('\n');
        const std::string_view line = rest_.substr(0, lf);
        if (lf == std::string_view::npos)
            done_ = true;
        else
            rest_.remove_prefix(lf + 1);
        return trimBlanks(line);
    }
    /// The next line that is not blank, or nullopt.
    std::optional<std::string_view> nextNonBlank() {
        for (auto line = next(); line; line = next())
            if (!line->empty()) return line;
        return std::nullopt;
    }
    /// True when a non-blank line follows before a trailing block or the end.
    bool moreBeforeTrailer() const {
        LineCursor ahead = *this;
        for (auto line = ahead.next(); line; line = ahead.next()) {
            if (startsWith(*line, "info:") || startsWith(*line, "history:") ||
                startsWith(*line, "TrialData") || startsWith(*line, "__HISTORY__"))
                return false;
            if (!line->empty()) return true;
        }
        return false;
    }

  private:
    std::string_view rest_;
    bool done_ = false; // the last line had no line end
};

std::vector<std::string_view> tokensOf(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        tokens.push_back(line.substr(start, end - start));
        pos = end;
    }
    return tokens;
}

/// The two line blocks of a width x height board: `height` lines of the lines between
/// (x, y) and (x + 1, y), then `height - 1` lines of those between (x, y) and (x, y + 1).
PathResult<CellLinks> readLineBlocks(LineCursor& lines, int width, int height) {
    CellLinks links(width, height);
    for (const bool across : {true, false}) {
        const int rows = across ? height : height - 1, count = across ? width - 1 : width;
        const std::string what = across ? "horizontal" : "vertical";
        for (int y = 1; y <= rows; ++y) {
            const auto line = lines.next();
            if (!line)
                return PathFailure{"the " + what + " lines end after " + std::to_string(y - 1)};
            const auto tokens = tokensOf(*line);
            if (tokens.size() != std::size_t(count))
                return PathFailure{what + " line " + std::to_string(y) + " holds " +
                                   std::to_string(tokens.size()) + " entries, not " +
                                   std::to_string(count)};
            for (int x = 1; x <= count; ++x) {
                const std::string_view t = tokens[std::size_t(x - 1)];
                if (t != "0" && t != "1" && t != "-1")
                    return PathFailure{"unreadable line entry \"" + std::string(t) + "\" at " +
                                       cellName(x, y)};
                if (across)
                    links.setRight(x, y, t == "1");
                else
                    links.setDown(x, y, t == "1");
            }
        }
    }
    return {std::move(links), {}};
}

} // namespace

bool looksLikePzprv3(std::string_view text) {
    LineCursor lines(text);
    auto first = lines.nextNonBlank();
    if (first && startsWith(*first, "v:")) first = lines.nextNonBlank();
    return first && startsWith(*first, "pzprv3");
}

ParseOutcome parsePzprv3Text(std::string_view text) {
    LineCursor lines(text);
    auto header = lines.nextNonBlank();
    if (header && startsWith(*header, "v:")) header = lines.nextNonBlank();
    if (!header || (*header != "pzprv3" && !(startsWith(*header, "pzprv3.") &&
                                             shortDecimal(header->substr(7), LongestClueDigits))))
        return parseFailure("no pzprv3 header");
    const auto type = lines.next();
    if (!type || (*type != "numlin" && *type != "numberlink"))
        return parseFailure("not a numlin puzzle (\"" + std::string(type.value_or("")) + "\")");
    const auto rowsLine = lines.next(), colsLine = lines.next();
    const auto rows = shortDecimal(rowsLine.value_or(""), 3),
               cols = shortDecimal(colsLine.value_or(""), 3);
    if (!rows || !cols || *rows < 1 || *cols < 1 || *rows > MaxBoardSide || *cols > MaxBoardSide)
        return parseFailure("the board size " + std::string(colsLine.value_or("?")) + " x " +
                            std::string(rowsLine.value_or("?")) + " is not 1..100 by 1..100");

    ParsedPuzzle puzzle;
    puzzle.width = *cols;
    puzzle.height = *rows;
    std::vector<int> clues(std::size_t(puzzle.width) * puzzle.height, 0);
    const auto cluesAlone = [&puzzle, &clues] {
        puzzle.cells = std::move(clues);
        return ParseOutcome{std::move(puzzle), {}, {}};
    };
    // Sizes without rows are an empty board, as puzz.link opens them.
    if (!lines.moreBeforeTrailer()) return cluesAlone();
    for (int y = 1; y <= puzzle.height; ++y) {
        const auto line = lines.next();
        if (!line) return parseFailure("the cell rows end after " + std::to_string(y - 1));
        const auto tokens = tokensOf(*line);
        if (tokens.size() != std::size_t(puzzle.width))
            return parseFailure("cell row " + std::to_string(y) + " holds " +
                                std::to_string(tokens.size()) + " cells, not " +
                                std::to_string(puzzle.width));
        for (int x = 1; x <= puzzle.width; ++x) {
            const std::string_view t = tokens[std::size_t(x - 1)];
            if (t == ".") continue;
            if (t == "-") return parseFailure("unknown clue (\"?\") at " + cellName(x, y));
            const auto value = shortDecimal(t, LongestClueDigits);
            if (!value)
                return parseFailure("unreadable cell \"" + std::string(t) + "\" at " +
                                    cellName(x, y));
            if (*value == 0) return parseFailure("clue 0 at " + cellName(x, y));
            clues[std::size_t(y - 1) * puzzle.width + std::size_t(x - 1)] = *value;
        }
    }

    CellLinks links(puzzle.width, puzzle.height);
    if (lines.moreBeforeTrailer()) {
        auto read = readLineBlocks(lines, puzzle.width, puzzle.height);
        if (!read) return parseFailure(read.reason);
        links = std::move(*read);
    }
    if (!links.any()) return cluesAlone();
    auto answer = answerFromLinks(clues, links);
    if (!answer) {
        // Lines saved while solving, or a faulty answer: the clues still make the puzzle.
        puzzle.droppedAnswer = "the lines are not paths between equal clues: " + answer.reason;
        return cluesAlone();
    }
    puzzle.holdsAnswer = true;
    puzzle.cells = std::move(*answer);
    puzzle.givenClues = std::move(clues);
    return {std::move(puzzle), {}, {}};
}

std::optional<std::string> pzprv3Text(const Board& board, const Answer* answer,
                                      std::string_view lineEnd) {
    const int width = board.boardWidth, height = board.boardHeight;
    CellLinks links(width, height);
    if (answer) {
        auto drawn = linksOfAnswer(board, *answer);
        if (!drawn) return std::nullopt;
        links = std::move(*drawn);
    }
    const std::string end(lineEnd);
    std::string text = "pzprv3" + end + "numlin" + end + std::to_string(height) + end +
                       std::to_string(width) + end;
    for (int y = 1; y <= height; ++y) {
        for (int x = 1; x <= width; ++x) {
            const int v = board.boardCells[std::size_t(cellIndex(x, y))];
            text += v > 0 ? std::to_string(v) + " " : ". ";
        }
        text += end;
    }
    for (int y = 1; y <= height; ++y) {
        for (int x = 1; x < width; ++x) text += links.right(x, y) ? "1 " : "0 ";
        text += end;
    }
    for (int y = 1; y < height; ++y) {
        for (int x = 1; x <= width; ++x) text += links.down(x, y) ? "1 " : "0 ";
        text += end;
    }
    return text;
}

} // namespace corvane

// What a format parser makes of a file, before anything of the board changes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

/// A puzzle read from text: its size and one number per cell, row by row from the top.
/// For the clue formats the numbers are clues; for the grid formats they are an answer
/// (the pair whose path covers the cell) from which the clues are derived, unless the text
/// gave the clues beside the answer (givenClues).
struct ParsedPuzzle {
    int width = 0;
    int height = 0;
    std::vector<int> cells;      // width * height numbers
    bool holdsAnswer = false;    // the grid formats, and pzprv3 text with an answer
    std::vector<int> givenClues; // with an answer: the clues as written; empty: endpoint rule
    std::string infoField1;      // UTF-8; only the grid format with a table sets them
    std::string infoField2;
    std::string droppedAnswer; // lines that form no answer were left out: why (English)

    /// Number at column x, row y (both from 1).
    int at(int x, int y) const { return cells[std::size_t(y - 1) * width + (x - 1)]; }
};

/// A parse that says why it failed: a puzzle, or an empty one and the reason (English).
struct ParseOutcome {
    std::optional<ParsedPuzzle> puzzle;
    std::string reason;
    std::string warning; // with a puzzle: what was read otherwise than written (English)
};

/// A failed parse with `reason`.
inline ParseOutcome parseFailure(std::string reason) {
    return {std::nullopt, std::move(reason), {}};
}

/// Parsers of the three formats over collected lines; nullopt when the text is malformed or
/// the size is not 1..100 in both directions.
std::optional<ParsedPuzzle> parseKavrinLines(const std::vector<std::u32string>& lines);
std::optional<ParsedPuzzle> parseNshaLines(const std::vector<std::u32string>& lines);
std::optional<ParsedPuzzle> parseNshaCLines(const std::vector<std::u32string>& lines);

/// The clue grid an answer gives: a cell with a value v other than 0 is a clue v when at most
/// one of its four neighbours on the board holds v too (the two ends of every path).
std::vector<int> endpointClues(const ParsedPuzzle& answer);

} // namespace corvane

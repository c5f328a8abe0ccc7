// What a format parser makes of a file, before anything of the board changes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

/// A puzzle read from text: its size and one number per cell, row by row from the top.
/// For the clue format the numbers are clues; for the grid formats they are an answer
/// (the pair whose path covers the cell) from which the clues are derived.
struct ParsedPuzzle {
    int width = 0;
    int height = 0;
    std::vector<int> cells;   // width * height numbers
    bool holdsAnswer = false; // the grid formats
    std::string infoField1;   // UTF-8; only the grid format with a table sets them
    std::string infoField2;

    /// Number at column x, row y (both from 1).
    int at(int x, int y) const { return cells[std::size_t(y - 1) * width + (x - 1)]; }
};

/// Parsers of the three formats over collected lines; nullopt when the text is malformed or
/// the size is not 1..100 in both directions.
std::optional<ParsedPuzzle> parseKavrinLines(const std::vector<std::u32string>& lines);
std::optional<ParsedPuzzle> parseNshaLines(const std::vector<std::u32string>& lines);
std::optional<ParsedPuzzle> parseNshaCLines(const std::vector<std::u32string>& lines);

/// The clue grid an answer gives: a cell with a value v other than 0 is a clue v when at most
/// one of its four neighbours on the board holds v too (the two ends of every path).
std::vector<int> endpointClues(const ParsedPuzzle& answer);

} // namespace corvane

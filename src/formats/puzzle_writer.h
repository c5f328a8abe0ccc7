// The text of a board or of one stored answer in one of the puzzle formats.
#pragma once

#include <optional>
#include <string>

namespace corvane {

struct Board;

/// The text of `board` in `format` (PuzzleFormat 0..2 or 4): format 0 always the clues;
/// format 1 answer `answerChoice` (k >= 1 = solutions[k - 1]) or, for 0, the clue grid;
/// format 2 only an answer; format 4 (pzprv3) the clues with the lines of the answer, or
/// none for 0. UTF-8, every line ended by CR LF. nullopt is a refusal: format 2 without an
/// answer or with a value the cell alphabet cannot write, format 4 with an answer that is
/// not paths between its clues, an answer that is not stored, or an unknown format. Changes
/// nothing.
std::optional<std::string> formatPuzzleText(const Board& board, int format, int answerChoice);

} // namespace corvane

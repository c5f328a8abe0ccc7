// pzprv3 text of the puzzle ("numlin"), as pzprjs saves it: recognition, reading and writing.
#pragma once

#include "formats/parsed_puzzle.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class Answer;
struct Board;

/// True when the first non-blank line starts with "pzprv3", or is a "v:" line followed by
/// such a line.
bool looksLikePzprv3(std::string_view text);

/// Reads pzprv3 text: an optional "v:VARIANT" line, "pzprv3" (or "pzprv3.N"), "numlin",
/// ROWS, COLS, ROWS lines of COLS cell tokens (a number, "." empty, "-" unknown), then
/// optionally the lines: ROWS lines of COLS - 1 tokens between (x, y) and (x + 1, y), ROWS - 1
/// lines of COLS tokens between (x, y) and (x, y + 1) ("1" a line, "0" none, "-1" a cross
/// mark, no line). A line block without any line is no answer; anything after the blocks
/// ("info:", history) is ignored; a text that ends after the sizes is an empty board. With
/// an answer the puzzle holds it and the clues as given; lines that do not form paths between
/// equal clues (see answerFromLinks) are left out, and droppedAnswer says why. Refused with a
/// reason: another header or puzzle type, a size outside 1..100, a block cut off or a line of
/// another length, an unknown clue and a clue 0.
ParseOutcome parsePzprv3Text(std::string_view text);

/// The pzprv3 text of the board's clues and, when `answer` is given, its lines; each line
/// ends with `lineEnd`. Without an answer the line block holds only "0". nullopt when the
/// answer cannot be drawn as lines (see linksOfAnswer).
std::optional<std::string> pzprv3Text(const Board& board, const Answer* answer,
                                      std::string_view lineEnd);

} // namespace corvane

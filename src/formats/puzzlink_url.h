// puzz.link URLs of the puzzle ("numlin"): recognition, reading and writing.
#pragma once

#include "formats/parsed_puzzle.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

struct Board;

/// The largest clue a URL can hold ("$" and five hex digits above 77775).
inline constexpr int LargestUrlClue = 77776 + 0xFFFFF;

/// True when `text` (blanks around it aside) starts with "http://" or "https://".
bool looksLikePuzzleUrl(std::string_view text);

/// Reads a puzz.link URL: "http(s)://HOST/PATH?numlin/COLS/ROWS/BODY" with the hosts and
/// spellings the puzzle sites use (pzv.jp's "p.html?", "numberlink", "numlin_edit",
/// "type=editor&", a "v:VARIANT/" prefix, a flag token before COLS), or the pzprv3 text
/// packed into the query ("?pzprv3/numlin/ROWS/COLS/..." with "/" for line ends). The puzzle
/// holds only clues, except for packed text with an answer. A body that ends before the board
/// is full leaves the rest empty, as puzz.link reads it, with a warning. Refused with a
/// reason: a line break inside the URL, another puzzle type, a size outside 1..100, a number
/// cut off at the end of the body, a body that runs past the board, holds an unknown clue
/// (".") or a clue 0, or an unexpected character.
ParseOutcome parsePuzzlinkUrl(std::string_view url);

/// "https://puzz.link/p?numlin/COLS/ROWS/BODY" for the board's clues, written as pzprjs
/// writes it: the shortest form of each value, runs of at most 20 empty cells, a trailing
/// run. nullopt when a clue is larger than LargestUrlClue.
std::optional<std::string> puzzlinkUrl(const Board& board);

} // namespace corvane

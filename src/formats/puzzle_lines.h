// The lines of a puzzle file as the readers see them, digit runs and format recognition.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// Trims leading and trailing blanks, tabs, CRs and LFs.
std::u32string_view trimPuzzleBlanks(std::u32string_view text);

/// Splits decoded text at LF, trims each line and collects them up to (not including) the
/// first line that is empty after trimming.
std::vector<std::u32string> collectPuzzleLines(std::string_view utf8Text);

/// Reads the run of digits "0".."9" at `pos` as a decimal number and moves `pos` past it. An
/// empty run is 0; a value beyond the range of int saturates at its largest value.
int readDigits(std::u32string_view line, std::size_t& pos);

/// The format to parse with: a requested 0, 1 or 2 unchanged; for automatic recognition 0
/// with at most one line, 1 when every character is one of "0123456789.,", otherwise 2.
int resolvePuzzleFormat(int requestedFormat, const std::vector<std::u32string>& lines);

} // namespace corvane

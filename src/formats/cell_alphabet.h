// The default character table of the character grid format.
#pragma once

namespace corvane {

/// Character k stands for number k: "." 0, "1".."9", "a".."z" 10..35, "A".."Z" 36..61.
inline constexpr char CellAlphabet[] =
    ".123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
/// Number of characters in the default table.
inline constexpr int CellAlphabetSize = 62;

} // namespace corvane

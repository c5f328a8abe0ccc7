// Small helpers for ASCII-structured text: trimming, prefix tests, short decimals, hexadecimal
// digits and the cell names of a reader's reasons.
#pragma once

#include <algorithm>
#include <cassert>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

/// `text` without leading and trailing spaces, tabs, CRs and LFs.
inline std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

/// True when `text` starts with `prefix`.
inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

/// ASCII letter in lower case; every other byte unchanged.
inline char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

/// True when `a` and `b` are equal but for the case of ASCII letters.
inline bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

/// True when `text` starts with `prefix`, ignoring the case of ASCII letters.
inline bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalNoCase(text.substr(0, prefix.size()), prefix);
}

/// A token of decimal digits with at most `digits` of them after its leading zeros (at most 9
/// keeps every value in an int); nullopt for anything else.
inline std::optional<int> shortDecimal(std::string_view token, int digits) {
    if (token.empty() || token.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const std::size_t first = token.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    if (token.size() - first > std::size_t(digits)) return std::nullopt;
    int value = 0;
    for (char c : token.substr(first)) value = value * 10 + (c - '0');
    return value;
}

/// The lower-case hexadecimal digit of `value`, 0 to 15.
inline char hexDigit(int value) {
    assert(value >= 0 && value < 16);
    return "0123456789abcdef"[value];
}

/// The value of a hexadecimal digit of either case; -1 for any other byte.
inline int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

/// "row Y, column X": how a reader's reason names a cell.
inline std::string cellName(int x, int y) {
    return "row " + std::to_string(y) + ", column " + std::to_string(x);
}

} // namespace corvane

// Small helpers for reading ASCII-structured text: trimming and prefix tests.
#pragma once

#include <algorithm>
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

} // namespace corvane

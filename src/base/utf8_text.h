// Conversion between UTF-8 text and sequences of Unicode code points.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// The code points of UTF-8 text; a byte that starts no valid sequence gives U+FFFD.
std::u32string utf8ToCodePoints(std::string_view utf8);

/// UTF-8 text of code points; values that are no Unicode scalar give U+FFFD.
std::string codePointsToUtf8(std::u32string_view codePoints);

/// `text` without the UTF-8 byte-order mark some editors put at its start.
inline std::string_view withoutByteOrderMark(std::string_view text) {
    return text.substr(0, 3) == "\xEF\xBB\xBF" ? text.substr(3) : text;
}

} // namespace corvane

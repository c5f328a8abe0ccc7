// Conversion of whole texts between code page 932 (Windows-31J) and UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// Decodes code page 932 bytes to UTF-8. Every byte that starts no valid character (and a
/// lead byte cut off at the end) becomes U+FFFD; decoding goes on with the next byte.
std::string decodeCp932(std::string_view bytes);

/// Encodes UTF-8 text to code page 932. Characters the code page cannot hold, and bytes that
/// are not valid UTF-8, are written as "?".
std::string encodeCp932(std::string_view utf8);

/// The characters of UTF-8 text that code page 932 cannot hold, each once, in the order they
/// first occur (each as UTF-8; a byte that is not valid UTF-8 counts as one). Empty when
/// encodeCp932 keeps every character.
std::vector<std::string> charactersOutsideCp932(std::string_view utf8);

} // namespace corvane

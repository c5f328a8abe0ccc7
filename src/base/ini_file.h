// A small ini reader/writer that behaves like the Windows private profile functions.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

/// Reads the value of `key` in `section` (names compare case-insensitively, blanks around
/// names and values are dropped, one pair of enclosing quotes is removed). Returns nothing
/// when the file, the section or the key is missing.
std::optional<std::string> readProfileString(const std::filesystem::path& file,
                                             std::string_view section, std::string_view key);

/// Reads an integer the way the profile functions do: an optional sign and the leading
/// digits; a value that is no number reads as 0; a missing key gives `fallback`.
int readProfileInt(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, int fallback);

/// Writes `key`=`value` into `section`: an existing key's value is replaced in place, a new
/// key goes after the last entry of the section, a missing section is appended and a missing
/// file is created. Every other line is kept as it was. Returns false when the file could
/// not be written.
bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

} // namespace corvane

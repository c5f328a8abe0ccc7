// Bounded reading of regular files, and file paths from the UTF-8 strings the model keeps.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace corvane {

/// The path named by a UTF-8 string.
std::filesystem::path filePathFromUtf8(const std::string& utf8);

/// Result of a bounded read.
struct FileBytes {
    std::string bytes;      // the first bytes of the file, at most the limit
    bool truncated = false; // the file holds more than was read
};

/// Reads at most `limit` bytes of a regular file (symbolic links followed). Anything else (a
/// folder, a device, a pipe, a missing or unreadable file) gives nullopt, without blocking.
std::optional<FileBytes> readFilePrefix(const std::filesystem::path& path, std::size_t limit);

/// Reads a whole regular file of at most `limit` bytes; a larger file gives nullopt.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t limit);

} // namespace corvane

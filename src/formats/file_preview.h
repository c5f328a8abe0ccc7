// The beginning of a file as the open dialog previews it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace corvane {

/// At most this many lines and bytes are read for a preview.
inline constexpr int PreviewLineLimit = 100;
inline constexpr std::size_t PreviewByteLimit = 64 * 1024;

/// The first lines of a regular file, decoded from code page 932 to UTF-8: every line read
/// is followed by CR LF, except a last line that ended the file without a line end (or was
/// cut by the byte limit). nullopt when the file cannot be read (a folder, a device, a
/// pipe, a missing file): the preview is then emptied.
std::optional<std::string> readFilePreview(const std::filesystem::path& path);

} // namespace corvane

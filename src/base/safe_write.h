// Replacing a file's content without losing the old content when the write fails.
#pragma once

#include <filesystem>
#include <string_view>

namespace corvane {

/// Writes `bytes` as the whole content of the file at `path`. A symbolic link is followed to
/// the file it names. The bytes go to a new file in the same folder, which takes the old
/// file's permissions and is renamed over it only once everything is written; when no file
/// can be created in that folder, the file itself is rewritten in place. Returns false on any
/// failure; except for the in-place case, the old file is then as it was.
bool writeFileReplacing(const std::filesystem::path& path, std::string_view bytes);

} // namespace corvane

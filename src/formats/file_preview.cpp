// Preview text for the open dialog: bounded read, split at LF, code page 932 decoded.
#include "formats/file_preview.h"

#include "base/cp932_codec.h"
#include "base/file_bytes.h"

#include <string_view>

namespace corvane {

namespace {

bool isCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

/// Drops a lead byte whose trail byte was cut off by the read limit. LF is never a trail
/// byte, so walking from the start of the line finds the character boundaries.
std::string_view withoutCutCharacter(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size()) i += isCp932LeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
    return i > line.size() ? line.substr(0, line.size() - 1) : line;
}

} // namespace

std::optional<std::string> readFilePreview(const std::filesystem::path& path) {
    const auto file = readFilePrefix(path, PreviewByteLimit);
    if (!file) return std::nullopt;
    const std::string_view bytes = file->bytes;

    std::string preview;
    std::size_t start = 0;
    for (int count = 0; count < PreviewLineLimit && start < bytes.size(); ++count) {
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            // The last piece: the end of the file, or where the byte limit cut it.
            std::string_view rest = bytes.substr(start);
            if (file->truncated) rest = withoutCutCharacter(rest);
            preview += decodeCp932(rest);
            break;
        }
        std::string_view line = bytes.substr(start, lf - start);
        // Read as text, a CR before the LF belongs to the line end.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        preview += decodeCp932(line);
        preview += "\r\n";
        start = lf + 1;
    }
    return preview;
}

} // namespace corvane

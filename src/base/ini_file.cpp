// Private ini reader/writer: line-preserving edits of "[section]" / "key=value" files.
#include "base/ini_file.h"

#include "base/decimal.h"
#include "base/text_scan.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace corvane {

namespace {

/// The section name of a "[name]" line, or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

/// Splits a "key=value" line; comments and lines without "=" give nothing.
std::optional<std::pair<std::string_view, std::string_view>> keyValue(std::string_view line) {
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return std::make_pair(trimBlanks(t.substr(0, eq)), trimBlanks(t.substr(eq + 1)));
}

/// Reads a file as lines, each without its LF but with any CR kept; false if unreadable.
bool readLines(const std::filesystem::path& file, std::vector<std::string>& lines) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return true;
}

} // namespace

std::optional<std::string> readProfileString(const std::filesystem::path& file,
                                             std::string_view section, std::string_view key) {
    std::vector<std::string> lines;
    if (!readLines(file, lines)) return std::nullopt;
    bool inSection = false;
    for (const std::string& line : lines) {
        if (const auto name = sectionName(line)) {
            inSection = equalNoCase(*name, section);
            continue;
        }
        if (!inSection) continue;
        const auto kv = keyValue(line);
        if (!kv || !equalNoCase(kv->first, key)) continue;
        std::string_view value = kv->second;
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

int readProfileInt(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, int fallback) {
    const auto value = readProfileString(file, section, key);
    return value ? parseLeadingInt(*value) : fallback;
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    std::vector<std::string> lines;
    readLines(file, lines); // a missing file starts empty
    // Keep the file's own line ends: CR LF if its first line has one, CR LF for a new file.
    const bool crlf = lines.empty() || (!lines.front().empty() && lines.front().back() == '\r');
    const std::string eol = crlf ? "\r" : "";
    const std::string entry = std::string(key) + "=" + std::string(value);

    bool inSection = false;
    bool sectionSeen = false;
    std::size_t insertAt = lines.size();
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inSection) break; // the section ended without the key
            inSection = equalNoCase(*name, section);
            if (inSection) {
                sectionSeen = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) continue;
        if (const auto kv = keyValue(lines[i])) {
            if (equalNoCase(kv->first, key)) {
                lines[i] = entry + eol;
                done = true;
            } else {
                insertAt = i + 1;
            }
        } else if (!trimBlanks(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (!done) {
        if (sectionSeen) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry + eol);
        } else {
            lines.push_back("[" + std::string(section) + "]" + eol);
            lines.push_back(entry + eol);
        }
    }

    std::ostringstream text;
    for (const std::string& line : lines) text << line << '\n';
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << text.str();
    out.flush();
    return static_cast<bool>(out);
}

} // namespace corvane

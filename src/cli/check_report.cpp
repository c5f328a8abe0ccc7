// Plain and JSON renderings of the checker's results.
#include "cli/check_report.h"

#include "base/text_scan.h"
#include "base/utf8_text.h"
#include "cli/varying_report.h"
#include "model/board.h"

#include <cstdio>

namespace corvane {

namespace {

/// `text` with every byte that starts no valid UTF-8 sequence replaced by U+FFFD.
std::string validUtf8(std::string_view text) {
    return codePointsToUtf8(utf8ToCodePoints(text));
}

} // namespace

const Answer* firstSolution(const CheckResult& result) {
    return result.varying.answerCount() > 0 ? &result.varying.reference() : nullptr;
}

std::string_view statusName(CheckStatus status) {
    switch (status) {
    case CheckStatus::Unique:
        return "unique";
    case CheckStatus::UniqueWithBlanks:
        return "unique_with_blanks";
    case CheckStatus::Multiple:
        return "multiple";
    case CheckStatus::None:
        return "none";
    case CheckStatus::Unsolvable:
        return "unsolvable";
    case CheckStatus::LimitReached:
        return "limit_reached";
    case CheckStatus::Refused:
        return "refused";
    case CheckStatus::LoadFailed:
        return "load_failed";
    }
    return "load_failed";
}

std::string limitMessage(std::uint64_t limit) {
    return "解が" + std::to_string(limit) + "個見つかったので探索を打ち切りました。";
}

int exitStatusFor(const std::vector<CheckStatus>& statuses) {
    int code = 0;
    for (CheckStatus s : statuses) {
        if (s == CheckStatus::Refused || s == CheckStatus::LoadFailed) return 2;
        if (s != CheckStatus::Unique) code = 1;
    }
    return code;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : validUtf8(text)) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string plainResult(const CheckResult& r) {
    std::string out = r.file + ": " + r.message + "\n";
    out += "  steps " + std::to_string(r.steps) + ", " + std::to_string(r.elapsedMs) + " ms";
    if (r.direction != 0) out += ", direction " + std::to_string(r.direction);
    if (r.fillRule) out += ", rule fill";
    out += "\n" + plainVarying(r.varying);
    if (r.url.requested) out += "  url " + r.url.text.value_or("(none)") + "\n";
    if (r.pzprv3.requested) out += r.pzprv3.text.value_or("  pzprv3 (none)\n");
    return out;
}

std::string plainAnswer(const std::string& file, std::uint64_t k, const Answer& answer) {
    int widest = 1;
    for (int y = 1; y <= answer.height(); ++y)
        for (int x = 1; x <= answer.width(); ++x)
            widest = std::max(widest,
                              static_cast<int>(std::to_string(answer.at(cellIndex(x, y))).size()));
    std::string out = file + ": 解 No." + std::to_string(k) + "\n";
    for (int y = 1; y <= answer.height(); ++y) {
        out += "   ";
        for (int x = 1; x <= answer.width(); ++x) {
            const int v = answer.at(cellIndex(x, y));
            const std::string text = v > 0 ? std::to_string(v) : ".";
            out += std::string(static_cast<std::size_t>(widest + 1) - text.size(), ' ') + text;
        }
        out += "\n";
    }
    return out;
}

std::string jsonAnswer(const Answer& answer) {
    std::string out = "[";
    for (int y = 1; y <= answer.height(); ++y) {
        out += y > 1 ? ",[" : "[";
        for (int x = 1; x <= answer.width(); ++x) {
            if (x > 1) out += ',';
            out += std::to_string(answer.at(cellIndex(x, y)));
        }
        out += ']';
    }
    return out + "]";
}

namespace {

/// ,"name":TEXT for a requested text (null when it cannot be written); "" otherwise.
std::string jsonEmitted(const char* name, const EmittedText& emitted) {
    if (!emitted.requested) return {};
    return std::string(",\"") + name + "\":" + (emitted.text ? jsonString(*emitted.text) : "null");
}

} // namespace

std::string jsonResultHead(const std::string& file) {
    std::string head = "{\"file\":" + jsonString(file);
    if (validUtf8(file) != file) {
        // The name shown is only readable; the bytes let a script open the file.
        head += ",\"file_bytes\":\"";
        for (unsigned char c : file) {
            head += hexDigit(c >> 4);
            head += hexDigit(c & 0xF);
        }
        head += '"';
    }
    return head;
}

std::string jsonResultTail(const CheckResult& r, bool withVaryingGrid) {
    return ",\"status\":\"" + std::string(statusName(r.status)) +
           "\",\"message\":" + jsonString(r.message) +
           ",\"solutions\":" + std::to_string(r.solutions) +
           ",\"steps\":" + std::to_string(r.steps) +
           ",\"elapsed_ms\":" + std::to_string(r.elapsedMs) +
           ",\"direction\":" + std::to_string(r.direction) +
           ",\"rule\":" + (r.fillRule ? "\"fill\"" : "\"standard\"") +
           jsonVarying(r.varying, withVaryingGrid) + jsonEmitted("url", r.url) +
           jsonEmitted("pzprv3", r.pzprv3) + "}\n";
}

} // namespace corvane

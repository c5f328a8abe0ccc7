// Reading and writing puzz.link URLs of the puzzle.
#include "formats/puzzlink_url.h"

#include "base/text_scan.h"
#include "base/utf8_text.h"
#include "formats/pzprv3_text.h"
#include "model/board.h"

#include <array>
#include <vector>

namespace corvane {

namespace {

constexpr std::string_view UrlPrefix = "https://puzz.link/p?numlin/";
constexpr int LongestRun = 20; // "z"

/// A clue value introduced by a sign character: its digits and the value they start from.
struct LongValue {
    char sign;
    int digits;
    int offset;
};
/// The writer uses the first form whose range holds the value.
constexpr std::array<LongValue, 6> LongValues{{
    {'-', 2, 0},
    {'+', 3, 0},
    {'=', 3, 4096},
    {'%', 3, 8192},
    {'*', 4, 12240},
    {'$', 5, 77776},
}};

/// True for a whole number, signed or not: a size token, never a flag.
bool numberToken(std::string_view token) {
    if (!token.empty() && (token.front() == '-' || token.front() == '+')) token.remove_prefix(1);
    if (token.empty()) return false;
    for (char c : token)
        if (c < '0' || c > '9') return false;
    return true;
}

/// The character that starts at `pos`, whole (U+FFFD for a byte that starts none).
std::string characterAt(std::string_view text, std::size_t pos) {
    const std::u32string points = utf8ToCodePoints(text.substr(pos, 4));
    return codePointsToUtf8(std::u32string_view(points).substr(0, 1));
}

/// A board side from a size token: 1..100, else nullopt (no digits, 0, or too large).
std::optional<int> sideOf(std::string_view token) {
    const auto side = shortDecimal(token, 3);
    if (!side || *side < 1 || *side > MaxBoardSide) return std::nullopt;
    return side;
}

/// Splits at '/'.
std::vector<std::string_view> splitPath(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t slash = text.find('/');
        parts.push_back(text.substr(0, slash));
        if (slash == std::string_view::npos) return parts;
        text.remove_prefix(slash + 1);
    }
}

/// The packed pzprv3 text of a query: "/" ends a line, "%XX" and "+" as a URL writes them.
std::string unpackText(std::string_view query) {
    std::string text;
    for (std::size_t k = 0; k < query.size(); ++k) {
        const char c = query[k];
        if (c == '/') {
            text += '\n';
        } else if (c == '+') {
            text += ' ';
        } else if (c == '%' && k + 2 < query.size() && hexValue(query[k + 1]) >= 0 &&
                   hexValue(query[k + 2]) >= 0) {
            text += char(hexValue(query[k + 1]) * 16 + hexValue(query[k + 2]));
            k += 2;
        } else {
            text += c;
        }
    }
    return text;
}

/// The clues of a body for a width x height board.
ParseOutcome parseBody(std::string_view body, int width, int height) {
    ParsedPuzzle puzzle;
    puzzle.width = width;
    puzzle.height = height;
    const std::size_t cellCount = std::size_t(width) * height;
    puzzle.cells.assign(cellCount, 0);
    std::size_t cell = 0;
    for (std::size_t pos = 0; pos < body.size();) {
        const char c = body[pos];
        if (c >= 'g' && c <= 'z') {
            cell += std::size_t(c - 'g' + 1);
            if (cell > cellCount) return parseFailure("a run of empty cells goes past the board");
            ++pos;
            continue;
        }
        if (c == '.') return parseFailure("the puzzle has an unknown clue (\"?\")");
        int value = hexValue(c);
        std::size_t length = 1;
        if (value < 0 || (c >= 'A' && c <= 'F')) {
            const LongValue* form = nullptr;
            for (const LongValue& f : LongValues)
                if (f.sign == c || (c == '@' && f.sign == '%')) form = &f;
            if (!form)
                return parseFailure("unexpected character '" + characterAt(body, pos) +
                                    "' in the body");
            if (body.size() - pos - 1 < std::size_t(form->digits))
                return parseFailure(std::string("the number after '") + c + "' is cut off");
            value = 0;
            for (int k = 1; k <= form->digits; ++k) {
                const int digit = hexValue(body[pos + std::size_t(k)]);
                if (digit < 0)
                    return parseFailure(std::string("the number after '") + c +
                                        "' is not hexadecimal");
                value = value * 16 + digit;
            }
            value += form->offset;
            length += std::size_t(form->digits);
        }
        if (cell >= cellCount) return parseFailure("the body holds more cells than the board");
        if (value == 0) return parseFailure("the puzzle has a clue 0");
        puzzle.cells[cell++] = value;
        pos += length;
    }
    ParseOutcome outcome{std::move(puzzle), {}, {}};
    // puzz.link reads a short body so, and stored URLs rely on it; the checker says so.
    if (cell < cellCount)
        outcome.warning = "the body ends at cell " + std::to_string(cell) + " of " +
                          std::to_string(cellCount) + "; the rest is read as empty";
    return outcome;
}

/// The token of one clue value in the shortest form, or "" when no form holds it.
std::string valueToken(int value) {
    if (value < 16) return std::string(1, hexDigit(value));
    for (std::size_t k = 0; k < LongValues.size(); ++k) {
        const LongValue& form = LongValues[k];
        const int next = k + 1 < LongValues.size() ? LongValues[k + 1].offset : 0;
        const long limit = form.offset + (1L << (4 * form.digits));
        // Each form ends where the next one starts, the last where its digits end.
        if (value >= limit || (next > form.offset && value >= next)) continue;
        // Leading zeros are written: a reader takes a fixed number of digits.
        std::string token(1, form.sign);
        for (int shift = 4 * (form.digits - 1); shift >= 0; shift -= 4)
            token += hexDigit(((value - form.offset) >> shift) & 0xF);
        return token;
    }
    return {};
}

std::string runToken(int run) {
    return std::string(1, char('g' + run - 1));
}

} // namespace

bool looksLikePuzzleUrl(std::string_view text) {
    text = trimBlanks(text);
    return startsWithNoCase(text, "http://") || startsWithNoCase(text, "https://");
}

ParseOutcome parsePuzzlinkUrl(std::string_view url) {
    url = trimBlanks(url);
    if (!looksLikePuzzleUrl(url)) return parseFailure("not an http:// or https:// URL");
    // A URL broken over two lines is refused like one with a blank inside, not cut short.
    if (url.find_first_of("\r\n") != std::string_view::npos)
        return parseFailure("the URL is broken by a line break");
    const std::size_t mark = url.find('?');
    if (mark == std::string_view::npos) return parseFailure("the URL has no puzzle after '?'");
    std::string_view query = url.substr(mark + 1);
    query = query.substr(0, query.find('#'));

    // Parameters before the puzzle ("type=editor&"), then a variant prefix ("v:.../").
    for (;;) {
        const std::size_t amp = query.find('&'), eq = query.find('=');
        if (amp == std::string_view::npos || eq > amp ||
            query.substr(0, amp).find('/') != std::string_view::npos)
            break;
        query.remove_prefix(amp + 1);
    }
    if (startsWith(query, "v:")) {
        const std::size_t slash = query.find('/');
        query.remove_prefix(slash == std::string_view::npos ? query.size() : slash + 1);
    }
    if (startsWith(query, "pzprv3/") || startsWith(query, "pzprv3."))
        return parsePzprv3Text(unpackText(query));

    std::vector<std::string_view> parts = splitPath(query);
    const std::string_view type = parts.front();
    if (type != "numlin" && type != "numberlink" && type != "numlin_edit" &&
        type != "numberlink_edit")
        return parseFailure("not a numlin puzzle (\"" + std::string(type) + "\")");
    std::size_t next = 1;
    // A flag token (or a variant) may come before the size, as long as it is no number (a
    // signed one is a size that is out of range, not a flag).
    while (next < parts.size() && next <= 2 && !numberToken(parts[next])) ++next;
    if (parts.size() < next + 2) return parseFailure("the URL gives no board size");
    const auto width = sideOf(parts[next]), height = sideOf(parts[next + 1]);
    if (!width || !height)
        return parseFailure("the board size " + std::string(parts[next]) + " x " +
                            std::string(parts[next + 1]) + " is not 1..100 by 1..100");
    return parseBody(parts.size() > next + 2 ? parts[next + 2] : std::string_view(), *width,
                     *height);
}

std::optional<std::string> puzzlinkUrl(const Board& board) {
    std::string url = std::string(UrlPrefix) + std::to_string(board.boardWidth) + "/" +
                      std::to_string(board.boardHeight) + "/";
    int run = 0;
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int v = board.boardCells[std::size_t(cellIndex(x, y))];
            if (v <= 0) {
                if (++run == LongestRun) {
                    url += runToken(run);
                    run = 0;
                }
                continue;
            }
            if (v > LargestUrlClue) return std::nullopt;
            if (run > 0) url += runToken(run);
            run = 0;
            url += valueToken(v);
        }
    if (run > 0) url += runToken(run);
    return url;
}

} // namespace corvane

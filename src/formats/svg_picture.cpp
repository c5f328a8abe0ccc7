// The SVG writer: geometry of the picture, the paths of an answer drawn, XML text.
#include "formats/svg_picture.h"

#include "base/text_scan.h"
#include "base/utf8_text.h"
#include "formats/answer_paths.h"
#include "model/board.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace corvane {

namespace {

constexpr const char* FontFamilies = "DejaVu Sans, Liberation Sans, Arial, Helvetica, sans-serif";
constexpr int FirstPair = 1;
constexpr int LastPair = 99; // values a search or a file gives to paths; 100 means "too big"

/// Pixel positions of the picture's parts.
struct Layout {
    int cell = 0;
    int width = 0, height = 0; // of the whole picture
    double left = 0, top = 0;  // board corner; half-pixel offset keeps odd strokes sharp
    int titleSize = 0;         // font size of the title line; 0 without a title
    double titleBaseline = 0;
    double gridWidth = 0, borderWidth = 0, pathWidth = 0, ringWidth = 0, ringRadius = 0;

    /// Centre of column x, row y (both from 1).
    double centreX(int x) const { return left + cell * (x - 0.5); }
    double centreY(int y) const { return top + cell * (y - 0.5); }
};

/// A number as SVG wants it: fixed notation, at most two decimals, no trailing zeros.
std::string num(double value) {
    value = std::round(value * 100) / 100;
    if (value == 0) value = 0; // no "-0"
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, end.ptr);
}

std::string colourText(std::uint32_t rgb) {
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4) out += hexDigit(int(rgb >> shift) & 0xf);
    return out;
}

std::string pairColour(int pair, const PictureOptions& options) {
    if (!options.colourPerPair) return colourText(PairPalette[0]);
    return colourText(PairPalette[std::size_t(pair - FirstPair) % PairPalette.size()]);
}

/// One line of user text as XML character data: invalid bytes and characters XML cannot hold
/// become U+FFFD, line breaks and other controls a space; markup characters are escaped.
std::string xmlText(const std::string& utf8) {
    std::u32string points = utf8ToCodePoints(utf8);
    for (char32_t& c : points) {
        if (c < 0x20 || (c >= 0x7f && c <= 0x9f))
            c = U' ';
        else if (c == 0xfffe || c == 0xffff || (c >= 0xd800 && c <= 0xdfff))
            c = 0xfffd;
    }
    const auto first = points.find_first_not_of(U' ');
    if (first == std::u32string::npos) return {};
    points = points.substr(first, points.find_last_not_of(U' ') - first + 1);
    std::string out;
    for (char c : codePointsToUtf8(points)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

Layout makeLayout(const Board& board, const PictureOptions& options, bool withTitle) {
    Layout l;
    l.cell = std::clamp(options.cellSize, PictureOptions::MinCellSize, PictureOptions::MaxCellSize);
    const int margin = options.margin < 0 ? l.cell / 2 : std::min(options.margin, 4 * l.cell);
    int titleBand = 0;
    if (withTitle) {
        l.titleSize = std::max(10, l.cell / 2);
        titleBand = l.titleSize * 8 / 5;
        l.titleBaseline = margin + l.titleSize;
    }
    l.width = board.boardWidth * l.cell + 2 * margin;
    l.height = board.boardHeight * l.cell + 2 * margin + titleBand;
    l.left = margin + 0.5;
    l.top = margin + titleBand + 0.5;
    l.gridWidth = 2 * (l.cell / 72) + 1;
    l.borderWidth = 2 * (l.cell / 36) + 1;
    l.pathWidth = std::max(2, l.cell / 5);
    l.ringWidth = std::max(1.0, l.cell / 24.0);
    l.ringRadius = l.cell * 0.4;
    return l;
}

/// The pair values of `answer` on the board's cells: 1..99, 0 for a cell on no path (and for
/// values of 100 or more and cells the answer does not cover).
PathGrid pairGrid(const Board& board, const Answer& answer) {
    std::vector<int> values(std::size_t(board.boardWidth) * board.boardHeight, 0);
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int v = answer.at(cellIndex(x, y));
            if (v >= FirstPair && v <= LastPair)
                values[std::size_t(y - 1) * board.boardWidth + (x - 1)] = v;
        }
    return PathGrid(board.boardWidth, board.boardHeight, std::move(values));
}

/// A polyline through the walk's turning points.
std::string polylinePoints(const Layout& l, const PathGrid& grid, const std::vector<int>& walk) {
    std::string points;
    for (std::size_t i = 0; i < walk.size(); ++i) {
        const bool straight =
            i > 0 && i + 1 < walk.size() && walk[i] - walk[i - 1] == walk[i + 1] - walk[i];
        if (straight) continue;
        if (!points.empty()) points += ' ';
        points += num(l.centreX(grid.column(walk[i]))) + ',' + num(l.centreY(grid.row(walk[i])));
    }
    return points;
}

/// Path data of a link between every two equal neighbouring cells.
std::string linkSegments(const Layout& l, const PathGrid& grid, const std::vector<int>& cells) {
    std::string data;
    for (int cell : cells) {
        const int x = grid.column(cell), y = grid.row(cell);
        const auto segment = [&](int toX, int toY) {
            data += 'M' + num(l.centreX(x)) + ' ' + num(l.centreY(y)) + 'L' + num(l.centreX(toX)) +
                    ' ' + num(l.centreY(toY));
        };
        if (x < grid.width() && grid.value(cell + 1) == grid.value(cell)) segment(x + 1, y);
        if (y < grid.height() && grid.value(cell + grid.width()) == grid.value(cell))
            segment(x, y + 1);
    }
    return data;
}

void appendPaths(std::string& svg, const Board& board, const Answer& answer, const Layout& l,
                 const PictureOptions& options) {
    const PathGrid grid = pairGrid(board, answer);
    std::vector<int> clues(grid.size(), 0);
    std::vector<std::vector<int>> cellsOf(LastPair + 1);
    for (int cell = 0; cell < static_cast<int>(grid.size()); ++cell) {
        clues[std::size_t(cell)] = board.boardCells[cellIndex(grid.column(cell), grid.row(cell))];
        if (const int v = grid.value(cell)) cellsOf[std::size_t(v)].push_back(cell);
    }

    svg += "<g id=\"paths\" fill=\"none\" stroke-width=\"" + num(l.pathWidth) +
           "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (int pair = FirstPair; pair <= LastPair; ++pair) {
        const std::vector<int>& cells = cellsOf[std::size_t(pair)];
        if (cells.size() < 2) continue;
        const std::string stroke = "stroke=\"" + pairColour(pair, options) + "\"";
        // An answer whose cells form no simple path is drawn as the links it has.
        if (const auto walk = simplePath(grid, cells, clues)) {
            svg += "<polyline " + stroke + " points=\"" + polylinePoints(l, grid, *walk) + "\"/>\n";
        } else if (std::string data = linkSegments(l, grid, cells); !data.empty()) {
            svg += "<path " + stroke + " d=\"" + data + "\"/>\n";
        }
    }
    svg += "</g>\n";
}

void appendGrid(std::string& svg, const Board& board, const Layout& l) {
    const double right = l.left + board.boardWidth * l.cell;
    const double bottom = l.top + board.boardHeight * l.cell;
    std::string data;
    for (int x = 1; x < board.boardWidth; ++x)
        data += 'M' + num(l.left + x * l.cell) + ' ' + num(l.top) + 'V' + num(bottom);
    for (int y = 1; y < board.boardHeight; ++y)
        data += 'M' + num(l.left) + ' ' + num(l.top + y * l.cell) + 'H' + num(right);
    if (!data.empty())
        svg += "<path id=\"grid\" fill=\"none\" stroke=\"#999999\" stroke-width=\"" +
               num(l.gridWidth) + "\" d=\"" + data + "\"/>\n";
    svg += "<rect id=\"border\" x=\"" + num(l.left) + "\" y=\"" + num(l.top) + "\" width=\"" +
           num(board.boardWidth * l.cell) + "\" height=\"" + num(board.boardHeight * l.cell) +
           "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" + num(l.borderWidth) + "\"/>\n";
}

void appendClues(std::string& svg, const Board& board, const Layout& l, bool rings,
                 const PictureOptions& options) {
    const double baseSize = l.cell * 0.6;
    if (rings) {
        svg += "<g id=\"rings\" fill=\"#ffffff\" stroke-width=\"" + num(l.ringWidth) + "\">\n";
        for (int y = 1; y <= board.boardHeight; ++y)
            for (int x = 1; x <= board.boardWidth; ++x)
                if (const int clue = board.boardCells[cellIndex(x, y)]; clue > 0) {
                    const int pair = clue >= FirstPair && clue <= LastPair ? clue : FirstPair;
                    svg += "<circle cx=\"" + num(l.centreX(x)) + "\" cy=\"" + num(l.centreY(y)) +
                           "\" r=\"" + num(l.ringRadius) + "\" stroke=\"" +
                           pairColour(pair, options) + "\"/>\n";
                }
        svg += "</g>\n";
    }
    svg += std::string("<g id=\"clues\" font-family=\"") + FontFamilies + "\" font-size=\"" +
           num(baseSize) + "\" text-anchor=\"middle\" fill=\"#000000\">\n";
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int clue = board.boardCells[cellIndex(x, y)];
            if (clue <= 0) continue;
            const std::string digits = std::to_string(clue);
            // A digit is about 0.64 of the font size wide; a number too wide for its cell (or
            // ring) is drawn smaller.
            const double room = l.cell * (rings ? 0.68 : 0.9);
            const double size = std::min(baseSize, room / (0.64 * double(digits.size())));
            svg += "<text x=\"" + num(l.centreX(x)) + "\" y=\"" + num(l.centreY(y) + 0.36 * size) +
                   "\"";
            if (size != baseSize) svg += " font-size=\"" + num(size) + "\"";
            svg += ">" + digits + "</text>\n";
        }
    svg += "</g>\n";
}

} // namespace

std::string svgPicture(const Board& board, const Answer* answer, const PictureOptions& options) {
    const std::string title = options.withTitle ? xmlText(board.infoField1) : std::string();
    const std::string author = options.withTitle ? xmlText(board.infoField2) : std::string();
    const Layout l = makeLayout(board, options, !title.empty() || !author.empty());

    std::string svg;
    svg.reserve(4096 + std::size_t(board.boardWidth) * board.boardHeight * 24);
    const std::string w = std::to_string(l.width), h = std::to_string(l.height);
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    svg += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    if (l.titleSize > 0) {
        svg += std::string("<g id=\"title\" font-family=\"") + FontFamilies + "\" font-size=\"" +
               num(l.titleSize) + "\" fill=\"#000000\">\n";
        if (!title.empty())
            svg += "<text x=\"" + num(l.left) + "\" y=\"" + num(l.titleBaseline) + "\">" + title +
                   "</text>\n";
        if (!author.empty())
            svg += "<text x=\"" + num(l.left + board.boardWidth * l.cell) + "\" y=\"" +
                   num(l.titleBaseline) + "\" text-anchor=\"end\">" + author + "</text>\n";
        svg += "</g>\n";
    }
    appendGrid(svg, board, l);
    if (answer) appendPaths(svg, board, *answer, l, options);
    appendClues(svg, board, l, answer != nullptr, options);
    svg += "</svg>\n";
    return svg;
}

} // namespace corvane

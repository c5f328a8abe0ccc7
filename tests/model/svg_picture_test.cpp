// SVG writer: paths recovered from sound and malformed answers, picture size, palette.
#include "board_picture.h"
#include "model/svg_picture.h"

#include <gtest/gtest.h>

#include <regex>

namespace corvane {
namespace {

using testing::answerFromPicture;
using testing::setBoardPicture;
using Rows = std::vector<std::string>;

/// The path elements of a picture as "polyline:POINTS" or "path:DATA", in document order.
std::vector<std::string> pathElements(const std::string& svg) {
    static const std::regex element(
        R"re(<(polyline|path) stroke="#[0-9a-f]{6}" (?:points|d)="([^"]*)")re");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element);
         it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str() + ":" + (*it)[2].str());
    return found;
}

struct PathCase {
    const char* name;
    Rows clues;
    Answer answer;
    std::vector<std::string> expected; // cell size 10: the centre of column x is at 10x + 0.5
};

TEST(SvgPicture, PathsFollowTheAnswerAndMalformedAnswersFallBackToLinks) {
    const PathCase cases[] = {
        {"turns only, from the first clue end",
         {"1 . .", ". . .", ". . 1"},
         answerFromPicture({"1 . .", "1 1 1", ". . 1"}),
         {"polyline:10.5,10.5 10.5,20.5 30.5,20.5 30.5,30.5"}},
        {"a clue end is preferred to a bare end",
         {". . .", ". . .", ". . 1"},
         answerFromPicture({"1 . .", "1 1 1", ". . 1"}),
         {"polyline:30.5,30.5 30.5,20.5 10.5,20.5 10.5,10.5"}},
        {"a branch",
         {"1 . 1", ". 1 ."},
         answerFromPicture({"1 1 1", ". 1 ."}),
         {"path:M10.5 10.5L20.5 10.5M20.5 10.5L30.5 10.5M20.5 10.5L20.5 20.5"}},
        {"a block of four",
         {"2 .", ". 2"},
         answerFromPicture({"2 2", "2 2"}),
         {"path:M10.5 10.5L20.5 10.5M10.5 10.5L10.5 20.5M20.5 10.5L20.5 20.5M10.5 20.5L20.5 20.5"}},
        {"a ring has no end",
         {"6 . 6", ". . .", ". . ."},
         answerFromPicture({"6 6 6", "6 . 6", "6 6 6"}),
         {"path:M10.5 10.5L20.5 10.5M10.5 10.5L10.5 20.5M20.5 10.5L30.5 10.5M30.5 10.5L30.5 "
          "20.5M10.5 20.5L10.5 30.5M30.5 20.5L30.5 30.5M10.5 30.5L20.5 30.5M20.5 30.5L30.5 30.5"}},
        {"two pieces",
         {"3 . . . 3"},
         answerFromPicture({"3 3 . 3 3"}),
         {"path:M10.5 10.5L20.5 10.5M40.5 10.5L50.5 10.5"}},
        {"a lone cell and values of no path", {"4 . . ."}, answerFromPicture({"4 . 100 100"}), {}},
        {"pairs in number order",
         {"2 2", "1 1"},
         answerFromPicture({"2 2", "1 1"}),
         {"polyline:10.5,20.5 20.5,20.5", "polyline:10.5,10.5 20.5,10.5"}},
        {"an answer wider than the board is cut",
         {"5 5"},
         answerFromPicture({"5 5 5"}),
         {"polyline:10.5,10.5 20.5,10.5"}},
        {"an answer smaller than the board", {"7 .", ". 7"}, answerFromPicture({"7"}), {}},
    };
    PictureOptions options;
    options.cellSize = 10;
    for (const PathCase& c : cases) {
        Board board;
        setBoardPicture(board, c.clues);
        EXPECT_EQ(pathElements(svgPicture(board, &c.answer, options)), c.expected) << c.name;
    }
}

TEST(SvgPicture, CellSizeAndMarginAreKeptInRange) {
    Board board;
    setBoardPicture(board, {". . . . .", ". . . . ."});
    const struct {
        int cellSize, margin;
        const char* size;
    } cases[] = {
        {36, -1, "width=\"216\" height=\"108\""},   // half a cell around the board
        {3, -1, "width=\"48\" height=\"24\""},      // 8 at least
        {500, -1, "width=\"1200\" height=\"600\""}, // 200 at most
        {20, 0, "width=\"100\" height=\"40\""},
        {20, 5000, "width=\"260\" height=\"200\""}, // four cells at most
    };
    for (const auto& c : cases) {
        PictureOptions options;
        options.cellSize = c.cellSize;
        options.margin = c.margin;
        EXPECT_NE(svgPicture(board, nullptr, options).find(c.size), std::string::npos)
            << c.cellSize << " " << c.margin;
    }
    // A title line makes the picture taller; without info fields there is none.
    board.infoField2 = "作者";
    EXPECT_NE(svgPicture(board, nullptr, {}).find("width=\"216\" height=\"136\""),
              std::string::npos);
}

TEST(SvgPicture, PaletteStaysApartInGreyAndOnWhite) {
    auto grey = [](std::uint32_t rgb) {
        return 0.299 * (rgb >> 16) + 0.587 * ((rgb >> 8) & 0xff) + 0.114 * (rgb & 0xff);
    };
    for (std::size_t i = 1; i < PairPalette.size(); ++i)
        EXPECT_GE(grey(PairPalette[i]) - grey(PairPalette[i - 1]), 30) << i;
    EXPECT_LE(grey(PairPalette.back()), 180);
}

} // namespace
} // namespace corvane

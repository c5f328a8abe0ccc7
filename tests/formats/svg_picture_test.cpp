// SVG writer: paths recovered from sound and malformed answers; the palette's grey levels.
#include "board_picture.h"
#include "formats/svg_picture.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::answerFromPicture;
using testing::setBoardPicture;
using Rows = std::vector<std::string>;

/// The path elements of a picture as "polyline:POINTS" or "path:DATA", in document order.
std::vector<std::string> pathElements(const std::string& svg) {
    std::vector<std::string> found;
    const auto group = svg.find("<g id=\"paths\"");
    for (auto at = svg.find("\n<", group);
         group != std::string::npos && at != std::string::npos && svg.compare(at, 5, "\n</g>") != 0;
         at = svg.find("\n<", at + 1)) {
        const auto name = svg.substr(at + 2, svg.find(' ', at) - at - 2);
        const auto value = svg.find(name == "path" ? " d=\"" : " points=\"", at);
        const auto begin = svg.find('"', value) + 1;
        found.push_back(name + ":" + svg.substr(begin, svg.find('"', begin) - begin));
    }
    return found;
}

TEST(SvgPicture, PathsFollowTheAnswerAndMalformedAnswersFallBackToLinks) {
    // Cell size 10: the centre of column x is at 10x + 0.5.
    const struct {
        const char* name;
        Rows clues, answer;
        std::vector<std::string> expected;
    } cases[] = {
        {"turns only, from the first clue end",
         {"1 . .", ". . .", ". . 1"},
         {"1 . .", "1 1 1", ". . 1"},
         {"polyline:10.5,10.5 10.5,20.5 30.5,20.5 30.5,30.5"}},
        {"a clue end is preferred to a bare end",
         {". . .", ". . .", ". . 1"},
         {"1 . .", "1 1 1", ". . 1"},
         {"polyline:30.5,30.5 30.5,20.5 10.5,20.5 10.5,10.5"}},
        {"a branch",
         {"1 . 1", ". 1 ."},
         {"1 1 1", ". 1 ."},
         {"path:M10.5 10.5L20.5 10.5M20.5 10.5L30.5 10.5M20.5 10.5L20.5 20.5"}},
        {"a block of four",
         {"2 .", ". 2"},
         {"2 2", "2 2"},
         {"path:M10.5 10.5L20.5 10.5M10.5 10.5L10.5 20.5M20.5 10.5L20.5 20.5M10.5 20.5L20.5 20.5"}},
        {"a ring has no end",
         {"6 . 6", ". . .", ". . ."},
         {"6 6 6", "6 . 6", "6 6 6"},
         {"path:M10.5 10.5L20.5 10.5M10.5 10.5L10.5 20.5M20.5 10.5L30.5 10.5M30.5 10.5L30.5 "
          "20.5M10.5 20.5L10.5 30.5M30.5 20.5L30.5 30.5M10.5 30.5L20.5 30.5M20.5 30.5L30.5 30.5"}},
        {"two pieces",
         {"3 . . . 3"},
         {"3 3 . 3 3"},
         {"path:M10.5 10.5L20.5 10.5M40.5 10.5L50.5 10.5"}},
        {"a lone cell and values of no path", {"4 . . ."}, {"4 . 100 100"}, {}},
        {"pairs in number order",
         {"2 2", "1 1"},
         {"2 2", "1 1"},
         {"polyline:10.5,20.5 20.5,20.5", "polyline:10.5,10.5 20.5,10.5"}},
        {"an answer wider than the board is cut",
         {"5 5"},
         {"5 5 5"},
         {"polyline:10.5,10.5 20.5,10.5"}},
        {"an answer smaller than the board", {"7 .", ". 7"}, {"7"}, {}},
    };
    PictureOptions options;
    options.cellSize = 10;
    for (const auto& c : cases) {
        Board board;
        setBoardPicture(board, c.clues);
        const Answer answer = answerFromPicture(c.answer);
        EXPECT_EQ(pathElements(svgPicture(board, &answer, options)), c.expected) << c.name;
    }
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

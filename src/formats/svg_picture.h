// SVG pictures of a puzzle and of one of its answers, drawn like a printed puzzle.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace corvane {

class Answer;
struct Board;

/// How a picture is drawn; out-of-range values are brought into range.
struct PictureOptions {
    static constexpr int MinCellSize = 8;
    static constexpr int MaxCellSize = 200;
    static constexpr int DefaultCellSize = 36;

    int cellSize = DefaultCellSize; // pixels per cell, MinCellSize..MaxCellSize
    int margin = -1;                // white space around board and title; < 0: half a cell
    bool colourPerPair = false;     // each pair in its palette colour instead of black
    bool withTitle = true;          // a title line from the info fields when one is set
};

/// Path colours (0xRRGGBB) of pairs 1, 2, 3, ... in turn when each pair has its own colour.
/// Their grey levels (BT.601 luma) are 0, 43, 74, 105, 138 and 170 of 255: consecutive pairs
/// stay at least 30 levels apart on a greyscale print, and the lightest stays clear of white.
inline constexpr std::array<std::uint32_t, 6> PairPalette{0x000000, 0x0b2a80, 0xc8102e,
                                                          0x1a9a3a, 0xb066e0, 0xffa000};

/// The SVG document (UTF-8) of `board`: a white ground, a thin grid, a thick border and the
/// clue numbers; with `answer`, also each pair's path as one thick rounded line through the
/// cell centres, and a ring under each clue. The title line holds infoField1 on the left and
/// infoField2 (the author) on the right. Any answer is drawn without fault: a pair whose cells
/// form no simple path is drawn as the links between its equal neighbouring cells.
std::string svgPicture(const Board& board, const Answer* answer, const PictureOptions& options);

} // namespace corvane

// The eight search orientations: recommendation, direction choice and board/engine cell maps.
#pragma once

#include "model/cell_grid.h"

#include <array>
#include <string>

namespace corvane {

struct Board;
struct Session;

/// Direction ids, as the direction dialog's radio buttons number them.
inline constexpr int FirstSearchDirection = 1022;
inline constexpr int LastSearchDirection = 1029;

/// The tables that carry cells and directions between board and engine orientation.
struct Orientation {
    int searchDirection = FirstSearchDirection; // remembered for the whole run
    std::array<int, CellCount> uiToEngine{};    // board cell -> engine cell; 0 off the board
    std::array<int, CellCount> engineToUi{};    // engine cell -> board cell; 0 off the board
    std::array<int, 16> uiToEngineDir{};        // board direction bit -> engine direction bit
    int engineWidth = 0;                        // engine columns (board height when swapped)
    int engineHeight = 0;                       // engine rows
};

/// Label of a direction id ("左上から右へ", ...); empty for an unknown id.
std::string directionLabel(int direction);

/// True for the ids 1022..1029.
constexpr bool isSearchDirection(int direction) {
    return direction >= FirstSearchDirection && direction <= LastSearchDirection;
}

/// The direction recommended for the board's clue layout (pairCount pairs), or `previous`
/// when no candidate scores.
int recommendDirection(const Board& board, int pairCount, int previous);

/// Fills the maps and the engine size for `orientation.searchDirection` and the board's size.
void buildOrientation(const Board& board, Orientation& orientation);

/// Recommends a direction and, unless DirectAutoSelect is on, lets the user confirm or change
/// it in the direction dialog. False when the dialog was cancelled (the recommendation stays).
bool chooseSearchDirection(Session& session, Orientation& orientation, int pairCount);

} // namespace corvane

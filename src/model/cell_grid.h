// Fixed cell layout shared by every per-cell array: 128 x 128 cells, row-major.
#pragma once

namespace corvane {

inline constexpr int CellCount = 16384;   // entries of every per-cell array
inline constexpr int RowStride = 128;     // index distance between two rows
inline constexpr int OutsideCell = 1023;  // value that marks cells outside the board
inline constexpr int FirstBoardCell = 129; // row 1, column 1
inline constexpr int MaxBoardSide = 100;  // largest accepted width and height

/// Cell index of column x, row y (both counted from 1 for board cells).
constexpr int cellIndex(int x, int y) { return y * RowStride + x; }
/// Column of a cell index.
constexpr int cellColumn(int cell) { return cell & 0x7f; }
/// Row of a cell index.
constexpr int cellRow(int cell) { return cell >> 7; }

} // namespace corvane

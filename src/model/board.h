// The board model: size, clue cells, stored answers and file-related fields.
#pragma once

#include "model/cell_grid.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

class MainWindow;
struct SearchStatus;

/// Puzzle text formats; the numbering is the order of the format lists (the save dialog
/// lists pzprv3 after the three, where the open dialog has "自動判別").
enum PuzzleFormat : int {
    FormatKavrin = 0,
    FormatNsha = 1,
    FormatNshaC = 2,
    FormatAuto = 3,
    FormatPzprv3 = 4
};

/// One stored solution in board orientation, one byte per board cell: 0 = on no path,
/// k = on the path of pair k. Values of 100 and more (only files bring them) are kept as 100,
/// which every reader treats like any other value of 100 or more.
class Answer {
public:
    static constexpr int Saturated = 100;

    Answer() = default;
    Answer(int width, int height) : width_(width), height_(height), cells_(std::size_t(width) * height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    /// Value at a cell index of the 128-stride layout; OutsideCell off the board.
    int at(int cell) const {
        const int x = cellColumn(cell), y = cellRow(cell);
        if (cell < 0 || cell >= CellCount || x < 1 || x > width_ || y < 1 || y > height_)
            return OutsideCell;
        return cells_[std::size_t(y - 1) * width_ + (x - 1)];
    }
    /// Stores a value at a board cell; negative values store 0, large ones Saturated.
    void set(int cell, int value) {
        const int x = cellColumn(cell), y = cellRow(cell);
        if (cell < 0 || cell >= CellCount || x < 1 || x > width_ || y < 1 || y > height_) return;
        cells_[std::size_t(y - 1) * width_ + (x - 1)] =
            static_cast<std::uint8_t>(value < 0 ? 0 : (value > Saturated ? Saturated : value));
    }
    /// Bytes held for the cells.
    std::size_t byteSize() const { return cells_.size(); }
    /// The cell values row by row, width() values a row.
    const std::vector<std::uint8_t>& bytes() const { return cells_; }
    bool operator==(const Answer&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> cells_;
};

struct Board {
    int boardWidth = 10;
    int boardHeight = 10;
    int boardLastRowOffset = 10 * RowStride;
    std::array<int, CellCount> boardCells{}; // OutsideCell outside; 0 empty; n > 0 clue n
    int cursorCell = FirstBoardCell;
    std::vector<Answer> solutions;           // answer k of the view list is element k - 1
    std::uint64_t solutionsFound = 0;        // solutions the search found, kept or not
    std::string infoField1;                  // info line fields of the grid format, UTF-8
    std::string infoField2;
    std::string currentFilePath;             // UTF-8; no length limit
    int openFormatChoice = FormatKavrin;     // last format confirmed in the open dialog, 0..3
    int answerChoice = 0;                    // answer a save writes: 0 = clues, k = answer k
    bool modified = false;                   // clues or info fields edited since the last
                                             // load, save or new board

    Board();
    /// True when the cell index lies on the board.
    bool onBoard(int cell) const {
        const int x = cellColumn(cell), y = cellRow(cell);
        return cell >= 0 && cell < CellCount && x >= 1 && x <= boardWidth && y >= 1 &&
               y <= boardHeight;
    }
};

/// The text of view item k: "通常画面" for 0, "解 No." + k otherwise.
std::string viewItemText(int k);

/// Number of solutions to report: the search's full count, at least the answers held.
inline std::uint64_t solutionTotal(const Board& board) {
    return board.solutionsFound > board.solutions.size() ? board.solutionsFound
                                                         : board.solutions.size();
}

/// Empties `solutions` and the view list down to "通常画面", which it selects.
void clearSolutions(Board& board, MainWindow& window);

/// Copies the puzzle alone, its size and clue cells, from `from` into `to`; the answers, the
/// cursor and the file fields of `to` stay as they are.
void copyClues(const Board& from, Board& to);

/// Makes a new empty board, not modified. Returns false and changes nothing unless width <= 100
/// and 1 <= height <= 100 (callers check width >= 1 first; width < 1 is refused too).
bool resetBoard(Board& board, SearchStatus& status, MainWindow& window, int height, int width);

} // namespace corvane

// Pixel geometry and colours of the board view: cell origins, marks, half lines, numbers.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <array>
#include <unordered_map>

class QPainter;

namespace corvane {

/// Side length of one cell in pixels; column n spans x = 24(n - 1) .. 24n.
inline constexpr int BoardCellPixels = 24;

/// Colours of the board view.
namespace board_colour {
inline constexpr QRgb Background = qRgb(255, 255, 255);
inline constexpr QRgb Grid = qRgb(102, 102, 102); // dotted grid, earlier choice marks
inline constexpr QRgb Ink = qRgb(0, 0, 0);        // border, numbers, solution and same-path lines
inline constexpr QRgb Cursor = qRgb(0, 255, 255); // cursor cell, marks after the latest choice
inline constexpr QRgb FaintLine =
    qRgb(204, 204, 204);                          // a solution laid under the puzzle being edited
inline constexpr QRgb Choice = qRgb(0, 0, 255);   // the latest choice
inline constexpr QRgb Blank = qRgb(255, 255, 0);  // a cell that no path covers
inline constexpr QRgb OpenLink = qRgb(0, 255, 0); // a live link touching another or no path
inline constexpr QRgb Conflict = qRgb(255, 0, 0); // the cells of a contradiction
inline constexpr QRgb Varying = qRgb(255, 200, 200); // cells where stored solutions differ
} // namespace board_colour

/// The four sides of a cell in drawing order, with their direction bits and index steps.
enum class Side { Up, Right, Down, Left };
inline constexpr std::array<Side, 4> AllSides{Side::Up, Side::Right, Side::Down, Side::Left};
/// Direction bit of a side: Up 1, Right 2, Down 4, Left 8.
constexpr int sideBit(Side s) {
    return 1 << static_cast<int>(s);
}
/// Cell index step towards a side: -128, +1, +128, -1.
constexpr int sideStep(Side s) {
    constexpr std::array<int, 4> steps{-128, 1, 128, -1};
    return steps[static_cast<std::size_t>(s)];
}

/// Pixel origin (top-left grid corner) of the cell at a 128-stride index.
QPoint cellOrigin(int cell);

/// Inside of a cell, within its grid lines.
QRect cellFillRect(QPoint origin);
/// 4 x 4 mark in the cell's centre.
QRect smallMarkRect(QPoint origin);
/// 8 x 8 mark in the cell's centre.
QRect largeMarkRect(QPoint origin);
/// 2-pixel-wide line from the cell's centre to (and across) the grid line of one side.
QRect halfLineRect(QPoint origin, Side side);

/// Draws clue numbers centred in their cells in a legible, unsmoothed font; the font shrinks
/// for numbers too wide for a cell (files may bring clues of many digits).
class NumberPainter {
  public:
    explicit NumberPainter(QPainter& painter);
    /// Draws `value` in black in the number box of the cell at `origin`.
    void draw(QPoint origin, int value);

  private:
    QPainter& painter_;
    /// The font for a number of this many digits, shrunk until the number fits the box.
    const QFont& fontFor(const QString& text);

    std::array<QFont, 12> fonts_; // by decimal length of the text
    std::array<bool, 12> fontReady_{};
    std::unordered_map<int, QImage> rendered_; // each value drawn so far, black on transparent
};

/// Draws the red cross that marks a cell of a contradiction (solid pen, 2 pixels).
void drawConflictCross(QPainter& painter, QPoint origin);

} // namespace corvane

// Board view painting: the common frame and the pictures of the puzzle and stored solutions.
#include "app/board_painter.h"

#include "app/board_shapes.h"
#include "app/live_search_painter.h"
#include "model/answer_differences.h"
#include "model/session.h"

#include <QPainter>
#include <QPen>

namespace corvane {

namespace {

constexpr int CellPx = BoardCellPixels;

/// The dotted grid inside the board: 1-pixel grey lines, one pixel on and two off (the
/// platform's dotted pen), each line's pattern starting at its top or left end.
void drawGrid(QPainter& painter, int width, int height) {
    QPen pen(QColor(board_colour::Grid), 1, Qt::DotLine, Qt::FlatCap);
    pen.setCosmetic(true);
    painter.setPen(pen);
    // Each line ends one pixel short of the border, which covers its end anyway.
    for (int i = 2; i <= width; ++i)
        painter.drawLine(CellPx * (i - 1), 0, CellPx * (i - 1), CellPx * height - 1);
    for (int i = 2; i <= height; ++i)
        painter.drawLine(0, CellPx * (i - 1), CellPx * width - 1, CellPx * (i - 1));
}

/// The black outline around the board, one pixel wide, including the corner (24W, 24H).
void drawBorder(QPainter& painter, int width, int height) {
    const int r = CellPx * width, b = CellPx * height;
    const QColor ink(board_colour::Ink);
    painter.fillRect(QRect(0, 0, r + 1, 1), ink);
    painter.fillRect(QRect(0, b, r + 1, 1), ink);
    painter.fillRect(QRect(0, 0, 1, b + 1), ink);
    painter.fillRect(QRect(r, 0, 1, b + 1), ink);
}

/// Value of a stored solution that names a path (1..99); anything else is no path.
bool isPathValue(int v) {
    return v >= 1 && v <= 99;
}

/// Half lines of an empty cell towards neighbours on the same path of `answer`, leaving out
/// neighbours that `varying` (when given) marks.
void drawAnswerLines(QPainter& painter, const Answer& answer, int cell, int value, QRgb colour,
                     const CellMask* varying = nullptr) {
    const QPoint origin = cellOrigin(cell);
    for (Side side : AllSides) {
        const int next = cell + sideStep(side);
        if (answer.at(next) == value && !(varying && varying->test(next)))
            painter.fillRect(halfLineRect(origin, side), QColor(colour));
    }
}

/// Calls `visit(cell)` for every board cell in row-major order.
template <typename Visit> void forEachBoardCell(const Board& board, Visit visit) {
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x) visit(cellIndex(x, y));
}

void drawAllNumbers(QPainter& painter, const Board& board) {
    NumberPainter numbers(painter);
    forEachBoardCell(board, [&](int cell) {
        const int clue = board.boardCells[cell];
        if (clue > 0) numbers.draw(cellOrigin(cell), clue);
    });
}

/// The stored solution a view index names, or null when there is none.
const Answer* selectedAnswer(const Board& board, int viewIndex) {
    if (viewIndex < 1 || static_cast<std::size_t>(viewIndex) > board.solutions.size())
        return nullptr;
    return &board.solutions[static_cast<std::size_t>(viewIndex) - 1];
}

/// The varying cells of the stored solutions, when the choice carries them for exactly the
/// solutions stored now (two or more); otherwise null.
const CellMask* storedVarying(const Board& board, const ViewChoice& choice) {
    const VaryingCells* varying = choice.varying;
    if (!varying || board.solutions.size() < 2 || varying->answerCount() != board.solutions.size())
        return nullptr;
    const CellMask& cells = varying->cells();
    return cells.width == board.boardWidth && cells.height == board.boardHeight ? &cells : nullptr;
}

/// The varying cells filled light red.
void fillVarying(QPainter& painter, const Board& board, const CellMask& varying) {
    forEachBoardCell(board, [&](int cell) {
        if (varying.test(cell))
            painter.fillRect(cellFillRect(cellOrigin(cell)), QColor(board_colour::Varying));
    });
}

/// The paths every stored solution shares, drawn as in the first one: half lines between
/// empty cells and neighbours that do not vary; with `blanks`, the fixed cells that no path
/// covers in yellow.
void drawFixedPaths(QPainter& painter, const Board& board, const CellMask& varying, QRgb colour,
                    bool blanks) {
    const Answer& first = board.solutions.front();
    forEachBoardCell(board, [&](int cell) {
        const int v = first.at(cell);
        if (board.boardCells[cell] > 0 || varying.test(cell)) return;
        if (isPathValue(v))
            drawAnswerLines(painter, first, cell, v, colour, &varying);
        else if (blanks)
            painter.fillRect(cellFillRect(cellOrigin(cell)), QColor(board_colour::Blank));
    });
}

/// The editing tab: the background check's varying cells in light red, the cursor, a stored
/// solution in light grey (or, for "相違箇所", the varying cells in light red under the cursor
/// and the shared paths in light grey), the clues on top.
void paintEditing(QPainter& painter, const Session& session, const ViewChoice& choice) {
    const Board& board = session.board;
    if (choice.liveVarying && !searchInProgress(session.status.searchState))
        fillVarying(painter, board, *choice.liveVarying);
    const CellMask* varying = choice.varyingView ? storedVarying(board, choice) : nullptr;
    if (varying) fillVarying(painter, board, *varying);
    if (choice.viewHasFocus && board.onBoard(board.cursorCell))
        painter.fillRect(cellFillRect(cellOrigin(board.cursorCell)), QColor(board_colour::Cursor));
    if (varying) {
        drawFixedPaths(painter, board, *varying, board_colour::FaintLine, false);
    } else if (const Answer* answer = selectedAnswer(board, choice.viewIndex)) {
        forEachBoardCell(board, [&](int cell) {
            const int v = answer->at(cell);
            if (board.boardCells[cell] == 0 && isPathValue(v))
                drawAnswerLines(painter, *answer, cell, v, board_colour::FaintLine);
        });
    }
    drawAllNumbers(painter, board);
}

/// The yellow of a cell that no path covers, inset in a differing cell so that the light red
/// around it still shows that the cell differs.
QRect blankMarkRect(QPoint origin, bool differs) {
    constexpr int Inset = 5;
    const QRect cell = cellFillRect(origin);
    return differs ? cell.adjusted(Inset, Inset, -Inset, -Inset) : cell;
}

/// A stored solution on its own: black paths, yellow cells that no path covers, and light red
/// under the cells `differing` (when given) marks: under their paths, or around the yellow.
void paintAnswer(QPainter& painter, const Board& board, const Answer& answer,
                 const CellMask* differing) {
    NumberPainter numbers(painter);
    forEachBoardCell(board, [&](int cell) {
        const int clue = board.boardCells[cell];
        const int v = answer.at(cell);
        if (clue > 0) {
            numbers.draw(cellOrigin(cell), clue);
            return;
        }
        const bool differs = differing && differing->test(cell);
        if (differs)
            painter.fillRect(cellFillRect(cellOrigin(cell)), QColor(board_colour::Varying));
        if (isPathValue(v))
            drawAnswerLines(painter, answer, cell, v, board_colour::Ink);
        else
            painter.fillRect(blankMarkRect(cellOrigin(cell), differs), QColor(board_colour::Blank));
    });
}

} // namespace

void paintBoard(QPainter& painter, QSize size, const Session& session, const ViewChoice& choice,
                const SearchSession* search) {
    const Board& board = session.board;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(board_colour::Background));
    drawGrid(painter, board.boardWidth, board.boardHeight);
    drawBorder(painter, board.boardWidth, board.boardHeight);

    if (choice.selectedTab == 0) {
        paintEditing(painter, session, choice);
    } else if (choice.varyingView) {
        if (const CellMask* varying = storedVarying(board, choice)) {
            fillVarying(painter, board, *varying);
            drawFixedPaths(painter, board, *varying, board_colour::Ink, true);
        }
        drawAllNumbers(painter, board);
    } else if (choice.viewIndex > 0) {
        // The view list never lists more solutions than are stored; should it ever, the
        // clues alone are shown rather than reading past the stored solutions.
        if (const Answer* answer = selectedAnswer(board, choice.viewIndex)) {
            const CellMask differing = choice.viewIndex >= 2
                                           ? answerDifference(board.solutions.front(), *answer)
                                           : CellMask();
            paintAnswer(painter, board, *answer, choice.viewIndex >= 2 ? &differing : nullptr);
        } else {
            drawAllNumbers(painter, board);
        }
    } else if (searchInProgress(session.status.searchState) && search != nullptr) {
        paintLiveSearch(painter, board, *search);
    } else {
        drawAllNumbers(painter, board);
    }
}

void composeBoardImage(QImage& image, QSize size, qreal pixelRatio, const Session& session,
                       const ViewChoice& choice, const SearchSession* search) {
    const QSize pixels = size * pixelRatio;
    if (image.size() != pixels) image = QImage(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    paintBoard(painter, size, session, choice, search);
}

} // namespace corvane

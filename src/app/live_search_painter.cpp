// Live search painting: replays the undo trail into marks and draws the engine's links.
#include "app/live_search_painter.h"

#include "app/board_shapes.h"
#include "model/board.h"
#include "search/search_session.h"

#include <QPainter>
#include <algorithm>

namespace corvane {

namespace {

constexpr bool inCellRange(int cell) {
    return cell >= 0 && cell < CellCount;
}

/// Board cell of an engine cell, or 0 when it has none.
int boardCellOf(const Orientation& orientation, int engineCell) {
    if (!inCellRange(engineCell)) return 0;
    const int p = orientation.engineToUi[static_cast<std::size_t>(engineCell)];
    return inCellRange(p) ? p : 0;
}

/// Engine step of a direction bit; 0 for anything else.
int engineStep(int direction) {
    return direction >= 0 && direction < static_cast<int>(dirDelta.size())
               ? dirDelta[static_cast<std::size_t>(direction)]
               : 0;
}

/// Owner as the picture compares it: the pair number, or Blank for a blank, outside or
/// undecided cell.
int ownerPair(int owner) {
    return owner == Blank || (owner & 0xff) == 0 ? Blank : owner & 0xff;
}

/// Owner of a linked neighbour: the pair number (0 when undecided), or Blank.
int neighbourPair(int owner) {
    return owner == Blank ? Blank : owner & 0xff;
}

class TrailReplay {
  public:
    TrailReplay(QPainter& painter, const SearchSession& search)
        : painter_(painter), engine_(search.engine), orientation_(search.orientation),
          replayHead_(search.engine.endHome) {}

    /// Marks every record of the trail, oldest first.
    void run() {
        const int top = std::clamp(engine_.trailTop, 0, TrailCapacity);
        for (int i = 0; i < top; ++i) markRecord(i, engine_.trail[static_cast<std::size_t>(i)]);
    }

  private:
    void fill(int boardCell, const QRect& rect, QRgb colour) {
        if (boardCell != 0) painter_.fillRect(rect, QColor(colour));
    }
    void smallMark(int boardCell, QRgb colour) {
        fill(boardCell, smallMarkRect(cellOrigin(boardCell)), colour);
    }
    void largeMark(int boardCell) {
        fill(boardCell, largeMarkRect(cellOrigin(boardCell)), board_colour::Choice);
    }
    /// The marks of records after the latest choice: the moves forced by it.
    void laterMark(int i, int boardCell) {
        if (i > engine_.lastChoice) smallMark(boardCell, board_colour::Cursor);
    }

    void markRecord(int i, const TrailRecord& record) {
        const int latest = engine_.lastChoice;
        switch (record.kind) {
        case ChoiceCorner:
        case ChoiceLink: {
            const int p = boardCellOf(orientation_, record.a);
            if (i < latest)
                smallMark(p, board_colour::Grid);
            else
                largeMark(p);
            break;
        }
        case CellBlank: {
            const int p = boardCellOf(orientation_, record.a);
            fill(p, cellFillRect(cellOrigin(p)), board_colour::Blank);
            if (i == latest) largeMark(p);
            laterMark(i, p);
            break;
        }
        case LinkRight:
            laterMark(i, boardCellOf(orientation_, record.a));
            break;
        case LinkDown: {
            const int p = boardCellOf(orientation_, record.a);
            if (i == latest) largeMark(p);
            laterMark(i, p);
            break;
        }
        case HeadMove:
        case PairJoin: {
            if (record.a < 0 || record.a >= EndSlots) break;
            int& head = replayHead_[static_cast<std::size_t>(record.a)];
            laterMark(i, boardCellOf(orientation_, head));
            head += engineStep(record.b);
            break;
        }
        default:
            break; // blocked edges leave no mark
        }
    }

    QPainter& painter_;
    const Engine& engine_;
    const Orientation& orientation_;
    std::array<int, EndSlots> replayHead_; // replay position of every end
};

void drawConflicts(QPainter& painter, const SearchSession& search) {
    const Engine& engine = search.engine;
    const int count = std::min(engine.conflictCode, static_cast<int>(engine.conflictCells.size()));
    for (int j = 0; j < count; ++j) {
        const int p =
            boardCellOf(search.orientation, engine.conflictCells[static_cast<std::size_t>(j)]);
        if (p != 0) drawConflictCross(painter, cellOrigin(p));
    }
}

/// The engine's links of an empty board cell as half lines in board orientation.
void drawLinks(QPainter& painter, const SearchSession& search, int cell) {
    const Engine& engine = search.engine;
    const Orientation& orientation = search.orientation;
    const int e = orientation.uiToEngine[static_cast<std::size_t>(cell)];
    if (e <= 0 || !inCellRange(e)) return;
    const int owner = ownerPair(engine.cellOwner[static_cast<std::size_t>(e)]);
    const int links = engine.cellLinks[static_cast<std::size_t>(e)];
    for (Side side : AllSides) {
        const int d = orientation.uiToEngineDir[static_cast<std::size_t>(sideBit(side))];
        const int step = engineStep(d);
        if (step == 0 || (links & d) == 0 || !inCellRange(e + step)) continue;
        const int neighbour = neighbourPair(engine.cellOwner[static_cast<std::size_t>(e + step)]);
        const QRgb colour = neighbour == owner ? board_colour::Ink : board_colour::OpenLink;
        painter.fillRect(halfLineRect(cellOrigin(cell), side), QColor(colour));
    }
}

} // namespace

void paintLiveSearch(QPainter& painter, const Board& board, const SearchSession& search) {
    TrailReplay(painter, search).run();
    drawConflicts(painter, search);
    NumberPainter numbers(painter);
    for (int y = 1; y <= board.boardHeight; ++y) {
        for (int x = 1; x <= board.boardWidth; ++x) {
            const int cell = cellIndex(x, y);
            const int clue = board.boardCells[static_cast<std::size_t>(cell)];
            if (clue > 0)
                numbers.draw(cellOrigin(cell), clue);
            else
                drawLinks(painter, search, cell);
        }
    }
}

} // namespace corvane

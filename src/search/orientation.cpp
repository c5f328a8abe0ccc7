// Search orientations: the recommendation heuristic and the board/engine maps.
#include "search/orientation.h"

#include "model/board.h"
#include "model/main_window.h"
#include "model/session.h"

namespace corvane {

namespace {

struct DirectionInfo {
    const char* label;
    bool swap;
    std::array<int, 4> turned; // engine bits of board Up, Right, Down, Left
};

constexpr std::array<DirectionInfo, 8> Directions{{
    {"左上から右へ", false, {1, 2, 4, 8}},
    {"左上から下へ", true, {8, 4, 2, 1}},
    {"右上から左へ", false, {1, 8, 4, 2}},
    {"右上から下へ", true, {8, 1, 2, 4}},
    {"左下から右へ", false, {4, 2, 1, 8}},
    {"左下から上へ", true, {2, 4, 8, 1}},
    {"右下から左へ", false, {4, 8, 1, 2}},
    {"右下から上へ", true, {2, 1, 8, 4}},
}};

/// Engine cell (ex, ey) of board cell (x, y) on a W x H board.
int engineCellOf(int direction, int x, int y, int w, int h) {
    switch (direction) {
    case 1023:
        return cellIndex(y, x);
    case 1024:
        return cellIndex(w + 1 - x, y);
    case 1025:
        return cellIndex(y, w + 1 - x);
    case 1026:
        return cellIndex(x, h + 1 - y);
    case 1027:
        return cellIndex(h + 1 - y, x);
    case 1028:
        return cellIndex(w + 1 - x, h + 1 - y);
    case 1029:
        return cellIndex(h + 1 - y, w + 1 - x);
    default:
        return cellIndex(x, y);
    }
}

/// Score (A, B) of one candidate scan; `lines` and `cells` give the order of the scan.
struct Score {
    long long a = 0;
    long long b = 0;
};

class Scorer {
  public:
    explicit Scorer(const Board& board) : board_(board) {}
    void visit(int x, int y) {
        const int v = board_.boardCells[cellIndex(x, y)];
        if (v > 0) {
            ++seen_;
            int& counter = counters_[static_cast<std::size_t>(v & 0xff)];
            if (counter != 0)
                --open_;
            else
                ++open_;
            ++counter;
        }
        score_.a += seen_;
        score_.b += open_;
    }
    Score score() const { return score_; }

  private:
    const Board& board_;
    std::array<int, 256> counters_{};
    long long seen_ = 0;
    long long open_ = 0;
    Score score_;
};

} // namespace

std::string directionLabel(int direction) {
    if (!isSearchDirection(direction)) return {};
    return Directions[static_cast<std::size_t>(direction - FirstSearchDirection)].label;
}

int recommendDirection(const Board& board, int pairCount, int previous) {
    const int w = board.boardWidth, h = board.boardHeight;
    long long sumX = 0, sumY = 0;
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x)
            if (board.boardCells[cellIndex(x, y)] > 0) {
                sumX += x;
                sumY += y;
            }
    const long long n = pairCount;
    const bool top = sumY <= (h + 1) * n, bottom = sumY >= (h + 1) * n;
    const bool left = sumX <= (w + 1) * n, right = sumX >= (w + 1) * n;
    const bool rows = w <= h, columns = w >= h;

    // Scans rows or columns of the half nearest the starting side, in the candidate's order.
    auto scanRows = [&](bool fromTop, bool leftToRight) {
        Scorer s(board);
        const int count = fromTop ? h / 2 : h - (h + 3) / 2 + 1;
        for (int i = 0; i < count; ++i) {
            const int y = fromTop ? 1 + i : h - i;
            for (int j = 0; j < w; ++j) s.visit(leftToRight ? 1 + j : w - j, y);
        }
        return s.score();
    };
    auto scanColumns = [&](bool fromLeft, bool topToBottom) {
        Scorer s(board);
        const int count = fromLeft ? w / 2 : w - (w + 3) / 2 + 1;
        for (int i = 0; i < count; ++i) {
            const int x = fromLeft ? 1 + i : w - i;
            for (int j = 0; j < h; ++j) s.visit(x, topToBottom ? 1 + j : h - j);
        }
        return s.score();
    };

    int best = previous;
    Score bestScore;
    auto consider = [&](int id, bool eligible, auto scan) {
        if (!eligible) return;
        const Score s = scan();
        if (s.a > bestScore.a || (s.a == bestScore.a && s.b > bestScore.b)) {
            bestScore = s;
            best = id;
        }
    };
    consider(1022, rows && top, [&] { return scanRows(true, true); });
    consider(1023, columns && left, [&] { return scanColumns(true, true); });
    consider(1024, rows && top, [&] { return scanRows(true, false); });
    consider(1025, columns && right, [&] { return scanColumns(false, true); });
    consider(1026, rows && bottom, [&] { return scanRows(false, true); });
    consider(1027, columns && left, [&] { return scanColumns(true, false); });
    consider(1028, rows && bottom, [&] { return scanRows(false, false); });
    consider(1029, columns && right, [&] { return scanColumns(false, false); });
    return best;
}

void buildOrientation(const Board& board, Orientation& orientation) {
    if (!isSearchDirection(orientation.searchDirection))
        orientation.searchDirection = FirstSearchDirection;
    const int direction = orientation.searchDirection;
    const DirectionInfo& info =
        Directions[static_cast<std::size_t>(direction - FirstSearchDirection)];
    const int w = board.boardWidth, h = board.boardHeight;
    orientation.uiToEngine.fill(0);
    orientation.engineToUi.fill(0);
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x) {
            const int e = engineCellOf(direction, x, y, w, h);
            orientation.uiToEngine[static_cast<std::size_t>(cellIndex(x, y))] = e;
            orientation.engineToUi[static_cast<std::size_t>(e)] = cellIndex(x, y);
        }
    orientation.uiToEngineDir.fill(0);
    for (int i = 0; i < 4; ++i)
        orientation.uiToEngineDir[static_cast<std::size_t>(1 << i)] =
            info.turned[static_cast<std::size_t>(i)];
    orientation.engineWidth = info.swap ? h : w;
    orientation.engineHeight = info.swap ? w : h;
}

bool chooseSearchDirection(Session& session, Orientation& orientation, int pairCount) {
    orientation.searchDirection =
        recommendDirection(session.board, pairCount, orientation.searchDirection);
    if (session.settings.directAutoSelect != 0) return true;
    int chosen = orientation.searchDirection;
    if (!session.window.directionDialog(chosen)) return false;
    if (isSearchDirection(chosen)) orientation.searchDirection = chosen;
    return true;
}

} // namespace corvane

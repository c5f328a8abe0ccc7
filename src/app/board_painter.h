// Composes the board view's picture: grid, border, and the picture for the tab and view chosen.
#pragma once

#include <QImage>

class QPainter;

namespace corvane {

struct Session;
struct SearchSession;
struct CellMask;
class VaryingCells;

/// What the board view shows besides the board itself.
struct ViewChoice {
    int selectedTab = 0;       // 0 editing tab, 1 search tab
    int viewIndex = 0;         // 0 the plain board, k stored solution k
    bool viewHasFocus = false; // the cursor is highlighted only while the view has the focus
    bool varyingView = false;  // "相違箇所": where the stored solutions differ (viewIndex is 0)
    const VaryingCells* varying = nullptr; // the stored solutions' varying cells; may be null
    const CellMask* liveVarying = nullptr; // the background check's two solutions' differences
};

/// Paints the whole picture of a view of `size` pixels: white ground, dotted grid, border,
/// then the puzzle with cursor and faint solution (editing tab; under them, in light red, the
/// cells `choice.liveVarying` marks unless a search is running or paused), the clues alone,
/// the live search (search tab while a search is running or paused; needs `search`), a stored
/// solution (search tab; from the second on, the cells where it differs from the first in
/// light red under its paths) or the varying cells of the stored solutions in light red with
/// the paths they all share (either tab; needs `choice.varying` in step with the solutions).
void paintBoard(QPainter& painter, QSize size, const Session& session, const ViewChoice& choice,
                const SearchSession* search);

/// Composes the picture off screen into `image`, reallocating it only when the size changes.
void composeBoardImage(QImage& image, QSize size, qreal pixelRatio, const Session& session,
                       const ViewChoice& choice, const SearchSession* search);

} // namespace corvane

// Fitting the main window to its screen: a scroll area for boards too big to show whole, and
// the window centred on its screen whenever its size changes.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QScrollArea;
class QWidget;

namespace corvane {

class BoardView;

/// What the window must hold besides the board's display area, and where it must fit.
struct FitLimits {
    QSize room;           // client size the window may take: the screen's less its frame
    QMargins tabMargins;  // the tab control around its display area
    int columnWidth = 0;  // the command column right of the tab control
    int columnHeight = 0; // client height the command column needs
    int scrollBarExtent = 0;
};

/// The display area for a board whose display is `board` pixels: `board` itself when the
/// window then fits in `limits.room`; otherwise the largest area that fits, with room for the
/// scroll bars the board then needs (a bar in one direction is given space in the other when
/// the window has it, so that only the direction that overflows scrolls).
QSize fittedDisplaySize(QSize board, const FitLimits& limits);

/// Keeps the main window inside the available geometry of its screen. While the board fits,
/// the board view is a direct child of the window over the tab's display area; when it does
/// not, the view moves into a scroll area there, which follows the cursor.
class WindowFit : public QObject {
    Q_OBJECT
  public:
    /// Frame assumed around the window while the window system has not told its own.
    static constexpr QMargins FrameReserve{8, 40, 8, 8};

    /// `view` is a direct child of `window`; it stays so while the board fits.
    WindowFit(QWidget* window, BoardView* view);

    /// The window's client size may not pass this on its screen.
    QSize clientRoom() const;
    /// Shows the board in `display` (window coordinates): the view itself when `display` has
    /// the size of the board (`boardSize`), otherwise the scroll area with the view inside it,
    /// scrolled to the cursor.
    void placeBoard(const QRect& display, QSize boardSize);
    /// Centres the window (with its frame) on its screen's available geometry when its size
    /// differs from `previousSize`, or when its frame lies outside that geometry.
    void centreAfterResize(QSize previousSize);
    /// Scrolls the scroll area, when it is in use, so that the cursor cell is visible.
    void showCursor();

    /// The scroll area; null until a board first needed it.
    QScrollArea* scrollArea() const { return area_; }
    /// True while the board view lies in the scroll area.
    bool scrolling() const;

  private:
    QMargins frameMargins() const;
    void moveView(QWidget* parent);
    void enterScrollArea();
    void leaveScrollArea();

    QWidget* window_;
    BoardView* view_;
    QScrollArea* area_ = nullptr; // its widget holds the view while the board scrolls
};

} // namespace corvane

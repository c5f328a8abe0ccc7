// Fitting the main window to its screen: a scroll area for boards too big to show whole, and
// the window centred on its screen whenever its size changes.
#include "app/window_fit.h"

#include "app/board_view.h"
#include "model/session.h"

#include <QScreen>
#include <QScrollArea>
#include <QWindow>
#include <algorithm>

namespace corvane {

namespace {

constexpr int MinScrolledCells = 5; // a scrolled display is never narrower or lower than this

int marginWidth(const QMargins& m) {
    return m.left() + m.right();
}

int marginHeight(const QMargins& m) {
    return m.top() + m.bottom();
}

} // namespace

QSize fittedDisplaySize(QSize board, const FitLimits& limits) {
    const int aroundWidth = marginWidth(limits.tabMargins) + limits.columnWidth;
    const int aroundHeight = marginHeight(limits.tabMargins);
    if (board.width() + aroundWidth <= limits.room.width() &&
        board.height() + aroundHeight <= limits.room.height())
        return board;

    const int smallest = MinScrolledCells * BoardView::CellPixels + 1;
    const int maxWidth = std::max(limits.room.width() - aroundWidth, smallest);
    const int maxHeight = std::max(
        {limits.room.height() - aroundHeight, smallest, limits.columnHeight - aroundHeight});
    // A scroll bar takes room from the other direction, which may then overflow too.
    bool across = board.width() > maxWidth;
    bool down = board.height() > maxHeight;
    for (int pass = 0; pass < 2; ++pass) {
        across = board.width() + (down ? limits.scrollBarExtent : 0) > maxWidth;
        down = board.height() + (across ? limits.scrollBarExtent : 0) > maxHeight;
    }
    const int width = board.width() + (down ? limits.scrollBarExtent : 0);
    const int height = board.height() + (across ? limits.scrollBarExtent : 0);
    return {std::min(width, maxWidth), std::min(height, maxHeight)};
}

WindowFit::WindowFit(QWidget* window, BoardView* view)
    : QObject(window), window_(window), view_(view) {
    connect(view_, &BoardView::cursorShown, this, &WindowFit::showCursor);
}

QMargins WindowFit::frameMargins() const {
    // The window system reports the frame once the window is shown; until then, assume one.
    const QWindow* handle = window_->windowHandle();
    const QMargins known = handle && window_->isVisible() ? handle->frameMargins() : QMargins();
    return known.isNull() ? FrameReserve : known;
}

QSize WindowFit::clientRoom() const {
    const QScreen* screen = window_->screen();
    if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QMargins frame = frameMargins();
    const QSize available = screen->availableGeometry().size();
    return {available.width() - marginWidth(frame), available.height() - marginHeight(frame)};
}

bool WindowFit::scrolling() const {
    return view_->parentWidget() != window_;
}

void WindowFit::placeBoard(const QRect& display, QSize boardSize) {
    if (display.size() == boardSize) {
        if (scrolling()) leaveScrollArea();
        if (area_) area_->hide();
        view_->setGeometry(display);
        view_->raise();
        return;
    }
    if (!scrolling()) enterScrollArea();
    view_->setGeometry(QRect(QPoint(0, 0), boardSize));
    area_->widget()->resize(boardSize);
    area_->setGeometry(display);
    area_->show();
    area_->raise();
    showCursor();
}

void WindowFit::moveView(QWidget* parent) {
    // Within one window a new parent keeps the view's place in the keyboard order. The focus
    // it holds, or will get once the window is activated (a file read at start-up), stays.
    const bool focused = view_->hasFocus() || window_->focusWidget() == view_;
    view_->setParent(parent);
    view_->show();
    if (focused) view_->setFocus();
}

void WindowFit::enterScrollArea() {
    if (!area_) {
        area_ = new QScrollArea(window_);
        area_->setObjectName(QStringLiteral("boardScrollArea"));
        area_->setFrameShape(QFrame::NoFrame);
        area_->setFocusPolicy(Qt::NoFocus); // the keys belong to the board view
        area_->setWidgetResizable(false);
        // The view is laid on a holder the area owns, so that it can go back to the window.
        auto* holder = new QWidget;
        holder->setFocusPolicy(Qt::NoFocus);
        area_->setWidget(holder);
    }
    moveView(area_->widget());
}

void WindowFit::leaveScrollArea() {
    moveView(window_);
}

void WindowFit::showCursor() {
    if (!scrolling()) return;
    const int cursor = view_->cursorCell();
    const int half = BoardView::CellPixels / 2;
    const int x = (cellColumn(cursor) - 1) * BoardView::CellPixels + half;
    const int y = (cellRow(cursor) - 1) * BoardView::CellPixels + half;
    area_->ensureVisible(x, y, half + 1, half + 1);
}

void WindowFit::centreAfterResize(QSize previousSize) {
    const QScreen* screen = window_->screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameMargins();
    const QSize outer = window_->size().grownBy(frame);
    const QRect current(window_->pos(), outer);
    if (window_->size() == previousSize && available.contains(current)) return;
    // Centred; a window larger than the screen keeps its top left corner on it.
    const int x = available.x() + std::max(0, (available.width() - outer.width()) / 2);
    const int y = available.y() + std::max(0, (available.height() - outer.height()) / 2);
    window_->move(x, y);
}

} // namespace corvane

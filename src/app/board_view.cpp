// The board view widget: off-screen painting, keys to the cell editor, mouse and focus.
#include "app/board_view.h"

#include "app/board_painter.h"
#include "app/cell_editor.h"
#include "model/main_window.h"
#include "model/session.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace corvane {

BoardView::BoardView(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent); // every paint covers the whole view
}

void BoardView::setSelectedTab(int tab) {
    if (tab == selectedTab_) return;
    selectedTab_ = tab;
    update();
}

void BoardView::setViewIndex(int index) {
    if (index == viewIndex_) return;
    viewIndex_ = index;
    update();
}

void BoardView::setSearchSession(const SearchSession* search) {
    search_ = search;
    update();
}

void BoardView::setVaryingView(bool on) {
    if (on == varyingView_) return;
    varyingView_ = on;
    update();
}

void BoardView::setVaryingCells(const VaryingCells* varying) {
    varying_ = varying;
    update();
}

void BoardView::setLiveVarying(const CellMask* cells) {
    liveVarying_ = cells;
    update();
}

int BoardView::cursorCell() const {
    return session_.board.cursorCell;
}

bool BoardView::handleBoardKey(int key, Qt::KeyboardModifiers modifiers) {
    switch (editCellByKey(session_, selectedTab_ == 0, key, modifiers)) {
    case EditOutcome::NotConsumed:
        return false;
    case EditOutcome::Consumed:
        return true;
    case EditOutcome::CellChanged:
        Q_EMIT boardEdited();
        session_.window.refreshControls(false);
        Q_EMIT cursorShown();
        return true;
    case EditOutcome::CursorMoved:
        update();
        Q_EMIT cursorShown();
        return true;
    }
    return true;
}

bool BoardView::event(QEvent* event) {
    // Editor keys are taken here, before shortcuts and the window's focus navigation see them;
    // any other key (Tab, Return, Escape, ...) goes on as usual.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isCellEditorKey(key->key(), key->modifiers())) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (handleBoardKey(key->key(), key->modifiers())) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void BoardView::paintEvent(QPaintEvent*) {
    ViewChoice choice{selectedTab_, viewIndex_, hasFocus(), varyingView_, varying_};
    choice.liveVarying = liveVarying_;
    composeBoardImage(offscreen_, size(), devicePixelRatioF(), session_, choice, search_);
    QPainter painter(this);
    painter.drawImage(0, 0, offscreen_);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        session_.board.cursorCell = cellAtPixel(at.x(), at.y());
        setFocus(Qt::MouseFocusReason);
        update();
    } else if (event->button() == Qt::RightButton) {
        if (eraseCellByClick(session_, selectedTab_ == 0, at.x(), at.y())) Q_EMIT boardEdited();
        setFocus(Qt::MouseFocusReason);
        session_.window.refreshControls(false);
        update();
    } else {
        QWidget::mousePressEvent(event);
        return;
    }
    Q_EMIT cursorShown();
    event->accept();
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The press that began the double click already moved the cursor; the second one only
    // asks for the editing tab. A right double click does nothing more than its first press.
    if (event->button() == Qt::LeftButton) Q_EMIT editingTabRequested();
    event->accept();
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update(); // the cursor is highlighted only while the view has the focus
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace corvane

// The main window on an 800 x 600 screen: big boards scroll inside a window that fits, small
// ones keep the plain layout.
#include "app/board_view.h"
#include "app/command_menu.h"
#include "app/main_dialog.h"
#include "app/tab_control.h"
#include "app/window_fit.h"
#include "temp_dir.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

/// Lets GoogleTest print rectangles in failure messages.
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace corvane {
namespace {

using testing::TempDir;

struct SmallScreenTest : ::testing::Test {
    MainDialog window{nullptr, Settings{}};
    TempDir dir;

    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QRect available() const { return window.screen()->availableGeometry(); }
    /// Loads a `width` x `height` board with clue 1 in two corners.
    void loadBoard(int width, int height) {
        const std::string text = "w" + std::to_string(width) + "h" + std::to_string(height) +
                                 "n1s" + std::to_string(width * height - 2) + "n1\r\n";
        testing::writeBytes(dir / "board.txt", text);
        window.openFile((dir / "board.txt").string());
        ASSERT_EQ(window.session().board.boardWidth, width);
        QCoreApplication::processEvents();
    }
    /// The cursor cell's rectangle as the scroll area's viewport shows it.
    QRect cursorInViewport() {
        const int cursor = window.session().board.cursorCell;
        const QRect cell((cellColumn(cursor) - 1) * 24, (cellRow(cursor) - 1) * 24, 25, 25);
        return QRect(
            window.boardView()->mapTo(window.windowFit()->scrollArea()->viewport(), cell.topLeft()),
            cell.size());
    }
    void expectCommandColumnShown() {
        for (QWidget* w : {static_cast<QWidget*>(window.newBoardButton()),
                           static_cast<QWidget*>(window.loadButton()),
                           static_cast<QWidget*>(window.saveButton()),
                           static_cast<QWidget*>(window.commandMenu()->button()),
                           static_cast<QWidget*>(window.startButton()),
                           static_cast<QWidget*>(window.pauseButton()),
                           static_cast<QWidget*>(window.resumeButton()),
                           static_cast<QWidget*>(window.viewSelector()),
                           static_cast<QWidget*>(window.statusPanel())}) {
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(window.rect().contains(w->geometry())) << w->metaObject()->className();
            EXPECT_EQ(window.childAt(w->geometry().center()), w) << w->metaObject()->className();
        }
    }
};

TEST_F(SmallScreenTest, TheScreenIsTheConfiguredOne) {
    EXPECT_EQ(window.screen()->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(available(), QRect(0, 0, 800, 600));
}

TEST_F(SmallScreenTest, BigBoardScrollsInAWindowInsideTheScreen) {
    loadBoard(100, 100);
    EXPECT_TRUE(available().contains(window.frameGeometry()))
        << ::testing::PrintToString(window.frameGeometry());
    EXPECT_LE((window.frameGeometry().center() - available().center()).manhattanLength(), 2);
    QScrollArea* area = window.windowFit()->scrollArea();
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->isVisible());
    EXPECT_EQ(window.boardView()->size(), QSize(2401, 2401));
    expectCommandColumnShown();
    // The scroll area covers the tab's display area as the view would.
    QWidget* page = window.tabControl()->currentWidget();
    EXPECT_EQ(area->geometry(), QRect(page->mapTo(&window, QPoint(0, 0)), page->size()));

    // The cursor follows the arrow keys; a load brings the view back to it.
    window.boardView()->setFocus();
    for (int i = 0; i < 70; ++i) QTest::keyClick(window.boardView(), Qt::Key_Right);
    for (int i = 0; i < 80; ++i) QTest::keyClick(window.boardView(), Qt::Key_Down);
    EXPECT_EQ(window.session().board.cursorCell, cellIndex(71, 81));
    EXPECT_TRUE(area->viewport()->rect().contains(cursorInViewport()))
        << ::testing::PrintToString(cursorInViewport());
    EXPECT_GT(area->horizontalScrollBar()->value(), 0);
    loadBoard(100, 100);
    EXPECT_EQ(area->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);

    // The wheel turned over the board scrolls it: the view leaves the event to the area.
    auto wheel = [] {
        return QWheelEvent(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120),
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    };
    QWheelEvent overView = wheel();
    QCoreApplication::sendEvent(window.boardView(), &overView);
    EXPECT_FALSE(overView.isAccepted());
    QWheelEvent overArea = wheel();
    QCoreApplication::sendEvent(area->viewport(), &overArea);
    EXPECT_GT(area->verticalScrollBar()->value(), 0);
}

TEST_F(SmallScreenTest, BoardsThatFitKeepThePlainLayoutAndKeyboardOrder) {
    QWidget* view = window.boardView();
    const QRect plain = view->geometry();
    const QSize plainSize = window.size();
    ASSERT_EQ(view->nextInFocusChain(), window.newBoardButton());
    // Too tall only: the view scrolls down, not across.
    loadBoard(20, 30);
    QScrollArea* area = window.windowFit()->scrollArea();
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_TRUE(available().contains(window.frameGeometry()));
    view->setFocus();
    loadBoard(10, 10);
    EXPECT_EQ(view->parentWidget(), &window);
    EXPECT_FALSE(area->isVisible());
    EXPECT_EQ(view->geometry(), plain);
    EXPECT_EQ(window.size(), plainSize);
    EXPECT_EQ(window.childAt(plain.center()), view);
    EXPECT_EQ(view->nextInFocusChain(), window.newBoardButton());
    EXPECT_TRUE(view->hasFocus());
}

TEST(FittedDisplaySize, ScrollsOnlyTheDirectionsThatOverflow) {
    // Room 600 x 400 for a display with 10 pixels of tab around it and a 100-wide column.
    const FitLimits limits{QSize(600, 400), QMargins(5, 5, 5, 5), 100, 300, 16};
    const struct {
        QSize board, display;
    } rows[] = {
        {{490, 390}, {490, 390}}, // fits exactly: unchanged
        {{300, 500}, {316, 390}}, // too tall: a vertical bar beside the whole width
        {{478, 500}, {490, 390}}, // too tall, and its bar makes it too wide as well
        {{900, 200}, {490, 216}}, // too wide: a horizontal bar under the whole height
        {{900, 900}, {490, 390}}, // both
    };
    for (const auto& row : rows)
        EXPECT_EQ(fittedDisplaySize(row.board, limits), row.display) << row.board.width();
}

} // namespace
} // namespace corvane

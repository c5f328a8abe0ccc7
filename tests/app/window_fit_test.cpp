// The main window on an 800 x 600 screen: big boards scroll inside a window that fits, small
// ones keep the plain layout.
#include "app/app_main.h"
#include "app/board_view.h"
#include "app/command_menu.h"
#include "app/main_dialog.h"
#include "app/window_fit.h"
#include "temp_dir.h"
#include "watchdog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace corvane {
namespace {

struct SmallScreenTest : ::testing::Test {
    MainDialog window{nullptr, Settings{}};
    testing::TempDir dir;

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_EQ(window.screen()->availableGeometry(), QRect(0, 0, 800, 600));
    }
    /// Loads a `width` x `height` board and checks that the window, frame included, lies
    /// centred inside the screen.
    void loadBoard(int width, int height) {
        testing::writeBytes(dir / "board.txt",
                            "w" + std::to_string(width) + "h" + std::to_string(height) + "n1\r\n");
        window.openFile((dir / "board.txt").string());
        QCoreApplication::processEvents();
        ASSERT_EQ(window.session().board.boardWidth, width);
        const QRect screen = window.screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(window.frameGeometry()));
        EXPECT_LE((window.frameGeometry().center() - screen.center()).manhattanLength(), 2);
    }
    /// True when the cursor cell lies wholly in the scroll area's viewport.
    bool cursorShown() {
        QWidget* viewport = window.windowFit()->scrollArea()->viewport();
        const int cursor = window.session().board.cursorCell;
        const QPoint cell((cellColumn(cursor) - 1) * 24, (cellRow(cursor) - 1) * 24);
        const QPoint at = window.boardView()->mapTo(viewport, cell);
        return viewport->rect().contains(QRect(at, QSize(25, 25)));
    }
};

TEST_F(SmallScreenTest, BigBoardScrollsInAWindowInsideTheScreen) {
    loadBoard(100, 100);
    QScrollArea* area = window.windowFit()->scrollArea();
    ASSERT_TRUE(area && area->isVisible());
    EXPECT_EQ(window.boardView()->size(), QSize(2401, 2401));
    for (QWidget* w : std::initializer_list<QWidget*>{
             window.newBoardButton(), window.loadButton(), window.saveButton(),
             window.commandMenu()->button(), window.startButton(), window.pauseButton(),
             window.resumeButton(), window.viewSelector(), window.statusPanel()})
        EXPECT_EQ(window.childAt(w->geometry().center()), w) << w->metaObject()->className();

    // The cursor follows the arrow keys; a load brings the view back to it.
    for (int i = 0; i < 70; ++i) QTest::keyClick(window.boardView(), Qt::Key_Right);
    for (int i = 0; i < 80; ++i) QTest::keyClick(window.boardView(), Qt::Key_Down);
    EXPECT_EQ(window.session().board.cursorCell, cellIndex(71, 81));
    EXPECT_TRUE(cursorShown());
    loadBoard(100, 100);
    EXPECT_EQ(area->horizontalScrollBar()->value() + area->verticalScrollBar()->value(), 0);

    // The view leaves the wheel to the area, which scrolls.
    for (QWidget* target : {static_cast<QWidget*>(window.boardView()), area->viewport()}) {
        QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &wheel);
        EXPECT_EQ(wheel.isAccepted(), target != window.boardView());
    }
    EXPECT_GT(area->verticalScrollBar()->value(), 0);
}

TEST_F(SmallScreenTest, BoardsThatFitKeepThePlainLayoutAndKeyboardOrder) {
    QWidget* view = window.boardView();
    const QRect plain = view->geometry();
    const QSize plainSize = window.size();
    ASSERT_EQ(view->nextInFocusChain(), window.newBoardButton());
    loadBoard(20, 30); // too tall only: it scrolls down, not across
    QScrollArea* area = window.windowFit()->scrollArea();
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    view->setFocus();
    loadBoard(10, 10);
    EXPECT_EQ(view->parentWidget(), &window);
    EXPECT_FALSE(area->isVisible());
    EXPECT_EQ(view->geometry(), plain);
    EXPECT_EQ(window.size(), plainSize);
    EXPECT_EQ(view->nextInFocusChain(), window.newBoardButton());
    EXPECT_TRUE(view->hasFocus());
}

TEST(SmallScreenStartup, BigPuzzleNamedOnTheCommandLineIsPlacedAndFocusedLikeALoad) {
    // The program's own start: the window is shown, and the file is read as soon as it is on
    // the screen, which may be before the window system has activated it. Digits typed next
    // must reach the board.
    testing::TempDir dir;
    testing::writeBytes(dir / "big.txt", "w30h30s1n1s897n1\r\n"); // (1, 1) empty
    bool checked = false;
    QTimer::singleShot(0, [&checked] {
        MainDialog* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<MainDialog*>(w); d && d->isVisible()) window = d;
        ASSERT_NE(window, nullptr);
        const bool ready =
            QTest::qWaitFor([window] { return window->session().board.boardWidth == 30; },
                            testing::WatchdogMs) &&
            QTest::qWaitForWindowActive(window, testing::WatchdogMs);
        EXPECT_TRUE(ready);
        if (ready) {
            EXPECT_TRUE(window->windowFit()->scrolling());
            EXPECT_EQ(QApplication::focusWidget(), window->boardView());
            EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
            EXPECT_EQ(window->session().board.boardCells[cellIndex(1, 1)], 7);
            checked = true;
        }
        window->session().board.modified = false; // closing asks nothing
        window->close();
    });
    const std::string file = (dir / "big.txt").string();
    std::vector<char> arg1(file.begin(), file.end());
    arg1.push_back('\0');
    char arg0[] = "corvane";
    char* argv[] = {arg0, arg1.data(), nullptr};
    EXPECT_EQ(runMainWindow(2, argv, dir / "config.ini"), 0);
    EXPECT_TRUE(checked);

    // Read into a window not yet active, where the board moves into its scroll area: the
    // focus is the board's once the window is activated.
    MainDialog hidden(nullptr, Settings{});
    hidden.openFile(file);
    ASSERT_TRUE(hidden.windowFit()->scrolling());
    hidden.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hidden, testing::WatchdogMs));
    EXPECT_EQ(QApplication::focusWidget(), hidden.boardView());
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
    };
    for (const auto& row : rows)
        EXPECT_EQ(fittedDisplaySize(row.board, limits), row.display) << row.board.width();
}

} // namespace
} // namespace corvane

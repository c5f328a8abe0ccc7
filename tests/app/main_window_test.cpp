// The main window: start-up state, enable table, layout, tabs, keys, drops, queued input.
#include "app/board_view.h"
#include "app/command_menu.h"
#include "app/main_dialog.h"
#include "app/tab_control.h"
#include "gui_support.h"
#include "temp_dir.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::ModalAnswerer;
using testing::TempDir;

/// A shown main window with default settings (nothing persisted).
struct WindowFixture : ::testing::Test {
    explicit WindowFixture(int debugMode = 0) : window(nullptr, settingsWith(debugMode)) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    static Settings settingsWith(int debugMode) {
        Settings s;
        s.debugMode = debugMode;
        return s;
    }
    void setState(SearchState state) {
        window.session().status.searchState = state;
        window.refreshControls(false);
    }
    /// Clicks tab `index` on the tab bar as a user does.
    void clickTab(int index) {
        QTabBar* bar = window.tabControl()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void resizeBoard(int width, int height) {
        ASSERT_TRUE(
            resetBoard(window.session().board, window.session().status, window, height, width));
        window.layoutMainDialog();
        QCoreApplication::processEvents();
    }
    MainDialog window;
    ModalAnswerer answerer; // a box a faulty command opens must not hang the test
};

TEST_F(WindowFixture, StartsWithEmptyBoardOnEditingTabAndUnmeasuredStatus) {
    const Session& s = window.session();
    EXPECT_EQ(window.windowTitle(), "Corvane");
    EXPECT_EQ(s.board.boardWidth, 10);
    EXPECT_EQ(s.board.boardHeight, 10);
    EXPECT_EQ(s.board.cursorCell, cellIndex(1, 1));
    EXPECT_EQ(s.status.searchState, SearchState::Idle);
    EXPECT_EQ(window.tabControl()->currentIndex(), MainDialog::EditingTab);
    EXPECT_EQ(window.tabControl()->tabText(0), QString::fromUtf8("問題編集"));
    EXPECT_EQ(window.tabControl()->tabText(1), QString::fromUtf8("解答探索"));
    EXPECT_EQ(window.viewSelector()->count(), 1);
    EXPECT_EQ(window.viewSelector()->currentText(), QString::fromUtf8("通常画面"));
    EXPECT_EQ(window.statusPanel()->text(),
              QString::fromUtf8("ステップ数\n0\n経過時間\n--:--:--.---\n"));
    EXPECT_TRUE(window.boardView()->hasFocus());
    EXPECT_TRUE(window.debugStopStep()->isHidden());
}

struct DebugWindowFixture : WindowFixture {
    DebugWindowFixture() : WindowFixture(1) {}
};

TEST_F(DebugWindowFixture, StopStepFieldShownWithZeroAndTakesDigitsOnly) {
    QLineEdit* field = window.debugStopStep();
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(field->text(), "0");
    field->clear();
    QTest::keyClicks(field, "12a-3");
    EXPECT_EQ(window.readStopStepText(), "123");
    // The field lies inside the window even for the smallest board.
    resizeBoard(1, 1);
    EXPECT_TRUE(window.rect().contains(field->geometry()));
}

TEST_F(WindowFixture, EnableTableInEveryState) {
    struct Row {
        SearchState state;
        bool others, pause, resume;
    };
    const Row rows[] = {{SearchState::Idle, true, false, false},
                        {SearchState::Running, false, true, false},
                        {SearchState::Finished, true, false, false},
                        {SearchState::PauseRequested, true, false, false},
                        {SearchState::Paused, true, false, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.state));
        setState(row.state);
        for (QWidget* w : {static_cast<QWidget*>(window.boardView()),
                           static_cast<QWidget*>(window.newBoardButton()),
                           static_cast<QWidget*>(window.loadButton()),
                           static_cast<QWidget*>(window.saveButton()),
                           static_cast<QWidget*>(window.startButton()),
                           static_cast<QWidget*>(window.debugStopStep())})
            EXPECT_EQ(w->isEnabled(), row.others) << w->metaObject()->className();
        EXPECT_EQ(window.pauseButton()->isEnabled(), row.pause);
        EXPECT_EQ(window.resumeButton()->isEnabled(), row.resume);
        // The menu commands that replace, edit or draw the puzzle cannot act during a search;
        // copying can.
        for (const char* text : {"URL・pzprv3を貼り付け", "画像として保存...", "タイトルと作者...",
                                 "URLをコピー", "pzprv3形式でコピー"})
            EXPECT_EQ(window.commandMenu()->command(text)->isEnabled(),
                      row.others || QString(text).contains("コピー"))
                << text;
        EXPECT_TRUE(window.tabControl()->isEnabled());
        EXPECT_TRUE(window.viewSelector()->isEnabled());
    }
}

TEST_F(WindowFixture, StatusPanelFollowsStateAndSolutionCount) {
    window.session().board.solutions.resize(2);
    setState(SearchState::Paused);
    EXPECT_EQ(
        window.statusPanel()->text(),
        QString::fromUtf8("ステップ数\n0\n経過時間\n--:--:--.---\n解の個数\n2\n一時停止中！\n"));
    EXPECT_EQ(window.statusPanel()->frameShape(), QFrame::Box);
}

TEST_F(WindowFixture, BoardViewCoversTheTabDisplayAreaExactly) {
    resizeBoard(20, 8);
    QWidget* view = window.boardView();
    EXPECT_EQ(view->size(), QSize(481, 361));
    // The tab's page area is the display area; the view lies exactly on it, above the tabs.
    QWidget* page = window.tabControl()->currentWidget();
    const QRect pageInWindow(page->mapTo(&window, QPoint(0, 0)), page->size());
    EXPECT_EQ(view->geometry(), pageInWindow);
    EXPECT_EQ(window.childAt(view->geometry().center()), view);
    // The button column lies right of the tab control, in the window, top to bottom in order.
    const int tabsRight = window.tabControl()->geometry().right();
    int lastBottom = 0;
    for (QWidget* w :
         {static_cast<QWidget*>(window.newBoardButton()),
          static_cast<QWidget*>(window.loadButton()), static_cast<QWidget*>(window.saveButton()),
          static_cast<QWidget*>(window.commandMenu()->button()),
          static_cast<QWidget*>(window.startButton()), static_cast<QWidget*>(window.pauseButton()),
          static_cast<QWidget*>(window.resumeButton()),
          static_cast<QWidget*>(window.viewSelector()),
          static_cast<QWidget*>(window.statusPanel())}) {
        EXPECT_GT(w->x(), tabsRight);
        EXPECT_EQ(w->width(), 80);
        EXPECT_GT(w->y(), lastBottom);
        EXPECT_TRUE(window.rect().contains(w->geometry()));
        lastBottom = w->geometry().bottom();
    }
    EXPECT_EQ(window.startButton()->y(), 88);
    EXPECT_EQ(window.statusPanel()->geometry(), QRect(window.startButton()->x(), 228, 80, 120));
}

TEST_F(WindowFixture, MenuCommandRunsFromItsShortcutWithoutOpeningTheMenu) {
    int runs = 0;
    CommandMenu& menu = *window.commandMenu();
    QAction* action = menu.addCommand("probe", QKeySequence("Ctrl+F12"), [&runs] { ++runs; });
    EXPECT_EQ(menu.button()->geometry(), QRect(window.saveButton()->x(), 68, 80, 20));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.boardView(), Qt::Key_F12, Qt::ControlModifier);
    EXPECT_EQ(runs, 1);
    action->trigger(); // as chosen from the menu
    EXPECT_EQ(runs, 2);
}

TEST_F(WindowFixture, WindowKeepsOneFixedSizeUpToFifteenCellsAndGrowsBeyond) {
    resizeBoard(15, 15);
    const QSize reserved = window.size();
    EXPECT_EQ(window.minimumSize(), reserved);
    EXPECT_EQ(window.maximumSize(), reserved);
    for (auto [w, h] : {std::pair{1, 1}, {10, 10}, {15, 1}, {3, 15}}) {
        resizeBoard(w, h);
        EXPECT_EQ(window.size(), reserved) << w << "x" << h;
        EXPECT_EQ(window.boardView()->size(), QSize(361, 361));
    }
    resizeBoard(16, 17);
    EXPECT_EQ(window.size(), reserved + QSize(24, 48));
    EXPECT_EQ(window.boardView()->size(), QSize(385, 409));
}

TEST_F(WindowFixture, UserTabChangeRequestsPauseOnlyWhileRunning) {
    setState(SearchState::Running);
    clickTab(MainDialog::SearchTab);
    EXPECT_EQ(window.tabControl()->currentIndex(), MainDialog::SearchTab);
    EXPECT_EQ(window.session().status.searchState, SearchState::PauseRequested);
    EXPECT_FALSE(window.pauseButton()->isEnabled());

    // Not running: a tab change leaves the state alone; the editing tab focuses the board.
    setState(SearchState::Paused);
    window.viewSelector()->setFocus();
    clickTab(MainDialog::EditingTab);
    EXPECT_EQ(window.session().status.searchState, SearchState::Paused);
    EXPECT_TRUE(window.boardView()->hasFocus());
}

TEST_F(WindowFixture, SearchTabSelectedByProgramRaisesNoTabChange) {
    setState(SearchState::Running);
    window.selectSearchTab();
    EXPECT_EQ(window.tabControl()->currentIndex(), MainDialog::SearchTab);
    EXPECT_EQ(window.session().status.searchState, SearchState::Running);
    EXPECT_TRUE(window.pauseButton()->isEnabled());
}

TEST_F(WindowFixture, EscapeNeitherClosesNorChangesAnything) {
    for (QWidget* target :
         {static_cast<QWidget*>(window.boardView()), static_cast<QWidget*>(window.viewSelector()),
          static_cast<QWidget*>(&window)}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.closeSeen());
    EXPECT_EQ(window.session().status.searchState, SearchState::Idle);
}

TEST_F(WindowFixture, PauseButtonActsOnlyWhileRunning) {
    setState(SearchState::Running);
    QTest::mouseClick(window.pauseButton(), Qt::LeftButton);
    EXPECT_EQ(window.session().status.searchState, SearchState::PauseRequested);
    // A second request finds no running search and changes nothing.
    window.pauseButton()->click();
    EXPECT_EQ(window.session().status.searchState, SearchState::PauseRequested);
}

TEST_F(WindowFixture, ClickQueuedOnDisabledButtonsDoesNotActWhenPumpUnlocksThem) {
    setState(SearchState::Running);
    ASSERT_FALSE(window.startButton()->isEnabled());
    QSignalSpy startClicks(window.startButton(), &QPushButton::clicked);
    QSignalSpy loadClicks(window.loadButton(), &QPushButton::clicked);
    // In one pump: the user switches tabs (a pause request, which unlocks the buttons), then
    // clicks made while the buttons were still locked arrive.
    QTabBar* bar = window.tabControl()->tabBar();
    testing::postClick(bar, bar->tabRect(MainDialog::SearchTab).center());
    testing::postClick(window.startButton(), QPoint(10, 10));
    testing::postClick(window.loadButton(), QPoint(10, 10));
    EXPECT_TRUE(window.pumpMessages());
    EXPECT_EQ(window.session().status.searchState, SearchState::PauseRequested);
    EXPECT_EQ(startClicks.count(), 0);
    EXPECT_EQ(loadClicks.count(), 0);
    EXPECT_TRUE(answerer.boxes.empty());
    // Once the pump is over the table for the new state holds.
    EXPECT_TRUE(window.startButton()->isEnabled());
    EXPECT_TRUE(window.loadButton()->isEnabled());
    EXPECT_TRUE(window.boardView()->isEnabled());
}

TEST_F(WindowFixture, PumpReportsTheCloseAndKeepsReportingIt) {
    EXPECT_TRUE(window.pumpMessages());
    QTimer::singleShot(0, &window, [this] { window.close(); });
    EXPECT_FALSE(window.pumpMessages());
    EXPECT_TRUE(window.closeSeen());
    EXPECT_FALSE(window.pumpMessages());
}

/// Writes a one-line puzzle file and returns its path.
QString writePuzzle(const TempDir& dir, const std::string& name, const std::string& text) {
    testing::writeBytes(dir / name, text);
    return QString::fromStdString((dir / name).string());
}

TEST_F(WindowFixture, DroppedFileIsLoadedFirstOnly) {
    TempDir dir;
    const QString first = writePuzzle(dir, "a.txt", "w3h2n1s3n1\r\n");
    const QString second = writePuzzle(dir, "b.txt", "w4h4n1s14n1\r\n");
    testing::dropFiles(&window, {first, second, second});
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.session().board.boardWidth == 3; },
                                testing::WatchdogMs));
    const Board& b = window.session().board;
    EXPECT_EQ(b.boardHeight, 2);
    EXPECT_EQ(b.boardCells[cellIndex(1, 1)], 1);
    EXPECT_EQ(b.boardCells[cellIndex(2, 2)], 1);
    EXPECT_EQ(b.currentFilePath, first.toStdString());
}

TEST_F(WindowFixture, DropRefusedWithExclamationWhileRunning) {
    TempDir dir;
    const QString file = writePuzzle(dir, "a.txt", "w3h2n1s3n1\r\n");
    setState(SearchState::Running);
    QSignalSpy beeps(&window, &MainDialog::beeped);
    testing::dropFiles(&window, {file});
    ASSERT_TRUE(testing::flushPostedEvents()); // a load the drop queued would have run
    ASSERT_EQ(beeps.count(), 1);
    EXPECT_EQ(beeps.at(0).at(0).value<BeepKind>(), BeepKind::Exclamation);
    EXPECT_EQ(window.session().board.boardWidth, 10);
    EXPECT_EQ(window.session().board.currentFilePath, "");
}

TEST_F(WindowFixture, DroppedUnreadableFileShowsLoadErrorAndKeepsBoard) {
    TempDir dir;
    testing::dropFiles(&window, {QString::fromStdString((dir / "missing.txt").string())});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.boxes.empty(); }, testing::WatchdogMs));
    EXPECT_EQ(answerer.boxes[0].caption, QString::fromUtf8("エラー"));
    EXPECT_EQ(answerer.boxes[0].text, QString::fromUtf8("ファイルのロードに失敗しました"));
    EXPECT_EQ(answerer.boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(window.session().board.boardWidth, 10);
    EXPECT_EQ(answerer.stuck, 0);
}

} // namespace
} // namespace corvane

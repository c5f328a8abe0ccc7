// Real searches run from the window: pause and resume, tab changes, Enter, closing mid-search.
#include "app/app_main.h"
#include "app/board_view.h"
#include "app/main_dialog.h"
#include "app/tab_control.h"
#include "gui_support.h"
#include "search/search_session.h"
#include "search/step_gate.h"
#include "temp_dir.h"
#include "watchdog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::ModalAnswerer;
using testing::TempDir;

// A 12 x 12 puzzle with four pairs: 317 solutions, found in 15516 search steps.
constexpr const char* ManySolutions = "w12h12s27n3s5n2s9n4s9n2s31n1s19n3s5n4s14n1\r\n";
constexpr std::uint64_t ManySolutionsCount = 317;
constexpr int LoopCount = 200;

struct SearchWindowFixture : ::testing::Test {
    SearchWindowFixture() : window(nullptr, searchSettings()) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        testing::writeBytes(dir / "many.txt", ManySolutions);
        window.openFile((dir / "many.txt").string());
        EXPECT_EQ(window.session().board.boardWidth, 12);
    }
    static Settings searchSettings() {
        Settings s;
        s.loopCount = LoopCount;
        s.drawCount = 2;
        s.directAutoSelect = 1;
        s.searchThreads = 1; // pause points of the serial search
        return s;
    }
    /// Runs `action` from inside the driver's event pump, once the search has begun.
    void duringSearch(std::function<void()> action) {
        QTimer::singleShot(0, &window, [this, action] {
            EXPECT_EQ(window.session().status.searchState, SearchState::Running);
            action();
        });
    }
    SearchState state() { return window.session().status.searchState; }
    QString status() { return window.statusPanel()->text(); }

    TempDir dir;
    StepGate gate; // outlives the window's searches; tests of the parallel search use it
    MainDialog window;
    ModalAnswerer answerer;
};

TEST_F(SearchWindowFixture, PausedAndResumedSearchFindsEverySolution) {
    duringSearch([this] { QTest::mouseClick(window.pauseButton(), Qt::LeftButton); });
    QTest::mouseClick(window.startButton(), Qt::LeftButton);

    // The pause took effect at the end of the slice in which it was requested.
    const SearchStatus paused = window.session().status;
    ASSERT_EQ(paused.searchState, SearchState::Paused);
    EXPECT_GT(paused.stepCount, 0u);
    EXPECT_EQ(paused.stepCount % LoopCount, 0u);
    EXPECT_LT(paused.stepCount, 15516u);
    EXPECT_EQ(window.tabControl()->currentIndex(), MainDialog::SearchTab);
    EXPECT_TRUE(status().endsWith(QString::fromUtf8("一時停止中！\n")));
    EXPECT_TRUE(status().contains(QString::fromUtf8("経過時間\n00:")));
    EXPECT_TRUE(window.resumeButton()->isEnabled());
    EXPECT_FALSE(window.pauseButton()->isEnabled());
    EXPECT_TRUE(answerer.boxes.empty());

    // Resuming runs untimed to the end; the result counts every solution once.
    QTest::mouseClick(window.resumeButton(), Qt::LeftButton);
    ASSERT_EQ(state(), SearchState::Finished);
    EXPECT_EQ(window.session().status.stepCount, 15516u);
    ASSERT_EQ(answerer.boxes.size(), 1u);
    EXPECT_EQ(answerer.boxes[0].caption, QString::fromUtf8("結果"));
    EXPECT_EQ(answerer.boxes[0].text, QString::fromUtf8("解は317個でした。"));
    EXPECT_EQ(window.session().board.solutions.size(), ManySolutionsCount);
    // "通常画面", one item per solution and "相違箇所" last.
    EXPECT_EQ(window.viewSelector()->count(), int(ManySolutionsCount) + 2);
    EXPECT_EQ(status(),
              QString::fromUtf8("ステップ数\n15516\n経過時間\n--:--:--.---\n解の個数\n317\n"
                                "相違マス数\n131\n"));
    EXPECT_TRUE(window.startButton()->isEnabled());
    EXPECT_EQ(answerer.stuck, 0);
}

TEST_F(SearchWindowFixture, ParallelSearchPausesEveryThreadAndResumesToTheSerialResult) {
    // Four pairs on 15 x 15 cells: 142124 steps. The gate lets the threads take 200 steps
    // before the pause is clicked in the first pump, however busy the machine.
    testing::writeBytes(dir / "long.txt", "w15h15s4n4s19n2s91n2s10n3s25n3s1n4s22n1s23n1\r\n");
    window.openFile((dir / "long.txt").string());
    window.session().settings.searchThreads = 2;
    window.searchSession().stepGate = &gate;
    duringSearch([this] {
        gate.allow(200);
        EXPECT_TRUE(gate.waitUntilTaken(200, testing::WatchdogLimit));
        QTest::mouseClick(window.pauseButton(), Qt::LeftButton);
    });
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    ASSERT_EQ(state(), SearchState::Paused);
    // The panel shows the total of every thread.
    const std::uint64_t pausedAt = window.session().status.stepCount;
    EXPECT_GT(pausedAt, 0u);
    EXPECT_LT(pausedAt, 142124u);
    EXPECT_TRUE(status().startsWith(QString::fromUtf8("ステップ数\n%1\n").arg(pausedAt)));

    gate.open();
    QTest::mouseClick(window.resumeButton(), Qt::LeftButton);
    ASSERT_EQ(state(), SearchState::Finished);
    EXPECT_EQ(window.session().status.stepCount, 142124u);
    EXPECT_EQ(answerer.texts(), QStringList{QString::fromUtf8("解は193個でした。")});
    EXPECT_EQ(window.viewSelector()->count(), 195); // and "相違箇所" last
}

TEST_F(SearchWindowFixture, UserTabChangePausesButProgramSelectionDoesNot) {
    // Starting selects the search tab by program; the search keeps running until the user
    // picks the editing tab.
    duringSearch([this] {
        EXPECT_EQ(window.tabControl()->currentIndex(), MainDialog::SearchTab);
        QTabBar* bar = window.tabControl()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(MainDialog::EditingTab).center());
    });
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    ASSERT_EQ(state(), SearchState::Paused);
    EXPECT_EQ(window.tabControl()->currentIndex(), MainDialog::EditingTab);
    EXPECT_EQ(window.boardView()->selectedTab(), MainDialog::EditingTab);

    // Resume selects the search tab again, by program: no pause, the search runs out.
    QTest::mouseClick(window.resumeButton(), Qt::LeftButton);
    EXPECT_EQ(state(), SearchState::Finished);
    EXPECT_EQ(window.tabControl()->currentIndex(), MainDialog::SearchTab);
    EXPECT_EQ(window.boardView()->selectedTab(), MainDialog::SearchTab);
    EXPECT_EQ(window.session().board.solutions.size(), ManySolutionsCount);
}

TEST_F(SearchWindowFixture, DoubleClickOnSearchTabReturnsToEditingWithoutTabHandling) {
    window.selectSearchTab();
    window.session().status.searchState = SearchState::Paused;
    window.refreshControls(false);
    window.viewSelector()->setFocus();
    QWidget* view = window.boardView();
    const QPoint p(30, 30);
    QTest::mousePress(view, Qt::LeftButton, {}, p);
    QTest::mouseRelease(view, Qt::LeftButton, {}, p);
    QTest::mouseDClick(view, Qt::LeftButton, {}, p);
    QTest::mouseRelease(view, Qt::LeftButton, {}, p);
    EXPECT_EQ(window.tabControl()->currentIndex(), MainDialog::EditingTab);
    EXPECT_EQ(window.boardView()->selectedTab(), MainDialog::EditingTab);
    EXPECT_EQ(state(), SearchState::Paused);
}

TEST_F(SearchWindowFixture, EnterStartsSearchUnlessFocusedControlUsesIt) {
    // The board view and the view list do not use Enter: the default button acts.
    window.boardView()->setFocus();
    QTest::keyClick(window.boardView(), Qt::Key_Return);
    EXPECT_EQ(state(), SearchState::Finished);
    EXPECT_EQ(answerer.texts(), QStringList{QString::fromUtf8("解は317個でした。")});

    window.viewSelector()->setFocus();
    QTest::keyClick(window.viewSelector(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(answerer.boxes.size(), 2u);

    // A focused push button takes Enter itself: the pause button is enabled only while
    // running, so Enter on it during the search pauses instead of starting anew.
    duringSearch([this] {
        window.pauseButton()->setFocus();
        QTest::keyClick(window.pauseButton(), Qt::Key_Return);
    });
    window.startButton()->click();
    EXPECT_EQ(state(), SearchState::Paused);
    EXPECT_EQ(answerer.boxes.size(), 2u);
}

TEST_F(SearchWindowFixture, EnterWhileRunningStartsNothing) {
    duringSearch([this] {
        const std::uint64_t steps = window.session().status.stepCount;
        QTest::keyClick(&window, Qt::Key_Return);
        // No nested search was started: the counter did not restart.
        EXPECT_EQ(window.session().status.stepCount, steps);
        window.pauseButton()->click();
    });
    window.startButton()->click();
    EXPECT_EQ(state(), SearchState::Paused);
    EXPECT_EQ(window.session().status.stepCount, std::uint64_t(LoopCount));
}

TEST_F(SearchWindowFixture, ClosingDuringSearchEndsItWithoutResult) {
    duringSearch([this] { window.close(); });
    window.startButton()->click();
    EXPECT_TRUE(window.closeSeen());
    EXPECT_EQ(window.session().status.stepCount, std::uint64_t(LoopCount));
    EXPECT_TRUE(answerer.boxes.empty());
}

TEST_F(SearchWindowFixture, DebugModeStopsAtTheStepTypedInTheField) {
    Settings debug = searchSettings();
    debug.debugMode = 1;
    MainDialog debugWindow(nullptr, debug);
    debugWindow.show();
    debugWindow.openFile((dir / "many.txt").string());
    QLineEdit* field = debugWindow.debugStopStep();
    field->selectAll();
    QTest::keyClicks(field, "5");
    debugWindow.startButton()->click();
    EXPECT_EQ(debugWindow.session().status.searchState, SearchState::Paused);
    EXPECT_EQ(debugWindow.session().status.stepCount, 5u);
    EXPECT_EQ(field->text(), "6");
    EXPECT_TRUE(field->isEnabled());
    debugWindow.resumeButton()->click();
    EXPECT_EQ(debugWindow.session().status.stepCount, 6u);
    EXPECT_EQ(field->text(), "7");
    EXPECT_TRUE(answerer.boxes.empty());
}

TEST(SearchProgramTest, ClosingDuringSearchEndsProgramWithExitCodeZero) {
    TempDir dir;
    // One search thread: the close lands in the serial search's first pump on any machine.
    testing::writeBytes(dir / "config.ini", "[Config]\r\nLoopCount=100\r\nDrawCount=1\r\n"
                                            "DebugMode=0\r\nFileFormat=0\r\n"
                                            "DirectAutoSelect=1\r\nSearchThreads=1\r\n");
    testing::writeBytes(dir / "many.txt", ManySolutions);
    ModalAnswerer answerer;
    MainDialog* seen = nullptr;
    QTimer::singleShot(0, [&seen] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<MainDialog*>(w); d && d->isVisible()) seen = d;
        ASSERT_NE(seen, nullptr);
        // The file named on the command line, read once the window is on the screen.
        const bool read = QTest::qWaitFor(
            [&seen] { return seen->session().board.boardWidth == 12; }, testing::WatchdogMs);
        EXPECT_TRUE(read);
        if (!read) return seen->close(), void();
        QTimer::singleShot(0, seen, [&seen] {
            EXPECT_EQ(seen->session().status.searchState, SearchState::Running);
            seen->close();
        });
        seen->startButton()->click();
    });
    const std::string file = (dir / "many.txt").string();
    char arg0[] = "corvane";
    std::vector<char> arg1(file.begin(), file.end());
    arg1.push_back('\0');
    char* argv[] = {arg0, arg1.data(), nullptr};
    EXPECT_EQ(runMainWindow(2, argv, dir / "config.ini"), 0);
    EXPECT_TRUE(answerer.boxes.empty());
}

} // namespace
} // namespace corvane

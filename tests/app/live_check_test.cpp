// The verdict while typing: the line "判定", the tinted cells, cancelling and stopping checks.
#include "app/board_view.h"
#include "app/command_menu.h"
#include "app/live_check.h"
#include "app/main_dialog.h"
#include "gui_support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

namespace corvane {
namespace {

constexpr int Watchdog = 60000; // ms; conditions are met in far less

// An 18 x 18 puzzle whose check takes 7094 steps: it passes its first clock read.
constexpr const char* SlowPuzzle = CORVANE_BENCH_PUZZLES "/05_four_pairs_18x18.txt";

enum class Hold { None, AtClock, AtEnd };

Settings settings(int seconds, int debug = 0) {
    Settings s;
    s.directAutoSelect = 1;
    s.searchThreads = 1;
    s.liveCheckSeconds = seconds;
    s.debugMode = debug;
    return s;
}

/// A shown window whose checks report their verdicts; the first check is held (at its first
/// clock read or once it has ended) until a newer change or a search cancels it.
struct LiveWindow {
    std::mutex mutex;
    std::vector<Verdict> finished; // verdict of every check ended, in order (mutex)
    std::atomic<bool> held{false};
    MainDialog window;
    std::vector<Verdict> shown; // every verdict the window was told about, in order

    explicit LiveWindow(Hold hold, Settings s = settings(600)) : window(nullptr, s) {
        auto holdFirst = [this](const CheckControl& c) {
            if (!held.exchange(true)) c.latest->wait(c.generation);
        };
        LiveCheckHooks hooks;
        if (hold == Hold::AtClock)
            hooks.clockRead = [holdFirst](const CheckControl& c, std::uint64_t) { holdFirst(c); };
        hooks.finished = [this, hold, holdFirst](const CheckControl& c, const CheckOutcome& o) {
            {
                std::lock_guard lock(mutex);
                finished.push_back(o.verdict);
            }
            if (hold == Hold::AtEnd) holdFirst(c);
        };
        window.liveCheck().setHooks(hooks);
        QObject::connect(&window.liveCheck(), &LiveCheck::verdictChanged,
                         [this] { shown.push_back(window.liveCheck().verdict()); });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    std::vector<Verdict> verdicts() {
        std::lock_guard lock(mutex);
        return finished;
    }
    /// Types `keys` at cell (x, y) as the user does.
    void typeAt(int x, int y, const char* keys) {
        window.session().board.cursorCell = cellIndex(x, y);
        window.boardView()->setFocus();
        QTest::keyClicks(window.boardView(), keys);
    }
    bool checkHeld() {
        return QTest::qWaitFor([this] { return held.load(); }, Watchdog);
    }
    bool verdictArrives() {
        return QTest::qWaitFor(
            [this] {
                const Verdict v = window.liveCheck().verdict();
                return v != Verdict::Checking && v != Verdict::Cancelled;
            },
            Watchdog);
    }
    bool panelEndsWith(const char* lines) const {
        return window.statusPanel()->text().endsWith(QString::fromUtf8(lines));
    }
    bool panelHasVerdict() const {
        return window.statusPanel()->text().contains(QString::fromUtf8("判定"));
    }
    /// The colour of cell (x, y) near its top left corner, away from a clue's digits.
    QString colourAt(int x, int y) {
        const QImage image = window.boardView()->grab().toImage();
        return QColor(image.pixel(24 * (x - 1) + 3, 24 * (y - 1) + 3)).name();
    }
};

struct LiveCheckTest : ::testing::Test {
    testing::ModalAnswerer answerer; // a box opened by mistake must not hang the test
};

TEST_F(LiveCheckTest, TypedCluesMoveTheLineThroughIncompleteMultipleUnique) {
    LiveWindow w(Hold::None);
    Session& s = w.window.session();
    ASSERT_TRUE(resetBoard(s.board, s.status, w.window, 3, 4));
    w.window.layoutMainDialog();
    w.typeAt(1, 2, "1");
    EXPECT_TRUE(w.panelEndsWith("判定\n確認中…\n"));
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_TRUE(w.panelEndsWith("判定\n未完成\n"));
    EXPECT_EQ(w.window.statusPanel()->toolTip(), QString::fromUtf8("1が1つしかありません"));

    // Three clues typed in a row make one check. Pair 1 goes round pair 2 above or below.
    w.typeAt(2, 2, "2");
    w.typeAt(3, 2, "2");
    w.typeAt(4, 2, "1");
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_EQ(w.verdicts().size(), 2u);
    EXPECT_TRUE(w.panelEndsWith("判定\n複数解\n"));
    EXPECT_TRUE(w.window.statusPanel()->toolTip().isEmpty());
    s.board.cursorCell = cellIndex(1, 1);
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 4; ++x) {
            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
            // Rows 1 and 3 differ, light red under the cursor; the clues' row does not.
            const char* expected = y == 2 ? "#ffffff" : (x == 1 && y == 1 ? "#00ffff" : "#ffc8c8");
            EXPECT_EQ(w.colourAt(x, y), expected);
        }
    w.window.boardView()->setSelectedTab(MainDialog::SearchTab);
    EXPECT_EQ(w.colourAt(2, 1), "#ffffff");
    w.window.boardView()->setSelectedTab(MainDialog::EditingTab);

    // A third pair along the top row leaves pair 1 one way; the tint goes with the change.
    w.typeAt(1, 1, "3");
    EXPECT_EQ(w.colourAt(2, 1), "#ffffff");
    w.typeAt(4, 1, "3");
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_TRUE(w.panelEndsWith("判定\n一意\n"));
    // With the pair side by side, two cells stay empty; the verdict is too wide for one line.
    w.typeAt(4, 1, " ");
    w.typeAt(2, 1, "3");
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_TRUE(w.panelEndsWith("判定\n一意\n(空白マスあり)\n"));
    // The every-cell rule leaves that board no solution: changing it checks again.
    w.window.findChild<CommandMenu*>()
        ->command(QString::fromUtf8("全マスを埋めるルール"))
        ->trigger();
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_TRUE(w.panelEndsWith("判定\n解なし\nルール\n全マスを埋める\n"));

    // The check kept its answers to itself, and nothing waits or runs once it is done.
    EXPECT_TRUE(s.board.solutions.empty());
    EXPECT_EQ(w.window.viewSelector()->count(), 1);
    EXPECT_EQ(s.status.searchState, SearchState::Idle);
    EXPECT_EQ(s.status.stepCount, 0u);
    EXPECT_TRUE(w.window.liveCheck().idle());
}

TEST_F(LiveCheckTest, NewerChangeDuringASlowCheckWins) {
    struct Case {
        Hold hold;
        Verdict first; // how the held check ends
    };
    // Held mid-search, the check stops at the step after the change; held with its verdict
    // found, the verdict comes too late and never shows.
    for (const Case& c :
         {Case{Hold::AtClock, Verdict::Cancelled}, Case{Hold::AtEnd, Verdict::Multiple}}) {
        SCOPED_TRACE(verdictText(c.first));
        LiveWindow w(c.hold);
        w.window.openFile(SlowPuzzle);
        ASSERT_TRUE(w.checkHeld());
        w.typeAt(16, 2, " "); // erases a clue 1
        ASSERT_TRUE(w.verdictArrives());
        EXPECT_TRUE(w.panelEndsWith("判定\n未完成\n"));
        EXPECT_EQ(w.verdicts(), (std::vector<Verdict>{c.first, Verdict::Incomplete}));
        for (Verdict v : w.shown) EXPECT_NE(v, Verdict::Multiple);
        EXPECT_EQ(w.window.liveCheck().varyingCells().count(), 0u);
    }
}

TEST_F(LiveCheckTest, RealSearchAndClosingStopTheCheckAndWaitForIt) {
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing ? "closing" : "探索開始...");
        LiveWindow w(Hold::AtClock);
        w.window.openFile(SlowPuzzle);
        ASSERT_TRUE(w.checkHeld());
        const std::vector<Verdict> cancelled{Verdict::Cancelled};
        if (closing) {
            w.window.close();
        } else {
            // Inside the search's pump: the check has already ended, and the line is gone.
            bool seenInSearch = false;
            QTimer::singleShot(0, &w.window, [&] {
                seenInSearch = true;
                EXPECT_EQ(w.window.session().status.searchState, SearchState::Running);
                EXPECT_EQ(w.verdicts(), cancelled);
                EXPECT_FALSE(w.panelHasVerdict());
                w.window.pauseButton()->click();
            });
            w.window.startButton()->click();
            EXPECT_TRUE(seenInSearch);
            EXPECT_EQ(w.window.session().status.searchState, SearchState::Paused);
        }
        EXPECT_EQ(w.verdicts(), cancelled);
        EXPECT_TRUE(w.window.liveCheck().idle());
        EXPECT_FALSE(w.panelHasVerdict());
    }
}

TEST_F(LiveCheckTest, NothingRunsWithoutABudgetOrInDebugMode) {
    for (const Settings& s : {settings(0), settings(3, 1)}) {
        SCOPED_TRACE(s.debugMode ? "debug mode" : "LiveCheckSeconds=0");
        LiveWindow w(Hold::None, s);
        w.typeAt(1, 1, "1");
        EXPECT_TRUE(w.window.liveCheck().idle());
        EXPECT_EQ(w.window.liveCheck().verdict(), Verdict::Cancelled);
        EXPECT_FALSE(w.panelHasVerdict());
    }
}

} // namespace
} // namespace corvane

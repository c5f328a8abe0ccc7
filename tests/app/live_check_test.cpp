// The verdict while typing: the line "判定", the tinted cells, cancelling and stopping checks.
#include "app/board_view.h"
#include "app/live_check.h"
#include "app/main_dialog.h"
#include "gui_support.h"

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

// An 18 x 18 puzzle whose check takes 7094 steps: it reaches its first clock read.
constexpr const char* SlowPuzzle = CORVANE_BENCH_PUZZLES "/05_four_pairs_18x18.txt";

/// What the checking thread reported through the hooks.
struct Reports {
    std::mutex mutex;
    std::vector<std::pair<std::uint64_t, CheckOutcome>> finished; // generation, outcome
    std::atomic<int> held{0}; // checks held until a newer one was asked for

    std::vector<Verdict> verdicts() {
        std::lock_guard lock(mutex);
        std::vector<Verdict> out;
        for (const auto& f : finished) out.push_back(f.second.verdict);
        return out;
    }
};

/// Hooks that report every check and hold the first one (at its first clock read or once
/// it has ended) until a newer change cancels it.
LiveCheckHooks hooks(Reports& reports, bool holdAtClock, bool holdAtEnd) {
    auto hold = [&reports](const CheckControl& control) {
        if (reports.held.load() > 0) return;
        ++reports.held;
        control.latest->wait(control.generation);
    };
    LiveCheckHooks h;
    if (holdAtClock) h.clockRead = [hold](const CheckControl& c, std::uint64_t) { hold(c); };
    h.finished = [&reports, hold, holdAtEnd](const CheckControl& c, const CheckOutcome& o) {
        {
            std::lock_guard lock(reports.mutex);
            reports.finished.emplace_back(c.generation, o);
        }
        if (holdAtEnd) hold(c);
    };
    return h;
}

Settings settings(int seconds, int debug = 0) {
    Settings s;
    s.directAutoSelect = 1;
    s.searchThreads = 1;
    s.liveCheckSeconds = seconds;
    s.debugMode = debug;
    return s;
}

/// A shown window whose check reports to `reports`, which outlives it.
struct LiveWindow {
    Reports reports;
    MainDialog window;
    std::vector<Verdict> shown; // every verdict the window was told about, in order

    LiveWindow(bool holdAtClock, bool holdAtEnd, Settings s = settings(600)) : window(nullptr, s) {
        window.liveCheck().setHooks(hooks(reports, holdAtClock, holdAtEnd));
        QObject::connect(&window.liveCheck(), &LiveCheck::verdictChanged,
                         [this] { shown.push_back(window.liveCheck().verdict()); });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    /// An empty board of `width` x `height`, made as "新規作成..." makes it.
    void newBoard(int width, int height) {
        ASSERT_TRUE(
            resetBoard(window.session().board, window.session().status, window, height, width));
        window.liveCheck().boardChanged();
        window.layoutMainDialog();
        window.refreshControls(false);
    }
    /// Types `keys` at cell (x, y) as the user does.
    void typeAt(int x, int y, const char* keys) {
        window.session().board.cursorCell = cellIndex(x, y);
        window.boardView()->setFocus();
        QTest::keyClicks(window.boardView(), keys);
    }
    /// Waits until the first check is held by the hooks.
    bool checkHeld() {
        return QTest::qWaitFor([this] { return reports.held.load() > 0; }, Watchdog);
    }
    /// Waits until a check has given a verdict.
    bool verdictArrives() {
        return QTest::qWaitFor(
            [this] {
                const Verdict v = window.liveCheck().verdict();
                return v != Verdict::Checking && v != Verdict::Cancelled;
            },
            Watchdog);
    }
    QString panel() const { return window.statusPanel()->text(); }
    bool panelEndsWith(const char* lines) const {
        return panel().endsWith(QString::fromUtf8(lines));
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
    LiveWindow w(false, false);
    w.newBoard(4, 3);
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_EQ(w.window.statusPanel()->toolTip(), QString::fromUtf8("数字が1つもありません"));

    w.typeAt(1, 2, "1");
    EXPECT_TRUE(w.panelEndsWith("判定\n確認中…\n"));
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_TRUE(w.panelEndsWith("判定\n未完成\n"));
    EXPECT_EQ(w.window.statusPanel()->toolTip(), QString::fromUtf8("1が1つしかありません"));

    // Three clues typed in a row make one check. Pair 1 goes round pair 2 above or below.
    const std::size_t checks = w.reports.verdicts().size();
    w.typeAt(2, 2, "2");
    w.typeAt(3, 2, "2");
    w.typeAt(4, 2, "1");
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_EQ(w.reports.verdicts().size(), checks + 1);
    EXPECT_TRUE(w.panelEndsWith("判定\n複数解\n"));
    EXPECT_TRUE(w.window.statusPanel()->toolTip().isEmpty());
    w.window.session().board.cursorCell = cellIndex(1, 1);
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
    EXPECT_EQ(w.window.liveCheck().verdict(), Verdict::UniqueWithBlanks);
    EXPECT_TRUE(w.panelEndsWith("判定\n一意\n(空白マスあり)\n"));

    // The check kept its answers to itself, and nothing waits or runs once it is done.
    const Session& s = w.window.session();
    EXPECT_TRUE(s.board.solutions.empty());
    EXPECT_EQ(w.window.viewSelector()->count(), 1);
    EXPECT_EQ(s.status.searchState, SearchState::Idle);
    EXPECT_EQ(s.status.stepCount, 0u);
    EXPECT_TRUE(w.window.liveCheck().idle());
}

TEST_F(LiveCheckTest, NewerChangeStopsARunningCheckAtOnce) {
    LiveWindow w(true, false);
    w.window.openFile(SlowPuzzle);
    ASSERT_TRUE(w.checkHeld());
    // Held at its first clock read, the check is cancelled by an erased clue.
    w.typeAt(16, 2, " ");
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_TRUE(w.panelEndsWith("判定\n未完成\n"));
    std::lock_guard lock(w.reports.mutex);
    ASSERT_EQ(w.reports.finished.size(), 2u);
    EXPECT_EQ(w.reports.finished[0].second.verdict, Verdict::Cancelled);
    EXPECT_EQ(w.reports.finished[0].second.steps, UniquenessCheck::ClockSteps);
}

TEST_F(LiveCheckTest, VerdictThatArrivesAfterANewerChangeNeverShows) {
    LiveWindow w(false, true);
    w.newBoard(4, 3);
    w.typeAt(1, 2, "1");
    w.typeAt(2, 2, "2");
    w.typeAt(3, 2, "2");
    w.typeAt(4, 2, "1");
    // The check found two solutions; its verdict is held back until the next change.
    ASSERT_TRUE(w.checkHeld());
    EXPECT_EQ(w.reports.verdicts(), std::vector<Verdict>{Verdict::Multiple});
    w.typeAt(1, 1, "3");
    ASSERT_TRUE(w.verdictArrives());
    EXPECT_EQ(w.window.liveCheck().verdict(), Verdict::Incomplete);
    for (Verdict v : w.shown) EXPECT_NE(v, Verdict::Multiple);
    EXPECT_EQ(w.window.liveCheck().varyingCells().count(), 0u);
}

TEST_F(LiveCheckTest, RealSearchAndClosingStopTheCheckAndWaitForIt) {
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing ? "closing" : "探索開始...");
        LiveWindow w(true, false);
        w.window.openFile(SlowPuzzle);
        ASSERT_TRUE(w.checkHeld());
        const QString verdictLabel = QString::fromUtf8("判定");
        if (closing) {
            w.window.close();
        } else {
            // Inside the search's pump: the check has already ended, and the line is gone.
            bool seenInSearch = false;
            QTimer::singleShot(0, &w.window, [&] {
                seenInSearch = true;
                EXPECT_EQ(w.window.session().status.searchState, SearchState::Running);
                EXPECT_EQ(w.reports.verdicts(), std::vector<Verdict>{Verdict::Cancelled});
                EXPECT_FALSE(w.panel().contains(verdictLabel));
                w.window.pauseButton()->click();
            });
            w.window.startButton()->click();
            EXPECT_TRUE(seenInSearch);
            EXPECT_EQ(w.window.session().status.searchState, SearchState::Paused);
        }
        EXPECT_EQ(w.reports.verdicts(), std::vector<Verdict>{Verdict::Cancelled});
        EXPECT_TRUE(w.window.liveCheck().idle());
        EXPECT_FALSE(w.panel().contains(verdictLabel));
    }
}

TEST_F(LiveCheckTest, NothingRunsWithoutABudgetOrInDebugMode) {
    for (const Settings& s : {settings(0), settings(3, 1)}) {
        SCOPED_TRACE(s.debugMode ? "debug mode" : "LiveCheckSeconds=0");
        LiveWindow w(false, false, s);
        w.typeAt(1, 1, "1");
        EXPECT_TRUE(w.window.liveCheck().idle());
        EXPECT_EQ(w.window.liveCheck().verdict(), Verdict::Cancelled);
        EXPECT_FALSE(w.panel().contains(QString::fromUtf8("判定")));
    }
}

} // namespace
} // namespace corvane

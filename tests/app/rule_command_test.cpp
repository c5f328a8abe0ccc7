// The rule command: what counts as a solution, chosen in the window and kept in the settings.
#include "app/board_view.h"
#include "app/command_menu.h"
#include "app/main_dialog.h"
#include "board_picture.h"
#include "gui_support.h"
#include "base/ini_file.h"
#include "temp_dir.h"
#include "watchdog.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::ModalAnswerer;

struct RuleCommandTest : ::testing::Test {
    RuleCommandTest() : store(dir / "config.ini"), window(&store, startSettings()) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window, testing::WatchdogMs));
        // One path along the top row; the bottom row can only stay empty.
        testing::setBoardPicture(window.session().board, {"1 . 1", ". . ."});
    }
    static Settings startSettings() {
        Settings s;
        s.directAutoSelect = 1;
        s.searchThreads = 1;
        return s;
    }
    void pressRuleKey() {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window, testing::WatchdogMs));
        QTest::keyClick(window.boardView(), Qt::Key_R, Qt::ControlModifier);
    }
    QAction* rule() {
        return window.findChild<CommandMenu*>()->command(QString::fromUtf8("全マスを埋めるルール"));
    }
    SearchState state() { return window.session().status.searchState; }
    QString status() { return window.statusPanel()->text(); }

    testing::TempDir dir;
    SettingsStore store;
    MainDialog window;
    ModalAnswerer answerer;
};

TEST_F(RuleCommandTest, ChangingTheRuleIsKeptShownAndResetsAFinishedSearch) {
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    ASSERT_EQ(state(), SearchState::Finished);
    ASSERT_EQ(answerer.texts().back(), QString::fromUtf8("解は1個でしたが空白マスがあります。"));
    EXPECT_FALSE(rule()->isChecked());
    EXPECT_FALSE(status().contains(QString::fromUtf8("ルール")));

    pressRuleKey();
    EXPECT_TRUE(rule()->isChecked());
    EXPECT_EQ(window.session().settings.fillAllCells, 1);
    EXPECT_EQ(readProfileInt(store.path(), "Config", "FillAllCells", -1), 1);
    // Reset as after a clue edit: the answer found stays in the list.
    EXPECT_EQ(state(), SearchState::Idle);
    EXPECT_EQ(window.session().board.solutions.size(), 1u);
    EXPECT_TRUE(status().endsWith(QString::fromUtf8("ルール\n全マスを埋める\n")));
    const QLabel& panel = *window.statusPanel();
    EXPECT_LE(panel.fontMetrics().horizontalAdvance(QString::fromUtf8("全マスを埋める")),
              panel.contentsRect().width());
    EXPECT_GE(panel.height(), panel.sizeHint().height());

    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    EXPECT_EQ(answerer.texts().back(), QString::fromUtf8("明らかに解がありません"));

    pressRuleKey();
    EXPECT_FALSE(rule()->isChecked());
    EXPECT_EQ(readProfileInt(store.path(), "Config", "FillAllCells", -1), 0);
    EXPECT_FALSE(status().contains(QString::fromUtf8("ルール")));
}

TEST_F(RuleCommandTest, APausedSearchKeepsTheRuleItStartedWith) {
    window.session().status.searchState = SearchState::Paused;
    window.refreshControls(false);
    EXPECT_FALSE(rule()->isEnabled());
    pressRuleKey();
    EXPECT_FALSE(rule()->isChecked());
    EXPECT_EQ(window.session().settings.fillAllCells, 0);
    EXPECT_EQ(state(), SearchState::Paused);
    window.session().status.searchState = SearchState::Finished;
    window.refreshControls(false);
    EXPECT_TRUE(rule()->isEnabled());
}

} // namespace
} // namespace corvane

// Commands that replace or drop the puzzle: the question about unsaved changes, and the focus
// the board gets after a new board or a load.
#include "app/board_view.h"
#include "app/main_dialog.h"
#include "app/tab_control.h"
#include "file_dialog_driver.h"
#include "gui_support.h"
#include "modal_script.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace corvane::testing;

struct ReplacePuzzleTest : ::testing::Test, DialogFolders {
    MainDialog window{nullptr, Settings{}};
    ModalScript script{5000};

    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    Session& session() { return window.session(); }
    /// Waits until every scripted answer was given and no modal window is left open.
    bool settled() {
        return waitUntil(
            [&] { return script.pending() == 0 && !QApplication::activeModalWidget(); });
    }
    int clue(int x, int y) { return session().board.boardCells[cellIndex(x, y)]; }
    /// A clue typed on the board: the puzzle is modified.
    void typeClue() {
        window.boardView()->setFocus();
        session().board.cursorCell = cellIndex(1, 1);
        QTest::keyClick(window.boardView(), Qt::Key_Delete);
        QTest::keyClick(window.boardView(), '4');
        ASSERT_TRUE(session().board.modified);
    }
    /// True when the board view has the focus once the window is active again (the offscreen
    /// platform does not give the activation back when a dialog closes).
    bool boardFocused() {
        window.activateWindow();
        return waitUntil([&] { return QApplication::activeWindow() == &window; }) &&
               window.boardView()->hasFocus();
    }
    /// Answers the question about unsaved changes with the button `name`.
    void answerQuestion(const char* name) {
        script.then([name](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), QString::fromUtf8("問題が変更されています。保存しますか？"));
            QStringList buttons;
            for (const char* b : {"yesButton", "noButton", "cancelButton"})
                buttons << box->findChild<QAbstractButton*>(b)->text();
            EXPECT_EQ(buttons.join('/'), QString::fromUtf8("はい/いいえ/キャンセル"));
            clickLater(box, name);
        });
    }
    /// Confirms the save dialog with `name` in the test folder, or cancels it.
    void answerSave(const char* name) {
        script.then([this, name](QWidget* modal) {
            QFileDialog* dialog = asFileDialog(modal);
            if (!dialog) return;
            if (!name) return rejectLater(dialog);
            dialog->setDirectory(folder);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
            acceptLater(dialog);
        });
    }
    /// Confirms the new-board dialog with the size it proposes.
    void answerNewBoard() {
        script.then([](QWidget* dialog) { clickLater(dialog, "okButton"); });
    }
    /// Chooses `name` from the test folder in the open dialog.
    void answerOpen(const char* name) {
        script.then([this, name](QWidget* modal) {
            QFileDialog* dialog = asFileDialog(modal);
            if (!dialog) return;
            dialog->setDirectory(folder);
            ASSERT_TRUE(waitForListing(dialog, folder, 1));
            ASSERT_TRUE(clickEntry(dialog, name));
            acceptLater(dialog);
        });
    }
};

TEST_F(ReplacePuzzleTest, TheAnswerDecidesWhetherANewBoardIsMade) {
    struct Row {
        const char* what;
        const char* answer;
        const char* savedAs; // the save dialog's file; null: the save is cancelled
        bool goesOn;
    };
    const Row rows[] = {
        {"cancel", "cancelButton", nullptr, false},
        {"no", "noButton", nullptr, true},
        {"yes, save cancelled", "yesButton", nullptr, false},
        {"yes, saved", "yesButton", "saved.txt", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        typeClue();
        answerQuestion(row.answer);
        if (std::string(row.answer) == "yesButton") answerSave(row.savedAs);
        if (row.goesOn) answerNewBoard();
        QTest::mouseClick(window.newBoardButton(), Qt::LeftButton);
        EXPECT_TRUE(settled());
        EXPECT_EQ(clue(1, 1), row.goesOn ? 0 : 4);
        EXPECT_EQ(session().board.modified, !row.goesOn);
    }
    EXPECT_TRUE(std::filesystem::exists(dir / "saved.txt"));
}

TEST_F(ReplacePuzzleTest, LoadDropAndCloseAskOnlyAboutAModifiedPuzzle) {
    writeBytes(dir / "other.txt", "w3h2n1s3n1\r\n");
    const QString other = folder + "/other.txt";

    // Unmodified: the open dialog comes at once, and a drop loads at once.
    answerOpen("other.txt");
    QTest::mouseClick(window.loadButton(), Qt::LeftButton);
    EXPECT_EQ(session().board.boardWidth, 3);
    resetBoard(session().board, session().status, window, 10, 10);
    dropFiles(&window, {other});
    EXPECT_TRUE(waitUntil([&] { return session().board.boardWidth == 3; }));

    // Modified: each gate asks; cancel keeps the board and the window.
    typeClue();
    answerQuestion("cancelButton");
    QTest::mouseClick(window.loadButton(), Qt::LeftButton);
    answerQuestion("cancelButton");
    dropFiles(&window, {other});
    EXPECT_TRUE(settled());
    answerQuestion("cancelButton");
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.closeSeen());
    EXPECT_EQ(clue(1, 1), 4);

    // A running search is ended by a close without a question.
    session().status.searchState = SearchState::Running;
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(window.closeSeen());
    EXPECT_EQ(script.pending(), 0);
}

TEST_F(ReplacePuzzleTest, CloseGoesOnAfterNo) {
    typeClue();
    answerQuestion("noButton");
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(window.closeSeen());
    EXPECT_EQ(script.pending(), 0);
}

TEST_F(ReplacePuzzleTest, NewBoardAndLoadHandTheFocusToTheBoard) {
    writeBytes(dir / "other.txt", "w3h2n1s3n1\r\n");
    // Space on the focused button opens the new-board dialog; afterwards Space erases a cell.
    window.newBoardButton()->setFocus();
    answerNewBoard();
    QTest::keyClick(window.newBoardButton(), Qt::Key_Space);
    ASSERT_TRUE(boardFocused());
    QTest::keyClick(QApplication::focusWidget(), '7');
    EXPECT_EQ(clue(1, 1), 7);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(clue(1, 1), 0);

    // On the search tab the focused board still takes keys without effect.
    QTabBar* bar = window.tabControl()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(MainDialog::SearchTab).center());
    answerQuestion("noButton"); // the clue typed above
    answerOpen("other.txt");
    QTest::mouseClick(window.loadButton(), Qt::LeftButton);
    ASSERT_TRUE(boardFocused());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), '7');
    EXPECT_EQ(clue(1, 1), 1);
    EXPECT_EQ(script.pending(), 0);
}

} // namespace
} // namespace corvane

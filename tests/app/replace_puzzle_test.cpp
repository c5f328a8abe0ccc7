// Commands that replace or drop the puzzle: the questions about unsaved changes and about a
// paused search, and the focus the board gets after a new board, a load or a question.
#include "app/board_view.h"
#include "app/main_dialog.h"
#include "file_dialog_driver.h"
#include "gui_support.h"
#include "modal_script.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace corvane::testing;

struct ReplacePuzzleTest : ::testing::Test, DialogFolders {
    MainDialog window{nullptr, Settings{}};
    ModalScript script;

    void SetUp() override {
        writeBytes(dir / "other.txt", "w3h2n1s3n1\r\n");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    int& clue() { return window.session().board.boardCells[cellIndex(1, 1)]; }
    /// Types clue 4 at row 1, column 1: the puzzle is modified.
    void typeClue() {
        window.session().board.cursorCell = cellIndex(1, 1);
        clue() = 0;
        QTest::keyClick(window.boardView(), '4');
    }
    /// Queues the answer `button` to the question about unsaved changes.
    void answer(const char* button) {
        script.then([button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), "問題が変更されています。保存しますか？");
            QStringList texts;
            for (const char* b : {"yesButton", "noButton", "cancelButton"})
                texts << box->findChild<QAbstractButton*>(b)->text();
            EXPECT_EQ(texts.join('/'), "はい/いいえ/キャンセル");
            clickLater(box, button);
        });
    }
    /// Queues the answer `button` to the question about a paused search.
    void answerPaused(const char* button) {
        script.then([button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), "一時停止中の探索を破棄しますか？");
            clickLater(box, button);
        });
    }
    /// Queues the answer to a file or new-board dialog: `name` in the test folder for a file
    /// dialog (null: cancelled), OK for the new-board dialog.
    void confirm(const char* name = nullptr) {
        script.then([this, name](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) return clickLater(modal, "okButton");
            if (!name) return rejectLater(dialog);
            dialog->setDirectory(folder);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
            acceptLater(dialog);
        });
    }
    bool settled() {
        return waitUntil(
            [&] { return script.pending() == 0 && !QApplication::activeModalWidget(); });
    }
    /// True when the board has the focus once the window is active again (the offscreen
    /// platform does not give the activation back when a dialog closes).
    bool boardFocused() {
        window.activateWindow();
        return waitUntil([&] { return QApplication::activeWindow() == &window; }) &&
               window.boardView()->hasFocus();
    }
};

TEST_F(ReplacePuzzleTest, TheAnswerDecidesWhetherANewBoardIsMade) {
    const struct {
        const char* answer;
        bool save;
        const char* savedAs; // null: the save dialog is cancelled
        bool goesOn;
    } rows[] = {
        {"cancelButton", false, nullptr, false},
        {"noButton", false, nullptr, true},
        {"yesButton", true, nullptr, false},
        {"yesButton", true, "saved.txt", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.answer) + (row.savedAs ? " saved" : ""));
        typeClue();
        answer(row.answer);
        if (row.save) confirm(row.savedAs);
        if (row.goesOn) confirm(); // the new-board dialog
        window.newBoardButton()->setFocus();
        QTest::mouseClick(window.newBoardButton(), Qt::LeftButton);
        EXPECT_TRUE(settled());
        EXPECT_EQ(clue(), row.goesOn ? 0 : 4);
        EXPECT_EQ(window.session().board.modified, !row.goesOn);
        EXPECT_TRUE(boardFocused()); // also when the user stays: not left on the button
    }
    EXPECT_EQ(readBytes(dir / "saved.txt").substr(0, 4), "w10h");
}

TEST_F(ReplacePuzzleTest, LoadDropAndCloseAskOnlyAboutAModifiedPuzzle) {
    confirm("other.txt"); // unmodified: the open dialog comes at once
    QTest::mouseClick(window.loadButton(), Qt::LeftButton);
    EXPECT_EQ(window.session().board.boardWidth, 3);

    typeClue();
    answer("cancelButton");
    dropFiles(&window, {folder + "/other.txt"});
    EXPECT_TRUE(settled());
    answer("cancelButton");
    EXPECT_FALSE(window.close());
    answer("noButton");
    dropFiles(&window, {folder + "/other.txt"});
    EXPECT_TRUE(settled());
    EXPECT_EQ(clue(), 1); // the dropped file's

    typeClue(); // a running search is ended by a close without a question
    window.session().status.searchState = SearchState::Running;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(script.pending(), 0);
}

TEST_F(ReplacePuzzleTest, APausedSearchIsDroppedOnlyWhenTheUserAgrees) {
    // Paste, new board, load and drop each ask first: "いいえ" keeps the paused search and the
    // puzzle, "はい" goes on with the command.
    QGuiApplication::clipboard()->setText("https://puzz.link/p?numlin/4/3/1h2j1h2");
    const struct {
        const char* name;
        std::function<void()> command;
        std::function<void()> dialogs; // what the command shows after the question
    } rows[] = {
        {"paste",
         [&] {
             window.activateWindow();
             ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }));
             QTest::keyClick(window.boardView(), Qt::Key_V, Qt::ControlModifier);
         },
         [] {}},
        {"new board", [&] { QTest::mouseClick(window.newBoardButton(), Qt::LeftButton); },
         [&] { confirm(); }},
        {"load", [&] { QTest::mouseClick(window.loadButton(), Qt::LeftButton); },
         [&] { confirm("other.txt"); }},
        {"drop", [&] { dropFiles(&window, {folder + "/other.txt"}); }, [] {}},
    };
    SearchStatus& status = window.session().status;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clue() = 9;
        status.searchState = SearchState::Paused;
        status.stepCount = 1234;
        window.refreshControls(false);
        answerPaused("noButton");
        row.command();
        ASSERT_TRUE(settled());
        EXPECT_EQ(status.searchState, SearchState::Paused);
        EXPECT_EQ(status.stepCount, 1234u);
        EXPECT_EQ(clue(), 9);
        EXPECT_TRUE(boardFocused());

        answerPaused("yesButton");
        row.dialogs();
        row.command();
        ASSERT_TRUE(settled());
        EXPECT_EQ(status.searchState, SearchState::Idle);
        EXPECT_NE(clue(), 9);
    }
}

TEST_F(ReplacePuzzleTest, NewBoardAndLoadHandTheFocusToTheBoard) {
    // Space on the focused button opens the new-board dialog; afterwards Space erases a cell.
    window.newBoardButton()->setFocus();
    confirm();
    QTest::keyClick(window.newBoardButton(), Qt::Key_Space);
    ASSERT_TRUE(boardFocused());
    QTest::keyClick(QApplication::focusWidget(), '7');
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(clue(), 0);
    EXPECT_TRUE(window.session().board.modified);

    window.selectSearchTab(); // there the focused board takes keys without effect
    answer("noButton");
    confirm("other.txt");
    QTest::mouseClick(window.loadButton(), Qt::LeftButton);
    ASSERT_TRUE(boardFocused());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(clue(), 1);
    EXPECT_EQ(script.pending(), 0);
}

} // namespace
} // namespace corvane

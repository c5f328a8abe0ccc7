// Commands that replace or drop the puzzle: the question about unsaved changes, and the focus
// the board gets after a new board or a load.
#include "app/board_view.h"
#include "app/main_dialog.h"
#include "file_dialog_driver.h"
#include "gui_support.h"
#include "modal_script.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace corvane::testing;

struct ReplacePuzzleTest : ::testing::Test, DialogFolders {
    MainDialog window{nullptr, Settings{}};
    ModalScript script{5000};

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
        QTest::mouseClick(window.newBoardButton(), Qt::LeftButton);
        EXPECT_TRUE(settled());
        EXPECT_EQ(clue(), row.goesOn ? 0 : 4);
        EXPECT_EQ(window.session().board.modified, !row.goesOn);
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

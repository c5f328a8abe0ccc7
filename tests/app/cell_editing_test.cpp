// Editing the board through the view as a user does: digits, erase keys, arrows, clicks.
#include "board_view_fixture.h"

#include <QShortcut>
#include <QSignalSpy>

namespace corvane::testing {
namespace {

class CellEditingTest : public BoardViewTest {
  protected:
    void SetUp() override {
        BoardViewTest::SetUp();
        setBoard({". . .", ". 5 .", ". . ."});
    }
    int& cell(int x, int y) { return session.board.boardCells[cellIndex(x, y)]; }
    void putCursor(int x, int y) { session.board.cursorCell = cellIndex(x, y); }
    /// A finished search with one stored solution, as after "探索開始...".
    void finishSearch() {
        addSolution({"0 0 0", "0 5 0", "0 0 0"});
        session.status = {SearchState::Finished, 1234, 5678, 9};
    }
    void expectSearchReset() {
        EXPECT_EQ(session.status.searchState, SearchState::Idle);
        EXPECT_EQ(session.status.stepCount, 0u);
        EXPECT_EQ(session.status.startTime, 0);
        EXPECT_EQ(session.board.solutions.size(), 1u); // solutions survive an edit
        EXPECT_EQ(window.viewItems.size(), 2u);
    }
};

TEST_F(CellEditingTest, MainKeyboardAndKeypadDigitsBuildTheClue) {
    QTest::keyClick(view, '1');
    QTest::keyClick(view, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(cell(1, 1), 12);
    putCursor(3, 3);
    QTest::keyClick(view, Qt::Key_9, Qt::KeypadModifier);
    QTest::keyClick(view, '0');
    EXPECT_EQ(cell(3, 3), 90);
    EXPECT_EQ(window.refreshCount, 4);
    EXPECT_EQ(window.repaintNowCount, 0);
    EXPECT_TRUE(window.beeps.empty());
    EXPECT_EQ(session.board.cursorCell, cellIndex(3, 3)); // no advance after a digit
}

TEST_F(CellEditingTest, ThirdDigitPastNinetyNineOnlyBeeps) {
    for (char c : {'9', '9', '9'}) QTest::keyClick(view, c);
    EXPECT_EQ(cell(1, 1), 99);
    EXPECT_EQ(window.beeps, std::vector<BeepKind>{BeepKind::Simple});
    EXPECT_EQ(window.refreshCount, 2);
}

TEST_F(CellEditingTest, HugeClueFromAFileRefusesEveryDigitWithoutOverflow) {
    // 429496729 * 10 + 6 wraps to 0 in 32 bits and 214748364 * 10 + 8 to a negative number.
    for (int huge : {429496729, 214748364, 2147483647, 100}) {
        cell(1, 1) = huge;
        for (int key : {Qt::Key_6, Qt::Key_8, Qt::Key_0}) {
            EXPECT_TRUE(view->handleBoardKey(key, Qt::NoModifier));
            EXPECT_EQ(cell(1, 1), huge);
        }
    }
    EXPECT_EQ(window.beeps.size(), 12u);
    EXPECT_EQ(window.refreshCount, 0);
}

TEST_F(CellEditingTest, DigitsResetAFinishedSearchButKeepItsSolutions) {
    finishSearch();
    QTest::keyClick(view, '0'); // leaves the empty cell empty, still an edit
    EXPECT_EQ(cell(1, 1), 0);
    expectSearchReset();
    EXPECT_EQ(window.refreshCount, 1);
}

TEST_F(CellEditingTest, EraseKeysClearTheClueAndResetTheSearch) {
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_Backspace, Qt::NoModifier}, std::pair{Qt::Key_Space, Qt::NoModifier},
          std::pair{Qt::Key_Delete, Qt::NoModifier},
          std::pair{Qt::Key_Delete, Qt::KeypadModifier}}) {
        session.board.solutions.clear();
        window.viewItems.resize(1);
        finishSearch();
        putCursor(2, 2);
        cell(2, 2) = 5;
        QTest::keyClick(view, key, modifiers);
        EXPECT_EQ(cell(2, 2), 0) << key;
        expectSearchReset();
    }
    EXPECT_EQ(window.refreshCount, 4);
}

TEST_F(CellEditingTest, ArrowsMoveTheCursorWithinTheBoardAndOnlyRepaint) {
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(session.board.cursorCell, cellIndex(1, 1));
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(session.board.cursorCell, cellIndex(2, 1));
    EXPECT_EQ(colourAt(30, 5), Cyan);
    EXPECT_EQ(colourAt(5, 5), White);
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Down);
    }
    EXPECT_EQ(session.board.cursorCell, cellIndex(3, 3)); // no wrapping at the edges
    // The keypad with NumLock off sends its arrows as arrows.
    QTest::keyClick(view, Qt::Key_Left, Qt::KeypadModifier);
    QTest::keyClick(view, Qt::Key_Up, Qt::KeypadModifier);
    EXPECT_EQ(session.board.cursorCell, cellIndex(2, 2));
    EXPECT_EQ(window.refreshCount, 0);
    EXPECT_TRUE(view->hasFocus());
}

TEST_F(CellEditingTest, KeysOnTheSearchTabOrOffTheBoardAreSwallowedWithoutEffect) {
    finishSearch();
    view->setSelectedTab(1);
    for (int key : {Qt::Key_7, Qt::Key_Delete, Qt::Key_Right, Qt::Key_Down})
        EXPECT_TRUE(view->handleBoardKey(key, Qt::NoModifier)) << key;
    view->setSelectedTab(0);
    putCursor(4, 1); // the board shrank under a cursor placed by a click
    for (int key : {Qt::Key_7, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Down})
        EXPECT_TRUE(view->handleBoardKey(key, Qt::NoModifier)) << key;
    EXPECT_EQ(session.board.cursorCell, cellIndex(4, 1));
    EXPECT_EQ(cell(1, 1), 0);
    EXPECT_EQ(cell(2, 2), 5);
    EXPECT_EQ(session.status.searchState, SearchState::Finished);
    EXPECT_TRUE(window.beeps.empty());
    EXPECT_EQ(window.refreshCount, 0);
}

TEST_F(CellEditingTest, OtherKeysGoOnToTheWindow) {
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_Tab, Qt::NoModifier}, std::pair{Qt::Key_Return, Qt::NoModifier},
          std::pair{Qt::Key_Enter, Qt::KeypadModifier}, std::pair{Qt::Key_Escape, Qt::NoModifier},
          std::pair{Qt::Key_Home, Qt::KeypadModifier}, std::pair{Qt::Key_Clear, Qt::KeypadModifier},
          std::pair{Qt::Key_5, Qt::AltModifier}, std::pair{Qt::Key_A, Qt::NoModifier}})
        EXPECT_FALSE(view->handleBoardKey(key, modifiers)) << key;
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(CellEditingTest, EditorKeysReachTheViewBeforeShortcuts) {
    int fired = 0;
    for (const char* sequence : {"5", "Right", "Backspace"}) {
        auto* shortcut = new QShortcut(QKeySequence(sequence), &top);
        QObject::connect(shortcut, &QShortcut::activated, [&fired] { ++fired; });
    }
    QTest::keyClick(view, '5');
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(cell(1, 1), 5);
    EXPECT_EQ(session.board.cursorCell, cellIndex(2, 1));
    QTest::keyClick(view, Qt::Key_Backspace);
    EXPECT_EQ(cell(2, 1), 0);
    EXPECT_EQ(fired, 0);
}

TEST_F(CellEditingTest, LeftClickPutsTheCursorOnAnyCellAndFocusesTheView) {
    view->setSelectedTab(1);
    button->setFocus();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(30, 50));
    EXPECT_EQ(session.board.cursorCell, cellIndex(2, 3));
    EXPECT_TRUE(view->hasFocus());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 10)); // beyond the 3-wide board
    EXPECT_EQ(session.board.cursorCell, cellIndex(13, 1));
    view->setSelectedTab(0);
    QTest::keyClick(view, '4');
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(session.board.cursorCell, cellIndex(13, 1));
    EXPECT_EQ(countColour(picture(), picture().rect(), Cyan), 0);
    EXPECT_EQ(window.refreshCount, 0);
}

TEST_F(CellEditingTest, ClickFarOutsideKeepsTheCursorInsideTheCellLayout) {
    for (QPoint p : {QPoint(5000, 10), QPoint(10, 5000), QPoint(65535, 65535)}) {
        QTest::mouseClick(view, Qt::RightButton, {}, p);
        EXPECT_GE(session.board.cursorCell, 0);
        EXPECT_LT(session.board.cursorCell, CellCount);
        EXPECT_FALSE(session.board.onBoard(session.board.cursorCell));
        QTest::keyClick(view, '1');
        EXPECT_EQ(cell(1, 1), 0);
    }
}

TEST_F(CellEditingTest, RightClickErasesOnlyOnTheEditingTabAndOnTheBoard) {
    finishSearch();
    button->setFocus();
    view->setSelectedTab(1);
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(cell(2, 2), 5);
    EXPECT_EQ(session.board.cursorCell, cellIndex(2, 2));
    EXPECT_EQ(session.status.searchState, SearchState::Finished);
    EXPECT_TRUE(view->hasFocus());
    EXPECT_EQ(window.refreshCount, 1);

    view->setSelectedTab(0);
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(80, 30)); // column 4: off the board
    EXPECT_EQ(session.board.cursorCell, cellIndex(4, 2));
    EXPECT_EQ(session.status.searchState, SearchState::Finished);

    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(47, 47));
    EXPECT_EQ(cell(2, 2), 0);
    expectSearchReset();
    EXPECT_EQ(window.refreshCount, 3);
}

TEST_F(CellEditingTest, OnlyAnEditThatChangesAClueMarksThePuzzleModified) {
    // Each row starts unmodified with the cursor on the empty cell (1, 1); clue 5 is at (2, 2).
    const std::pair<Qt::Key, bool> keys[] = {
        {Qt::Key_3, true}, {Qt::Key_0, false}, {Qt::Key_Delete, false}, {Qt::Key_Right, false}};
    for (auto [key, modified] : keys) {
        session.board.modified = false;
        cell(1, 1) = 0;
        putCursor(1, 1);
        QTest::keyClick(view, key);
        EXPECT_EQ(session.board.modified, modified) << key;
    }
    for (int tab : {1, 0}) { // a right click on the clue, on each tab
        session.board.modified = false;
        view->setSelectedTab(tab);
        QTest::mouseClick(view, Qt::RightButton, {}, QPoint(30, 30));
        EXPECT_EQ(session.board.modified, tab == 0);
    }
}

TEST_F(CellEditingTest, DoubleClickAsksForTheEditingTabOnce) {
    view->setSelectedTab(1);
    QSignalSpy requested(view, &BoardView::editingTabRequested);
    // A real double click: press, release, double click, release.
    const QPoint at(54, 54);
    QTest::mousePress(view, Qt::LeftButton, {}, at);
    QTest::mouseRelease(view, Qt::LeftButton, {}, at);
    QTest::mouseDClick(view, Qt::LeftButton, {}, at);
    QTest::mouseRelease(view, Qt::LeftButton, {}, at);
    EXPECT_EQ(requested.count(), 1);
    EXPECT_EQ(session.board.cursorCell, cellIndex(3, 3));
    QTest::mouseDClick(view, Qt::RightButton, {}, at);
    EXPECT_EQ(requested.count(), 1);
}

} // namespace
} // namespace corvane::testing

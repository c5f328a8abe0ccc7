// The view list's "相違箇所": added with the second answer, kept last, never an answer number.
#include "app/board_view.h"
#include "app/main_dialog.h"
#include "board_picture.h"
#include "formats/puzzle_save.h"
#include "gui_support.h"
#include "search/search_driver.h"
#include "search/search_session.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

/// A shown main window that searches in the recommended direction.
struct ViewListFixture : ::testing::Test {
    ViewListFixture() : window(nullptr, Settings{.directAutoSelect = 1, .searchThreads = 1}) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    /// Searches the puzzle of the picture to its end from the window.
    void search(const std::vector<std::string>& clues) {
        testing::setBoardPicture(window.session().board, clues);
        window.layoutMainDialog();
        window.startButton()->click();
        ASSERT_EQ(window.session().status.searchState, SearchState::Finished);
    }
    QStringList items() const {
        QStringList out;
        for (int i = 0; i < window.viewSelector()->count(); ++i)
            out << window.viewSelector()->itemText(i);
        return out;
    }
    QString status() const { return window.statusPanel()->text(); }

    MainDialog window;
    testing::ModalAnswerer answerer;
};

TEST_F(ViewListFixture, VaryingItemFollowsTheStoredAnswersAndIsNeverAnAnswer) {
    // Two solutions: pair 1 goes round pair 2 above or below; they part in 8 cells.
    search({". . . .", "1 2 2 1", ". . . ."});
    EXPECT_EQ(items(), (QStringList{"通常画面", "解 No.1", "解 No.2", "相違箇所"}));
    EXPECT_TRUE(status().endsWith("解の個数\n2\n相違マス数\n8\n"));

    // Paused, the panel's nine lines take it down to the debug field's place, not over it.
    window.session().status.searchState = SearchState::Paused;
    window.refreshControls(false);
    EXPECT_EQ(window.statusPanel()->geometry().bottom() + 1, window.debugStopStep()->y());
    window.session().status.searchState = SearchState::Finished;

    // Chosen by the user, it reaches the board view as its own view, never as an answer.
    window.viewSelector()->setCurrentIndex(3);
    EXPECT_EQ(window.selectedViewItem(), 0);
    EXPECT_TRUE(window.boardView()->varyingView());
    EXPECT_EQ(window.boardView()->viewIndex(), 0);

    // A save started on it offers the answers alone and writes none ("なし").
    Board& board = window.session().board;
    board.answerChoice = 2;
    window.session().settings.fileFormat = FormatNsha; // a format that carries an answer
    QStringList offered;
    answerer.onDialog = [&](QWidget* dialog) {
        auto* answers = dialog->findChild<QComboBox*>(QStringLiteral("answerList"));
        for (int i = 0; i < answers->count(); ++i) offered << answers->itemText(i);
        offered << answers->currentText();
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    };
    savePuzzleFile(window.session());
    EXPECT_EQ(offered, (QStringList{"なし", "解 No.1", "解 No.2", "なし"})); // and the choice
    EXPECT_EQ(board.answerChoice, 0);

    // An answer arriving meanwhile goes before it; the selection stays on it. (This stand-in
    // differs from the others in one more cell.)
    board.solutions.push_back(testing::answerFromPicture({"1 1 1 1", "1 2 2 2", ". . . ."}));
    window.addViewItem(viewItemText(3));
    window.refreshControls(false);
    EXPECT_EQ(items().mid(3), (QStringList{"解 No.3", "相違箇所"}));
    EXPECT_EQ(window.viewSelector()->currentText(), "相違箇所");
    EXPECT_TRUE(window.boardView()->varyingView());
    EXPECT_TRUE(status().endsWith("相違マス数\n9\n"));

    window.selectViewItem(2);
    EXPECT_FALSE(window.boardView()->varyingView());
    EXPECT_EQ(window.boardView()->viewIndex(), 2);

    // It goes with the answers, also while it is chosen; a unique puzzle lists its answer
    // alone.
    window.viewSelector()->setCurrentIndex(4);
    clearSolutions(board, window);
    window.refreshControls(false);
    EXPECT_EQ(items(), QStringList{"通常画面"});
    EXPECT_FALSE(status().contains("相違マス数"));
    EXPECT_FALSE(window.boardView()->varyingView());
    search({"1 . 1", "2 . 2"});
    EXPECT_EQ(items(), (QStringList{"通常画面", "解 No.1"}));
    EXPECT_FALSE(status().contains("相違マス数"));
    EXPECT_EQ(answerer.stuck, 0);
}

} // namespace
} // namespace corvane

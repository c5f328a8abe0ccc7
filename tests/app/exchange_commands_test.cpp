// The exchange commands: paste, copy and drop of puzz.link URLs and pzprv3 text in the window.
#include "app/board_view.h"
#include "app/command_menu.h"
#include "app/main_dialog.h"
#include "board_picture.h"
#include "formats/puzzlink_url.h"
#include "gui_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::ModalAnswerer;

const QString PuzzleUrl = "https://puzz.link/p?numlin/4/3/1h2j1h2";
const std::vector<std::string> PuzzleClues{"1 . . 2", ". . . .", "1 . . 2"};
/// The same puzzle with its answer: pair 1 down the left column, pair 2 down the right.
const QString PuzzleWithAnswer = "pzprv3\nnumlin\n3\n4\n1 . . 2 \n. . . . \n1 . . 2 \n"
                                 "0 0 0 \n0 0 0 \n0 0 0 \n1 0 0 1 \n1 0 0 1 \n";

/// A shown, active main window with a 2 x 2 board that was read from a file.
struct ExchangeWindowTest : ::testing::Test {
    ExchangeWindowTest() : window(nullptr, Settings{.searchThreads = 1}) {
        window.show();
        testing::setBoardPicture(session().board, {"1 2", "2 1"});
        session().board.currentFilePath = "/somewhere/puzzle.txt";
    }
    Session& session() { return window.session(); }
    /// Presses a shortcut; the window is made active first, as a box closed before may have
    /// left no window active.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.boardView(), key, modifiers);
    }
    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
    }
    std::vector<std::string> clues() { return testing::boardPicture(session().board); }
    /// Drags `data` onto the window and drops it there.
    void drop(QMimeData& data) {
        const QPoint pos = window.rect().center();
        QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.windowHandle(), &enter);
        QDropEvent dropped(QPointF(pos), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.windowHandle(), &dropped);
        ASSERT_TRUE(testing::flushPostedEvents()); // the read the drop queued has run
    }

    MainDialog window;
    ModalAnswerer answerer;
};

TEST_F(ExchangeWindowTest, PasteReadsAUrlOrPzprv3TextAsALoad) {
    // The menu's entries; the tests press their shortcuts.
    for (const char* text : {"URL・pzprv3を貼り付け", "URLをコピー", "pzprv3形式でコピー"})
        EXPECT_TRUE(window.commandMenu()->command(text)) << text;
    window.viewSelector()->setFocus();
    paste(PuzzleUrl);
    EXPECT_EQ(clues(), PuzzleClues);
    EXPECT_EQ(window.focusWidget(), window.boardView()); // as after a load: digits go there
    EXPECT_EQ(session().board.currentFilePath, "");      // a later save asks for a name
    EXPECT_EQ(window.viewSelector()->count(), 1);
    EXPECT_EQ(session().status.searchState, SearchState::Idle);

    paste(PuzzleWithAnswer);
    EXPECT_EQ(window.viewSelector()->count(), 2);
    EXPECT_EQ(session().status.searchState, SearchState::Finished);
    EXPECT_TRUE(answerer.boxes.empty());
    answerer.boxes.clear();

    // A broken URL, other text: the clipboard holds no puzzle, and the reader says why; the
    // board stays.
    for (const QString& text : {QString("https://puzz.link/p?numlin/4/3/1-"), QString("hello")}) {
        answerer.boxes.clear();
        paste(text);
        ASSERT_EQ(answerer.boxes.size(), 1u) << text.toStdString();
        const QStringList lines = answerer.boxes[0].text.split('\n');
        EXPECT_EQ(answerer.boxes[0].caption, "エラー");
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0], "クリップボードの内容を問題として読めませんでした");
        EXPECT_FALSE(lines[1].isEmpty());
        EXPECT_EQ(window.viewSelector()->count(), 2);
    }
    EXPECT_TRUE(answerer.boxes[0].text.endsWith("neither a puzz.link URL nor pzprv3 text"));

    // While a search runs the command is disabled: nothing is read.
    session().status.searchState = SearchState::Running;
    window.refreshControls(false);
    paste(PuzzleUrl);
    EXPECT_EQ(window.viewSelector()->count(), 2);
    EXPECT_EQ(session().status.searchState, SearchState::Running);
}

TEST_F(ExchangeWindowTest, CopyWritesTheUrlAndThePzprv3TextOfTheShownAnswer) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    paste(PuzzleWithAnswer);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), PuzzleUrl);

    // "通常画面" shown: the puzzle alone; "解 No.1" shown: its lines.
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), "pzprv3\nnumlin\n3\n4\n1 . . 2 \n. . . . \n1 . . 2 \n0 0 0 \n"
                                 "0 0 0 \n0 0 0 \n0 0 0 0 \n0 0 0 0 \n");
    window.viewSelector()->setCurrentIndex(1);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), PuzzleWithAnswer);
    EXPECT_TRUE(answerer.boxes.empty());

    // A clue the URL cannot hold, an answer that is no paths: refused, the clipboard kept.
    session().board.boardCells[cellIndex(2, 2)] = LargestUrlClue + 1;
    press(Qt::Key_C, Qt::ControlModifier);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return answerer.boxes.size() == 2; }, testing::WatchdogMs));
    EXPECT_EQ(answerer.texts(), QStringList(2, "現在この条件でコピーする事は出来ません"));
    EXPECT_EQ(clipboard->text(), PuzzleWithAnswer);
}

TEST_F(ExchangeWindowTest, DroppedUrlOrTextIsReadLikeAPaste) {
    QMimeData link;
    link.setData("text/uri-list", (PuzzleUrl + "\r\n").toUtf8());
    drop(link);
    ASSERT_TRUE(QTest::qWaitFor([this] { return clues() == PuzzleClues; }, testing::WatchdogMs));
    EXPECT_EQ(session().board.currentFilePath, "");

    QMimeData text;
    text.setText(PuzzleWithAnswer);
    window.viewSelector()->setFocus();
    drop(text);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.viewSelector()->count() == 2; },
                                testing::WatchdogMs));
    EXPECT_EQ(window.focusWidget(), window.boardView());

    // Other text is no puzzle: the drop is not taken.
    testing::setBoardPicture(session().board, {"1 2", "2 1"});
    QMimeData other;
    other.setText("hello");
    drop(other);
    EXPECT_EQ(clues(), (std::vector<std::string>{"1 2", "2 1"}));

    // While a search runs: the exclamation beep and nothing read.
    session().status.searchState = SearchState::Running;
    QSignalSpy beeps(&window, &MainDialog::beeped);
    drop(link);
    ASSERT_EQ(beeps.count(), 1);
    EXPECT_EQ(beeps.at(0).at(0).value<BeepKind>(), BeepKind::Exclamation);
    EXPECT_EQ(clues(), (std::vector<std::string>{"1 2", "2 1"}));
    EXPECT_TRUE(answerer.boxes.empty());
}

} // namespace
} // namespace corvane

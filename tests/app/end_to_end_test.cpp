// A whole session at the window: a puzzle typed in, searched, its solution saved in every
// format through the save dialog and read back through the open dialog.
#include "app/board_view.h"
#include "app/main_dialog.h"
#include "board_picture.h"
#include "file_dialog_driver.h"
#include "modal_script.h"
#include "temp_dir.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace corvane::testing;

const std::vector<std::string> Puzzle = {
    "1 . . 2",
    ". . . .",
    "1 . 2 .",
};

/// Replaces the text of a size field as typed from the keyboard.
void typeInto(QWidget* dialog, const char* name, const QString& text) {
    auto* field = dialog->findChild<QAbstractSpinBox*>(QString::fromLatin1(name));
    ASSERT_NE(field, nullptr) << name;
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

/// Records a message box and confirms it.
ModalScript::Handler confirmBox(QStringList& seen) {
    return [&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen << box->windowTitle() + ":" + box->text();
        QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
    };
}

TEST(EndToEndTest, TypedPuzzleSearchedSavedInEveryFormatAndReadBack) {
    TempDir files;
    TempDir dialogState;
    keepDialogStateIn(dialogState.path().string());
    const QString folder = QString::fromStdString(files.path().string());

    MainDialog window(nullptr, Settings{.searchThreads = 1}); // the same search on any machine
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Session& session = window.session();
    ModalScript script;
    QStringList boxes;

    // A new 4 x 3 board from the new-board dialog.
    script.then([](QWidget* dialog) {
        typeInto(dialog, "widthField", "4");
        typeInto(dialog, "heightField", "3");
        clickLater(dialog, "okButton");
    });
    QTest::mouseClick(window.newBoardButton(), Qt::LeftButton);
    ASSERT_EQ(session.board.boardWidth, 4);
    ASSERT_EQ(session.board.boardHeight, 3);

    // The clues typed on the board: main-keyboard and keypad digits, arrows between them.
    QWidget* view = window.boardView();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_1);
    for (int i = 0; i < 3; ++i) QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_2);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_2, Qt::KeypadModifier);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_1, Qt::KeypadModifier);
    ASSERT_EQ(boardPicture(session.board), Puzzle);

    // Enter starts the search; the direction dialog is confirmed, then the result box.
    script.then([](QWidget* dialog) { clickLater(dialog, "okButton"); });
    script.then(confirmBox(boxes));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(session.status.searchState, SearchState::Finished);
    ASSERT_EQ(boxes, QStringList{QString::fromUtf8("結果:解は1個でしたが空白マスがあります。")});
    ASSERT_EQ(session.board.solutions.size(), 1u);
    const Answer found = session.board.solutions.front();

    // The solution is picked in the view list, then saved in each format.
    window.viewSelector()->setFocus();
    QTest::keyClick(window.viewSelector(), Qt::Key_Down);
    ASSERT_EQ(window.selectedViewItem(), 1);
    const char* names[] = {"kavrin.txt", "nsha.txt", "nshac.txt"};
    for (int format = FormatKavrin; format <= FormatNshaC; ++format) {
        script.then([&, format](QWidget* modal) {
            QFileDialog* dialog = asFileDialog(modal);
            panelList(dialog, "formatList")->setCurrentIndex(format);
            dialog->setDirectory(folder);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(names[format]);
            acceptLater(dialog);
        });
        QTest::mouseClick(window.saveButton(), Qt::LeftButton);
        ASSERT_TRUE(std::filesystem::exists(files / names[format])) << names[format];
    }
    EXPECT_EQ(session.settings.fileFormat, FormatNshaC);

    // Each file read back through the open dialog, its format recognised.
    for (int format = FormatKavrin; format <= FormatNshaC; ++format) {
        SCOPED_TRACE(names[format]);
        script.then([&, format](QWidget* modal) {
            QFileDialog* dialog = asFileDialog(modal);
            dialog->setDirectory(folder);
            ASSERT_TRUE(waitForListing(dialog, folder, 3));
            ASSERT_TRUE(clickEntry(dialog, names[format]));
            acceptLater(dialog);
        });
        QTest::mouseClick(window.loadButton(), Qt::LeftButton);
        EXPECT_EQ(session.settings.fileFormat, format);
        EXPECT_EQ(boardPicture(session.board), Puzzle);
        if (format == FormatKavrin) {
            EXPECT_TRUE(session.board.solutions.empty());
            EXPECT_EQ(session.status.searchState, SearchState::Idle);
            EXPECT_EQ(window.viewSelector()->count(), 1);
        } else {
            ASSERT_EQ(session.board.solutions.size(), 1u);
            EXPECT_EQ(session.board.solutions.front(), found);
            EXPECT_EQ(session.status.searchState, SearchState::Finished);
            EXPECT_EQ(window.viewSelector()->count(), 2);
        }
    }
    EXPECT_EQ(boxes.size(), 1);
    EXPECT_EQ(script.pending(), 0);
}

} // namespace
} // namespace corvane

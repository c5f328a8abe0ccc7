// The picture command: its dialog's choices, and Ctrl+E at the window writing the picture
// chosen or reporting the failed write.
#include "app/main_dialog.h"
#include "app/picture_command.h"

#include "board_picture.h"
#include "file_dialog_driver.h"
#include "modal_script.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace corvane {
namespace {

using namespace corvane::testing;

template <typename T> T* child(QWidget* dialog, const char* name) {
    auto* found = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QStringList items(QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts;
}

TEST(PictureDialog, OffersThePuzzleAndTheShownAnswerAndReturnsTheChoice) {
    const struct {
        int shown;
        QStringList contents;
        int preselected;
    } cases[] = {{0, {"問題"}, 0}, {2, {"問題", "解 No.2"}, 1}};
    for (const auto& c : cases) {
        ModalScript script;
        script.then([&](QWidget* dialog) {
            auto* format = child<QComboBox>(dialog, "formatList");
            auto* content = child<QComboBox>(dialog, "contentList");
            auto* cellSize = child<QSpinBox>(dialog, "cellSizeBox");
            auto* colours = child<QCheckBox>(dialog, "colourBox");
            EXPECT_EQ(items(format), QStringList({"PNG", "SVG"}));
            EXPECT_EQ(format->currentIndex(), 1); // as the dialog was started
            EXPECT_EQ(items(content), c.contents);
            EXPECT_EQ(content->currentIndex(), c.preselected);
            EXPECT_EQ(cellSize->value(), 50);
            EXPECT_TRUE(colours->isChecked());
            // Typed as a user types: a size beyond the range cannot be entered.
            format->setCurrentIndex(0);
            cellSize->setFocus();
            cellSize->selectAll();
            QTest::keyClicks(cellSize, "250");
            EXPECT_LE(cellSize->value(), PictureOptions::MaxCellSize);
            cellSize->selectAll();
            QTest::keyClicks(cellSize, "120");
            QTest::mouseClick(colours, Qt::LeftButton, {}, QPoint(4, colours->height() / 2));
            clickLater(dialog, "okButton");
        });
        const auto choice = runPictureDialog(PictureChoice{false, 0, 50, true}, c.shown, nullptr);
        ASSERT_TRUE(choice.has_value()) << c.shown;
        EXPECT_TRUE(choice->png);
        EXPECT_EQ(choice->answer, c.shown);
        EXPECT_EQ(choice->cellSize, 120);
        EXPECT_FALSE(choice->colourPerPair);

        script.then([](QWidget* dialog) { clickLater(dialog, "cancelButton"); });
        EXPECT_FALSE(runPictureDialog({}, c.shown, nullptr).has_value());
    }
}

/// Sets the picture dialog's format and content lists, then confirms it.
ModalScript::Handler choose(int format, int content) {
    return [=](QWidget* dialog) {
        child<QComboBox>(dialog, "formatList")->setCurrentIndex(format);
        child<QComboBox>(dialog, "contentList")->setCurrentIndex(content);
        clickLater(dialog, "okButton");
    };
}

/// Checks the file name the file dialog proposes, replaces it by `name` and confirms.
ModalScript::Handler saveAs(const QString& proposed, const QString& name) {
    return [=](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        auto* edit = child<QLineEdit>(dialog, "fileNameEdit");
        EXPECT_EQ(edit->text(), proposed);
        edit->setText(name);
        acceptLater(dialog);
    };
}

/// Clicks `button` of a message box, noting its text.
ModalScript::Handler answerBox(QStringList& seen, QMessageBox::StandardButton button) {
    return [&seen, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen << box->text();
        QTimer::singleShot(0, box, [box, button] { box->button(button)->click(); });
    };
}

TEST(PictureCommand, CtrlEWritesTheChosenPictureAndReportsAFailedWrite) {
    DialogFolders folders;
    MainDialog window(nullptr, Settings{});
    Session& session = window.session();
    setBoardPicture(session.board, {"1 . 2", "1 . 2"});
    session.board.solutions.push_back(answerFromPicture({"1 . 2", "1 . 2"}));
    session.board.currentFilePath = (folders.dir / "three.txt").string();
    session.status.searchState = SearchState::Finished;
    window.addViewItem("解 No.1");
    window.selectViewItem(1);
    window.layoutMainDialog();
    window.refreshControls(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The shortcut acts in the active window, which the offscreen platform does not make
    // active again by itself once a dialog has closed.
    const auto press = [&window] {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
    };

    ModalScript script;
    script.then(choose(1, 1)).then(saveAs("three.answer.svg", "three.answer.svg"));
    press();
    EXPECT_EQ(script.pending(), 0);
    const std::string svg = readBytes(folders.dir / "three.answer.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<polyline"), std::string::npos);

    // The puzzle alone as PNG, in the folder of the last picture.
    script.then(choose(0, 0)).then(saveAs("three.png", "plain"));
    press();
    EXPECT_EQ(script.pending(), 0);
    EXPECT_EQ(QImage(folders.folder + "/plain.png").size(), QSize(3 * 36 + 36, 2 * 36 + 36));

    // A target that is no regular file: replaced only after the question, then refused; the
    // file stays what it was.
    const auto pipe = folders.dir / "pipe.svg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    QStringList boxes;
    script.then(choose(1, 0))
        .then(saveAs("three.svg", "pipe.svg"))
        .then(answerBox(boxes, QMessageBox::Yes))
        .then(answerBox(boxes, QMessageBox::Ok));
    press();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[1], QString::fromUtf8("画像の保存に失敗しました"));
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));

    // While a search runs the command does nothing (a dialog would be rejected as a failure).
    session.status.searchState = SearchState::Running;
    ModalScript none(2000);
    press();
    session.status.searchState = SearchState::Finished;
}

} // namespace
} // namespace corvane

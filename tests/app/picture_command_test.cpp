// The picture command at the window: Ctrl+E, the dialog's choices, the file written or the
// failed write reported.
#include "app/main_dialog.h"
#include "app/picture_command.h"

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

/// Checks the picture dialog's content list (the shown answer preselected), then picks
/// `format` and `content`, types the cell size, sets the colour box and confirms.
ModalScript::Handler choose(const QStringList& contents, int format, int content,
                            const char* cellSize = "36", bool colours = false) {
    return [=](QWidget* dialog) {
        auto* contentList = child<QComboBox>(dialog, "contentList");
        EXPECT_EQ(contentList->count(), contents.size());
        EXPECT_EQ(contentList->itemText(contentList->count() - 1), contents.last());
        EXPECT_EQ(contentList->currentIndex(), contents.size() - 1);
        contentList->setCurrentIndex(content);
        child<QComboBox>(dialog, "formatList")->setCurrentIndex(format);
        auto* size = child<QSpinBox>(dialog, "cellSizeBox");
        size->setFocus();
        size->selectAll();
        QTest::keyClicks(size, cellSize);
        child<QCheckBox>(dialog, "colourBox")->setChecked(colours);
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
    writeBytes(folders.dir / "three.txt",
               "pzprv3\nnumlin\n2\n3\n1 . 2 \n1 . 2 \n0 0 \n0 0 \n1 0 1 \n");
    MainDialog window(nullptr, Settings{});
    window.openFile((folders.dir / "three.txt").string()); // with its answer
    window.selectViewItem(1);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The shortcut acts in the active window, which the offscreen platform does not make
    // active again by itself once a dialog has closed.
    const auto press = [&window] {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
    };

    const QStringList both{"問題", "解 No.1"}, puzzleOnly{"問題"};
    ModalScript script;
    script.then(choose(both, 1, 1, "36", true))
        .then(saveAs("three.answer.svg", "three.answer.svg"));
    press();
    EXPECT_EQ(script.pending(), 0);
    const std::string svg = readBytes(folders.dir / "three.answer.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<polyline stroke=\"#0b2a80\""), std::string::npos); // pair 2's colour

    // With the plain view the puzzle alone is offered; as PNG, in the folder of the last
    // picture, its cells as large as typed (a size beyond 200 loses the digit typed last).
    window.selectViewItem(0);
    script.then(choose(puzzleOnly, 0, 0, "205")).then(saveAs("three.png", "plain"));
    press();
    EXPECT_EQ(QImage(folders.folder + "/plain.png").size(), QSize(3 * 20 + 20, 2 * 20 + 20));

    // A target that is no regular file: replaced only after the question, then refused; the
    // file stays what it was.
    const auto pipe = folders.dir / "pipe.svg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    QStringList boxes;
    script.then(choose(puzzleOnly, 1, 0))
        .then(saveAs("three.svg", "pipe.svg"))
        .then(answerBox(boxes, QMessageBox::Yes))
        .then(answerBox(boxes, QMessageBox::Ok));
    press();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[1], "画像の保存に失敗しました");
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));

    // While a search runs the command does nothing (a dialog would be rejected as a failure).
    window.session().status.searchState = SearchState::Running;
    ModalScript none(2000);
    press();
    window.session().status.searchState = SearchState::Finished;
}

} // namespace
} // namespace corvane

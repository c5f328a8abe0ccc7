// The save dialog: format and answer lists, the preview of the text to be written, the
// overwrite question and the returned choice.
#include "app/save_file_dialog.h"

#include "board_picture.h"
#include "file_dialog_driver.h"
#include "formats/puzzle_writer.h"
#include "modal_script.h"
#include "model/session.h"
#include "recording_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace corvane::testing;

/// A 3 x 2 puzzle with two stored answers; the second uses pair number 12.
struct SaveDialogFixture : ::testing::Test, DialogFolders {
    RecordingWindow window;
    Session session{window, nullptr};

    void SetUp() override {
        setBoardPicture(session.board, {"1 . 2", "1 . 2"});
        for (int middle : {0, 12}) {
            Answer answer(3, 2);
            for (int y = 1; y <= 2; ++y) {
                answer.set(cellIndex(1, y), 1);
                answer.set(cellIndex(2, y), middle);
                answer.set(cellIndex(3, y), 2);
            }
            session.board.solutions.push_back(answer);
        }
    }

    QString textOf(int format, int answer) const {
        return shownAs(formatPuzzleText(session.board, format, answer).value());
    }
};

TEST_F(SaveDialogFixture, StartsAtSavedFormatAndAnswerAndShowsTheTextToBeWritten) {
    session.settings.fileFormat = 1;
    session.board.answerChoice = 2;
    ModalScript script;
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        QComboBox* formats = panelList(dialog, "formatList");
        QComboBox* answers = panelList(dialog, "answerList");
        ASSERT_EQ(formats->count(), 4);
        EXPECT_EQ(formats->itemText(0), QString::fromUtf8("Kavrin形式"));
        EXPECT_EQ(formats->itemText(1), QString::fromUtf8("ｎ社形式"));
        EXPECT_EQ(formats->itemText(2), QString::fromUtf8("ｎ社ｃ形式"));
        EXPECT_EQ(formats->itemText(3), QString::fromUtf8("pzprv3形式"));
        EXPECT_EQ(formats->currentIndex(), 1);
        ASSERT_EQ(answers->count(), 3);
        EXPECT_EQ(answers->itemText(0), QString::fromUtf8("なし"));
        EXPECT_EQ(answers->itemText(1), QString::fromUtf8("解 No.1"));
        EXPECT_EQ(answers->itemText(2), QString::fromUtf8("解 No.2"));
        EXPECT_EQ(answers->currentIndex(), 2);
        EXPECT_TRUE(answers->isEnabled());
        EXPECT_EQ(previewText(dialog), "1,122\n1,122\n");

        formats->setCurrentIndex(0); // clues only: no answer can be chosen
        EXPECT_EQ(answers->currentIndex(), 0);
        EXPECT_FALSE(answers->isEnabled());
        EXPECT_EQ(previewText(dialog), "w3h2n1sn2n1sn2\n");

        formats->setCurrentIndex(2); // the answer the save started with comes back
        EXPECT_EQ(answers->currentIndex(), 2);
        EXPECT_TRUE(answers->isEnabled());
        EXPECT_EQ(previewText(dialog), textOf(2, 2));
        EXPECT_TRUE(previewText(dialog).startsWith("TABLE\t.123456789abc\n"));

        answers->setCurrentIndex(0); // the grid format has nothing to write without an answer
        EXPECT_EQ(previewText(dialog), "");
        answers->setCurrentIndex(1);
        EXPECT_EQ(previewText(dialog), textOf(2, 1));

        // pzprv3 after the three, its answer list as for the grid formats: answer 2 (pair 12
        // without clues) is no paths between clues and cannot be written, answer 1 can.
        formats->setCurrentIndex(3);
        EXPECT_EQ(answers->currentIndex(), 2);
        EXPECT_TRUE(answers->isEnabled());
        EXPECT_EQ(previewText(dialog), "");
        answers->setCurrentIndex(1);
        EXPECT_EQ(previewText(dialog), textOf(FormatPzprv3, 1));
        EXPECT_TRUE(previewText(dialog).endsWith("0 0 \n0 0 \n1 0 1 \n"));
        answers->setCurrentIndex(0);
        EXPECT_EQ(previewText(dialog), textOf(FormatPzprv3, 0));

        // A format change selects the save's answer again, not the one picked last.
        formats->setCurrentIndex(1);
        EXPECT_EQ(answers->currentIndex(), 2);
        EXPECT_EQ(previewText(dialog), "1,122\n1,122\n");
        answers->setCurrentIndex(1);
        EXPECT_EQ(previewText(dialog), "102\n102\n");

        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("out.txt");
        acceptLater(dialog);
    });
    const SaveChoice choice = runSaveDialog(session, "", nullptr);
    EXPECT_TRUE(choice.confirmed);
    EXPECT_EQ(choice.path, (dir / "out.txt").string());
    EXPECT_EQ(choice.format, 1);
    EXPECT_EQ(choice.answer, 1);
    // The dialog only reports the choice: no file, no change to the session.
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
    EXPECT_EQ(session.settings.fileFormat, 1);
    EXPECT_EQ(session.board.answerChoice, 2);
}

TEST_F(SaveDialogFixture, KavrinFormatSavesNoAnswer) {
    session.settings.fileFormat = 0;
    session.board.answerChoice = 2;
    ModalScript script;
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        QComboBox* answers = panelList(dialog, "answerList");
        EXPECT_EQ(answers->currentIndex(), 0);
        EXPECT_FALSE(answers->isEnabled());
        EXPECT_EQ(previewText(dialog), "w3h2n1sn2n1sn2\n");
        // The proposed name is filled in, in its folder.
        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "puzzle.txt");
        acceptLater(dialog);
    });
    const SaveChoice choice = runSaveDialog(session, (dir / "puzzle.txt").string(), nullptr);
    EXPECT_TRUE(choice.confirmed);
    EXPECT_EQ(choice.path, (dir / "puzzle.txt").string());
    EXPECT_EQ(choice.format, 0);
    EXPECT_EQ(choice.answer, 0);
}

TEST_F(SaveDialogFixture, GridFormatWithoutAnswerHasEmptyPreviewAndCancelChoosesNothing) {
    session.settings.fileFormat = 2;
    session.board.answerChoice = 0;
    ModalScript script;
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        EXPECT_EQ(panelList(dialog, "formatList")->currentIndex(), 2);
        EXPECT_EQ(panelList(dialog, "answerList")->currentIndex(), 0);
        EXPECT_TRUE(panelList(dialog, "answerList")->isEnabled());
        EXPECT_EQ(previewText(dialog), "");
        rejectLater(dialog);
    });
    const SaveChoice choice = runSaveDialog(session, (dir / "puzzle.txt").string(), nullptr);
    EXPECT_FALSE(choice.confirmed);
    EXPECT_EQ(script.pending(), 0);
}

TEST_F(SaveDialogFixture, StartsAtPzprv3AfterAPzprv3Save) {
    session.settings.fileFormat = FormatPzprv3; // listed after the three, as item 3
    session.board.answerChoice = 1;
    ModalScript script;
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        EXPECT_EQ(panelList(dialog, "formatList")->currentIndex(), 3);
        EXPECT_EQ(panelList(dialog, "answerList")->currentIndex(), 1);
        EXPECT_EQ(previewText(dialog), textOf(FormatPzprv3, 1));
        rejectLater(dialog);
    });
    EXPECT_FALSE(runSaveDialog(session, "", nullptr).confirmed);
}

TEST_F(SaveDialogFixture, AnExistingFileIsReplacedOnlyAfterTheUserAgrees) {
    writeBytes(dir / "old.txt", "keep");
    QPointer<QWidget> fileDialog;
    const auto answerBox = [&](QMessageBox::StandardButton button) {
        return [&fileDialog, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_TRUE(box);
            EXPECT_TRUE(box->text().contains("old.txt"));
            QPointer<QAbstractButton> b = box->button(button);
            ASSERT_TRUE(b);
            QTimer::singleShot(0, [b] { b->click(); });
            if (button == QMessageBox::No) { // the dialog stays open: confirm once more
                // The question's box lives until the dialog's accept has returned; only then
                // can a new accept ask again.
                QObject::connect(box, &QObject::destroyed, [&fileDialog] {
                    ASSERT_TRUE(fileDialog && fileDialog->isVisible());
                    acceptLater(fileDialog);
                });
            }
        };
    };
    ModalScript script;
    script
        .then([&](QWidget* modal) {
            fileDialog = modal;
            ASSERT_TRUE(waitForListing(asFileDialog(modal), folder, 1));
            acceptLater(modal);
        })
        .then(answerBox(QMessageBox::No))
        .then(answerBox(QMessageBox::Yes));
    const SaveChoice choice = runSaveDialog(session, (dir / "old.txt").string(), nullptr);
    EXPECT_TRUE(choice.confirmed);
    EXPECT_EQ(choice.path, (dir / "old.txt").string());
    EXPECT_EQ(script.pending(), 0);
    EXPECT_EQ(readBytes(dir / "old.txt"), "keep");
}

} // namespace
} // namespace corvane

// The open dialog: format list, preview of the selected entry, confirmation and cancel.
#include "app/open_file_dialog.h"

#include "base/cp932_codec.h"
#include "file_dialog_driver.h"
#include "modal_script.h"
#include "model/session.h"
#include "recording_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace corvane {
namespace {

using namespace corvane::testing;

/// A folder with two short files, a long one, a huge single line, a sub-folder and a pipe.
struct OpenDialogFixture : ::testing::Test, DialogFolders {
    RecordingWindow window;
    Session session{window, nullptr};

    void SetUp() override {
        writeBytes(dir / "a.txt", encodeCp932("問題\r\n1 2\r\n"));
        writeBytes(dir / "b.txt", "x\ny");
        std::string lines;
        for (int i = 1; i <= 150; ++i) lines += "line" + std::to_string(i) + "\n";
        writeBytes(dir / "long.txt", lines);
        writeBytes(dir / "huge.txt", std::string(3 * 1024 * 1024, '7'));
        std::filesystem::create_directory(dir / "sub");
        ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    }

    QString pathOf(const char* name) const { return folder + "/" + name; }
};

TEST_F(OpenDialogFixture, PreviewFollowsTheSelectedEntry) {
    session.board.currentFilePath = (dir / "nothing-here.txt").string();
    ModalScript script;
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        ASSERT_TRUE(waitForListing(dialog, folder, 6));

        // Clicks and arrows in both views: the detail tree and the plain list.
        dialog->setViewMode(QFileDialog::Detail);
        ASSERT_TRUE(clickEntry(dialog, "a.txt"));
        EXPECT_EQ(previewText(dialog), QString::fromUtf8("問題\n1 2\n"));
        // Arrow keys move the selection, and the preview with it.
        keyInList(dialog, Qt::Key_Down);
        EXPECT_EQ(previewText(dialog), "x\ny"); // the last line ended the file
        dialog->setViewMode(QFileDialog::List);
        keyInList(dialog, Qt::Key_Up);
        EXPECT_EQ(previewText(dialog), QString::fromUtf8("問題\n1 2\n"));

        ASSERT_TRUE(clickEntry(dialog, "long.txt"));
        QString first100;
        for (int i = 1; i <= 100; ++i) first100 += QStringLiteral("line%1\n").arg(i);
        EXPECT_EQ(previewText(dialog), first100);

        ASSERT_TRUE(clickEntry(dialog, "huge.txt"));
        EXPECT_GT(previewText(dialog).size(), 0);
        EXPECT_LE(previewText(dialog).size(), 64 * 1024);

        ASSERT_TRUE(clickEntry(dialog, "sub"));
        EXPECT_EQ(previewText(dialog), "");
        ASSERT_TRUE(clickEntry(dialog, "b.txt"));
        ASSERT_TRUE(clickEntry(dialog, "pipe")); // must not wait for a writer
        EXPECT_EQ(previewText(dialog), "");
        rejectLater(dialog);
    });
    EXPECT_FALSE(chooseOpenFile(session, nullptr));
}

TEST_F(OpenDialogFixture, ConfirmingStoresPathAndFormat) {
    ModalScript script;
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        QComboBox* formats = panelList(dialog, "formatList");
        EXPECT_EQ(formats->count(), 4);
        EXPECT_EQ(formats->itemText(0), QString::fromUtf8("Kavrin形式"));
        EXPECT_EQ(formats->itemText(1), QString::fromUtf8("ｎ社形式"));
        EXPECT_EQ(formats->itemText(2), QString::fromUtf8("ｎ社ｃ形式"));
        EXPECT_EQ(formats->itemText(3), QString::fromUtf8("自動判別"));
        EXPECT_EQ(formats->currentIndex(), 3);
        dialog->setDirectory(folder);
        ASSERT_TRUE(waitForListing(dialog, folder, 6));
        ASSERT_TRUE(clickEntry(dialog, "b.txt"));
        formats->setCurrentIndex(1);
        acceptLater(dialog);
    });
    EXPECT_TRUE(chooseOpenFile(session, nullptr));
    EXPECT_EQ(session.board.currentFilePath, (dir / "b.txt").string());
    EXPECT_EQ(session.board.openFormatChoice, 1);
    EXPECT_EQ(script.pending(), 0);
}

TEST_F(OpenDialogFixture, StartsAtAutoInTheCurrentFileFolderAndCancelKeepsEverything) {
    session.board.currentFilePath = (dir / "a.txt").string();
    session.board.openFormatChoice = 1;
    ModalScript script;
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        EXPECT_EQ(panelList(dialog, "formatList")->currentIndex(), 3);
        ASSERT_TRUE(waitForListing(dialog, folder, 6));
        // The current file is selected on opening, and previewed.
        EXPECT_TRUE(waitUntil([&] {
            return previewText(dialog) == QString::fromUtf8("問題\n1 2\n");
        })) << previewText(dialog).toStdString();
        panelList(dialog, "formatList")->setCurrentIndex(0);
        ASSERT_TRUE(clickEntry(dialog, "long.txt"));
        rejectLater(dialog);
    });
    EXPECT_FALSE(chooseOpenFile(session, nullptr));
    EXPECT_EQ(session.board.currentFilePath, (dir / "a.txt").string());
    EXPECT_EQ(session.board.openFormatChoice, 1);
}

} // namespace
} // namespace corvane

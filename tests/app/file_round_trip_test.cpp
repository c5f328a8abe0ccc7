// A puzzle and its answer saved through the save dialog in each format and read back through
// the open dialog.
#include "app/open_file_dialog.h"
#include "app/save_file_dialog.h"

#include "board_picture.h"
#include "file_dialog_driver.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzle_save.h"
#include "formats/puzzle_writer.h"
#include "modal_script.h"
#include "model/session.h"
#include "recording_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace corvane::testing;

const std::vector<std::string> puzzle = {
    "1 . . 2",
    ". . . .",
    "1 . 2 .",
};

/// The solution of `puzzle`: pair 1 down the left column, pair 2 down the right and left.
Answer solution() {
    Answer answer(4, 3);
    for (int y = 1; y <= 3; ++y) answer.set(cellIndex(1, y), 1);
    for (int y = 1; y <= 3; ++y) answer.set(cellIndex(4, y), 2);
    answer.set(cellIndex(3, 3), 2);
    return answer;
}

class FileRoundTripTest : public ::testing::TestWithParam<int> {};

TEST_P(FileRoundTripTest, SavedAnswerReadsBackThroughTheDialogs) {
    const int format = GetParam();
    const DialogFolders folders;
    const QString& folder = folders.folder;
    const QString name = QStringLiteral("puzzle%1.txt").arg(format);

    RecordingWindow saving;
    Session saved{saving, nullptr};
    setBoardPicture(saved.board, puzzle);
    saved.board.solutions.push_back(solution());
    saving.viewItems.push_back("解 No.1");
    saving.viewSelection = 1; // the answer is on show when the save starts
    saving.onSaveDialog = [&](const std::string& proposed) {
        return runSaveDialog(saved, proposed, nullptr);
    };
    QString shownBeforeSaving;
    ModalScript script;
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        // pzprv3 is listed after the three formats.
        panelList(dialog, "formatList")->setCurrentIndex(format == FormatPzprv3 ? 3 : format);
        EXPECT_EQ(panelList(dialog, "answerList")->currentIndex(), format == 0 ? 0 : 1);
        shownBeforeSaving = previewText(dialog);
        EXPECT_FALSE(shownBeforeSaving.isEmpty());
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        acceptLater(dialog);
    });
    savePuzzleFile(saved);
    ASSERT_TRUE(saving.boxes.empty()) << saving.boxes.front().text;
    EXPECT_EQ(saved.settings.fileFormat, format);

    RecordingWindow loading;
    Session loaded{loading, nullptr};
    script.then([&](QWidget* modal) {
        QFileDialog* dialog = asFileDialog(modal);
        dialog->setDirectory(folder);
        ASSERT_TRUE(waitForListing(dialog, folder, 1));
        ASSERT_TRUE(clickEntry(dialog, name));
        // The open preview shows the very text the save preview promised.
        EXPECT_EQ(previewText(dialog), shownBeforeSaving);
        EXPECT_EQ(panelList(dialog, "formatList")->currentIndex(), FormatAuto);
        acceptLater(dialog);
    });
    ASSERT_TRUE(chooseOpenFile(loaded, nullptr));
    ASSERT_TRUE(loadPuzzleFile(loaded, loaded.board.openFormatChoice));
    EXPECT_TRUE(loading.boxes.empty());
    EXPECT_EQ(loaded.settings.fileFormat, format);
    // The grid formats bring back the path ends as clues, which here are the puzzle's own;
    // pzprv3 its clues as written.
    EXPECT_EQ(boardPicture(loaded.board), puzzle);
    if (format == FormatKavrin) {
        EXPECT_TRUE(loaded.board.solutions.empty());
    } else {
        ASSERT_EQ(loaded.board.solutions.size(), 1u);
        EXPECT_EQ(loaded.board.solutions.front(), solution());
    }
}

std::string formatTestName(const ::testing::TestParamInfo<int>& param) {
    const char* names[] = {"Kavrin", "Nsha", "NshaC", "", "Pzprv3"};
    return names[param.param];
}

INSTANTIATE_TEST_SUITE_P(EachFormat, FileRoundTripTest,
                         ::testing::Values(FormatKavrin, FormatNsha, FormatNshaC, FormatPzprv3),
                         formatTestName);

} // namespace
} // namespace corvane

// The title and author: shown in the window title, edited from Ctrl+I, read back from a file.
#include "app/board_view.h"
#include "app/main_dialog.h"
#include "board_picture.h"
#include "modal_script.h"
#include "model/cp932_codec.h"
#include "model/puzzle_reader.h"
#include "model/puzzle_writer.h"
#include "recording_window.h"
#include "temp_dir.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace corvane::testing;

struct PuzzleInfoTest : ::testing::Test {
    MainDialog window{nullptr, Settings{}};
    ModalScript script{5000};

    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    Board& board() { return window.session().board; }
    /// Ctrl+I on the board, as the author presses it, once the window is active again (the
    /// offscreen platform does not give the activation back when a dialog closes).
    void pressCtrlI() {
        window.activateWindow();
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }));
        QTest::keyClick(window.boardView(), Qt::Key_I, Qt::ControlModifier);
    }
    /// Types into the dialog's fields as a user would, then clicks `button`.
    void answerDialog(const QString& title, const QString& author, const char* button) {
        script.then([=](QWidget* dialog) {
            for (auto [name, text] : {std::pair{"titleField", title}, {"authorField", author}}) {
                auto* field = dialog->findChild<QLineEdit*>(name);
                ASSERT_NE(field, nullptr) << name;
                field->selectAll();
                QTest::keyClicks(field, text);
            }
            clickLater(dialog, button);
        });
    }
};

TEST_F(PuzzleInfoTest, WindowTitleShowsTitleAndAuthor) {
    const struct {
        const char *title, *author, *shown;
    } rows[] = {
        {"", "", "Corvane"},
        {"春の問題", "", "Corvane - 春の問題"},
        {"", "山田", "Corvane - (山田)"},
        {"春の問題", "山田", "Corvane - 春の問題 (山田)"},
    };
    for (const auto& row : rows) {
        board().infoField1 = row.title;
        board().infoField2 = row.author;
        window.refreshControls(false);
        EXPECT_EQ(window.windowTitle(), QString::fromUtf8(row.shown));
    }
    // A file's info line shows at once.
    TempDir dir;
    writeBytes(dir / "p.txt", ":\x8f\x74:\x8e\x52\x93\x63\n1.\n.1\n");
    window.openFile((dir / "p.txt").string());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Corvane - 春 (山田)"));
}

TEST_F(PuzzleInfoTest, CtrlIEditsBothFieldsAndRefusesAColonInTheTitle) {
    board().infoField1 = "old";
    answerDialog("", "", "cancelButton");
    pressCtrlI();
    EXPECT_EQ(board().infoField1, "old");
    EXPECT_FALSE(board().modified);

    answerDialog("Spring: Rain ", "Ann: Bea", "okButton");
    pressCtrlI();
    EXPECT_EQ(board().infoField1, "Spring Rain");
    EXPECT_EQ(board().infoField2, "Ann: Bea");
    EXPECT_TRUE(board().modified);
    EXPECT_EQ(window.windowTitle(), "Corvane - Spring Rain (Ann: Bea)");
    EXPECT_EQ(script.pending(), 0);

    // Written in the character grid format and read back, both fields come home whole.
    setBoardPicture(board(), {"1 1"});
    board().solutions.push_back(answerFromPicture({"1 1"}));
    const auto text = formatPuzzleText(board(), FormatNshaC, 1);
    ASSERT_TRUE(text);
    TempDir dir;
    writeBytes(dir / "p.txt", encodeCp932(*text));
    RecordingWindow reader;
    Session loaded(reader, nullptr);
    loaded.board.currentFilePath = (dir / "p.txt").string();
    ASSERT_TRUE(loadPuzzleFile(loaded, FormatNshaC));
    EXPECT_EQ(loaded.board.infoField1, "Spring Rain");
    EXPECT_EQ(loaded.board.infoField2, "Ann: Bea");
}

} // namespace
} // namespace corvane

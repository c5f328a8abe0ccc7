// The title and author: shown in the window title, edited from Ctrl+I, read back from a file.
#include "app/board_view.h"
#include "app/main_dialog.h"
#include "base/cp932_codec.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzle_writer.h"
#include "modal_script.h"
#include "recording_window.h"
#include "temp_dir.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace corvane::testing;

struct PuzzleInfoTest : ::testing::Test {
    MainDialog window{nullptr, Settings{}};
    Board& board = window.session().board;
    TempDir dir;

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST_F(PuzzleInfoTest, WindowTitleShowsTitleAndAuthor) {
    const char* rows[][3] = {
        {"", "", "Corvane"}, {"春", "", "Corvane - 春"}, {"", "山田", "Corvane - (山田)"}};
    for (const auto& [title, author, shown] : rows) {
        board.infoField1 = title;
        board.infoField2 = author;
        window.refreshControls(false);
        EXPECT_EQ(window.windowTitle(), shown);
    }
    writeBytes(dir / "p.txt", ":\x8f\x74:\x8e\x52\x93\x63\n1.\n.1\n"); // ":春:山田"
    window.openFile((dir / "p.txt").string());
    EXPECT_EQ(window.windowTitle(), "Corvane - 春 (山田)");
}

TEST_F(PuzzleInfoTest, CtrlIEditsBothFieldsAndRefusesAColonInTheTitle) {
    ModalScript script;
    for (const char* button : {"cancelButton", "okButton"}) {
        script.then([button](QWidget* dialog) {
            for (const char* name : {"titleField", "authorField"}) {
                auto* field = dialog->findChild<QLineEdit*>(name);
                field->selectAll();
                QTest::keyClicks(field, "Ann: Bea ");
            }
            clickLater(dialog, button);
        });
        // The offscreen platform does not give the activation back when a dialog closes.
        window.activateWindow();
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }));
        QTest::keyClick(window.boardView(), Qt::Key_I, Qt::ControlModifier);
        EXPECT_EQ(board.modified, button == std::string("okButton"));
    }
    EXPECT_EQ(window.windowTitle(), "Corvane - Ann Bea (Ann: Bea)");

    // Written in the character grid format and read back, both fields come home whole.
    board.solutions.push_back(Answer(board.boardWidth, board.boardHeight));
    writeBytes(dir / "p.txt", encodeCp932(*formatPuzzleText(board, FormatNshaC, 1)));
    RecordingWindow reader;
    Session loaded(reader, nullptr);
    loaded.board.currentFilePath = (dir / "p.txt").string();
    ASSERT_TRUE(loadPuzzleFile(loaded, FormatNshaC));
    EXPECT_EQ(loaded.board.infoField1 + "|" + loaded.board.infoField2, "Ann Bea|Ann: Bea");
}

TEST_F(PuzzleInfoTest, CharactersTheFilesCannotHoldAreRefusedByName) {
    // Puzzle files are code page 932: "é", "😀" and "한" would be saved as "?". OK names them,
    // field by field, and the dialog stays open until they are mended.
    ModalScript script;
    QPointer<QWidget> dialog;
    QStringList refusals;
    const auto setField = [&dialog](const char* name, const char* text) {
        dialog->findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
    };
    // Records the refusal; once its box is gone, mends `field` and confirms again.
    const auto refused = [&](const char* field, const char* mended) {
        return [&, field, mended](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            refusals << box->windowTitle() + ":" + box->text();
            QObject::connect(box, &QObject::destroyed, [&, field, mended] {
                ASSERT_TRUE(dialog && dialog->isVisible());
                EXPECT_EQ(dialog->focusWidget()->objectName(), field);
                setField(field, mended);
                clickLater(dialog, "okButton");
            });
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
        };
    };
    script
        .then([&](QWidget* modal) {
            dialog = modal;
            setField("titleField", "Café ①😀 é");
            setField("authorField", "한 Ann");
            clickLater(modal, "okButton");
        })
        .then(refused("titleField", "Cafe ①"))
        .then(refused("authorField", "Ann"));
    window.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }));
    QTest::keyClick(window.boardView(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(script.pending(), 0);
    const QString why = "\n（シフトJISで表せない文字は使えません）";
    EXPECT_EQ(refusals, (QStringList{"エラー:タイトルに保存できない文字があります：é 😀" + why,
                                     "エラー:作者に保存できない文字があります：한" + why}));
    EXPECT_EQ(board.infoField1 + "|" + board.infoField2, "Cafe ①|Ann");
}

} // namespace
} // namespace corvane

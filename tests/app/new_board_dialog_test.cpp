// The new-board dialog driven as a user would: sizes typed, arrows, Enter, OK and Cancel.
#include "app/new_board_dialog.h"

#include "board_picture.h"
#include "modal_script.h"
#include "model/session.h"
#include "recording_window.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::boardPicture;
using testing::clickLater;
using testing::ModalScript;
using testing::RecordingWindow;
using testing::setBoardPicture;

const std::string sizeRefused = "サイズが正しくありません";

/// A session holding a 3 x 2 puzzle with one stored answer, a file name, a title and an author.
struct NewBoardFixture : ::testing::Test {
    RecordingWindow window;
    Session session{window, nullptr};

    void SetUp() override {
        setBoardPicture(session.board, {"1 . 2", "1 . 2"});
        Answer answer(3, 2);
        answer.set(cellIndex(1, 1), 1);
        session.board.solutions.push_back(answer);
        window.viewItems.push_back("解 No.1");
        session.board.currentFilePath = "/tmp/puzzle.txt";
        session.board.infoField1 = "春";
        session.board.infoField2 = "山田";
        session.status.stepCount = 77;
    }

    void expectUnchanged() const {
        EXPECT_EQ(boardPicture(session.board), (std::vector<std::string>{"1 . 2", "1 . 2"}));
        EXPECT_EQ(session.board.solutions.size(), 1u);
        EXPECT_EQ(session.board.currentFilePath, "/tmp/puzzle.txt");
        EXPECT_EQ(session.board.infoField1 + session.board.infoField2, "春山田");
        EXPECT_EQ(session.status.stepCount, 77u);
    }
};

QAbstractSpinBox* field(QWidget* dialog, const char* name) {
    auto* f = dialog->findChild<QAbstractSpinBox*>(QString::fromLatin1(name));
    EXPECT_TRUE(f) << name;
    return f;
}

/// Replaces the text of a size field as typed from the keyboard.
void typeInto(QAbstractSpinBox* f, const QString& text) {
    f->setFocus();
    f->selectAll();
    QTest::keyClick(f, Qt::Key_Delete);
    QTest::keyClicks(f, text);
}

TEST_F(NewBoardFixture, OpensOnCurrentSizeAndOkWithoutChangesEmptiesTheBoard) {
    ModalScript script;
    script.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("新規作成"));
        EXPECT_EQ(field(dialog, "widthField")->text(), "3");
        EXPECT_EQ(field(dialog, "heightField")->text(), "2");
        clickLater(dialog, "okButton");
    });
    EXPECT_TRUE(runNewBoardDialog(session, nullptr));
    EXPECT_EQ(boardPicture(session.board), (std::vector<std::string>{". . .", ". . ."}));
    EXPECT_TRUE(session.board.solutions.empty());
    EXPECT_EQ(window.viewItems, std::vector<std::string>{"通常画面"});
    EXPECT_EQ(session.board.currentFilePath, "");
    EXPECT_EQ(session.board.infoField1 + session.board.infoField2, ""); // a new puzzle's own
    EXPECT_EQ(session.status.stepCount, 0u);
    EXPECT_TRUE(window.boxes.empty());
}

TEST_F(NewBoardFixture, LargestSizeIsAccepted) {
    ModalScript script;
    script.then([](QWidget* dialog) {
        typeInto(field(dialog, "widthField"), "100");
        typeInto(field(dialog, "heightField"), "100");
        clickLater(dialog, "okButton");
    });
    EXPECT_TRUE(runNewBoardDialog(session, nullptr));
    EXPECT_EQ(session.board.boardWidth, 100);
    EXPECT_EQ(session.board.boardHeight, 100);
    EXPECT_EQ(session.board.boardCells[cellIndex(100, 100)], 0);
    EXPECT_TRUE(window.boxes.empty());
}

TEST_F(NewBoardFixture, RefusedSizesKeepTheDialogOpenWithItsValues) {
    struct Case {
        QString width, height;
    };
    const std::vector<Case> refused = {
        {"101", "5"}, {"5", "101"}, {"0", "5"},          {"5", "0"},
        {"", "5"},    {"5", ""},    {"4294967296", "5"}, // beyond 32 bits: not a number
    };
    ModalScript script;
    script.then([&](QWidget* dialog) {
        auto* width = field(dialog, "widthField");
        auto* height = field(dialog, "heightField");
        for (const Case& c : refused) {
            const auto before = window.boxes.size();
            typeInto(width, c.width);
            typeInto(height, c.height);
            dialog->findChild<QAbstractButton*>("okButton")->click();
            ASSERT_EQ(window.boxes.size(), before + 1)
                << c.width.toStdString() << " x " << c.height.toStdString();
            EXPECT_EQ(window.boxes.back().text, sizeRefused);
            EXPECT_EQ(window.boxes.back().caption, "エラー");
            EXPECT_EQ(window.boxes.back().icon, MessageIcon::Error);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(width->text(), c.width);
            EXPECT_EQ(height->text(), c.height);
        }
        // Text that is no number can only arrive by program; it reads as 0 and is refused.
        width->findChild<QLineEdit*>()->setText("abc");
        typeInto(height, "5");
        const auto before = window.boxes.size();
        dialog->findChild<QAbstractButton*>("okButton")->click();
        EXPECT_EQ(window.boxes.size(), before + 1);
        EXPECT_TRUE(dialog->isVisible());
        clickLater(dialog, "cancelButton");
    });
    EXPECT_FALSE(runNewBoardDialog(session, nullptr));
    EXPECT_EQ(window.boxes.size(), refused.size() + 1);
    expectUnchanged();
}

TEST_F(NewBoardFixture, FieldsTakeDigitsOnly) {
    ModalScript script;
    script.then([](QWidget* dialog) {
        auto* width = field(dialog, "widthField");
        typeInto(width, "1a-2 +3.");
        EXPECT_EQ(width->text(), "123");
        auto* height = field(dialog, "heightField");
        typeInto(height, "x7");
        EXPECT_EQ(height->text(), "7");
        clickLater(dialog, "cancelButton");
    });
    EXPECT_FALSE(runNewBoardDialog(session, nullptr));
    expectUnchanged();
}

TEST_F(NewBoardFixture, EnterInASizeFieldClosesLikeCancel) {
    for (const char* name : {"widthField", "heightField"}) {
        ModalScript script;
        script.then([name](QWidget* dialog) {
            auto* f = field(dialog, name);
            typeInto(f, "7");
            QTest::keyClick(f, Qt::Key_Return);
        });
        EXPECT_FALSE(runNewBoardDialog(session, nullptr)) << name;
        EXPECT_EQ(script.pending(), 0);
        expectUnchanged();
    }
    ModalScript script;
    script.then([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_FALSE(runNewBoardDialog(session, nullptr));
    expectUnchanged();
    EXPECT_TRUE(window.boxes.empty());
}

/// Clicks the up or down arrow button of a size field.
void clickArrow(QAbstractSpinBox* f, QStyle::SubControl arrow) {
    QStyleOptionSpinBox option;
    option.initFrom(f);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.buttonSymbols = f->buttonSymbols();
    option.frame = f->hasFrame();
    const QRect button = f->style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, f);
    QTest::mouseClick(f, Qt::LeftButton, {}, button.center());
}

TEST_F(NewBoardFixture, ArrowsStopAtOneAndAHundred) {
    ModalScript script;
    script.then([](QWidget* dialog) {
        auto* width = field(dialog, "widthField");
        typeInto(width, "98");
        for (int i = 0; i < 4; ++i) QTest::keyClick(width, Qt::Key_Up);
        EXPECT_EQ(width->text(), "100");
        // The arrow buttons stop there too.
        clickArrow(width, QStyle::SC_SpinBoxUp);
        EXPECT_EQ(width->text(), "100");
        clickArrow(width, QStyle::SC_SpinBoxDown);
        EXPECT_EQ(width->text(), "99");

        auto* height = field(dialog, "heightField");
        typeInto(height, "3");
        for (int i = 0; i < 4; ++i) QTest::keyClick(height, Qt::Key_Down);
        EXPECT_EQ(height->text(), "1");
        // A hand-typed value outside the range steps back into it.
        typeInto(height, "0");
        QTest::keyClick(height, Qt::Key_Up);
        EXPECT_EQ(height->text(), "1");
        typeInto(height, "250");
        QTest::keyClick(height, Qt::Key_Down);
        EXPECT_EQ(height->text(), "100");
        clickLater(dialog, "okButton");
    });
    EXPECT_TRUE(runNewBoardDialog(session, nullptr));
    EXPECT_EQ(session.board.boardWidth, 99);
    EXPECT_EQ(session.board.boardHeight, 100);
}

} // namespace
} // namespace corvane

// The "新規作成" dialog: asks for the size of a new, empty board.
#include "app/new_board_dialog.h"

#include "app/dialog_buttons.h"
#include "app/size_field.h"
#include "model/board.h"
#include "model/main_window.h"
#include "model/session.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

bool runNewBoardDialog(Session& session, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8("新規作成"));
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* width = new SizeField(1, MaxBoardSide, &dialog);
    width->setObjectName(QStringLiteral("widthField"));
    width->setNumber(static_cast<unsigned>(session.board.boardWidth));
    auto* height = new SizeField(1, MaxBoardSide, &dialog);
    height->setObjectName(QStringLiteral("heightField"));
    height->setNumber(static_cast<unsigned>(session.board.boardHeight));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QString::fromUtf8("ヨコ"), &dialog), 0, 0);
    fields->addWidget(width, 0, 1);
    fields->addWidget(new QLabel(QString::fromUtf8("タテ"), &dialog), 1, 0);
    fields->addWidget(height, 1, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    const auto [ok, cancel] = addDialogButtons(dialog, *layout, false);
    // Cancel is the default button: Enter typed in a size field closes the dialog unchanged.
    cancel->setDefault(true);
    QWidget::setTabOrder(width, height);
    QWidget::setTabOrder(height, ok);
    QWidget::setTabOrder(ok, cancel);

    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        const unsigned w = width->number();
        const unsigned h = height->number();
        // Sizes beyond the board's limit are refused before they reach int.
        const bool fits = w > 0 && w <= MaxBoardSide && h <= MaxBoardSide;
        if (fits && resetBoard(session.board, session.status, session.window, static_cast<int>(h),
                               static_cast<int>(w))) {
            // A new puzzle: no file yet, and not the title and author of the one it replaces.
            session.board.currentFilePath.clear();
            session.board.infoField1.clear();
            session.board.infoField2.clear();
            dialog.accept();
            return;
        }
        session.window.errorBox("サイズが正しくありません");
    });

    width->setFocus();
    width->selectAll();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace corvane

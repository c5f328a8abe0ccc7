// The question asked before a modified puzzle is dropped: save it, drop it or stay.
#include "app/unsaved_changes.h"

#include "formats/puzzle_save.h"
#include "model/session.h"

#include <QMessageBox>
#include <QPushButton>

namespace corvane {

UnsavedChoice askAboutUnsavedChanges(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8("確認"),
                    QString::fromUtf8("問題が変更されています。保存しますか？"),
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QString::fromUtf8("はい"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QString::fromUtf8("いいえ"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QString::fromUtf8("キャンセル"), QMessageBox::RejectRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    no->setObjectName(QStringLiteral("noButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return UnsavedChoice::Save;
    if (box.clickedButton() == no) return UnsavedChoice::Discard;
    return UnsavedChoice::Cancel;
}

bool settleUnsavedChanges(Session& session, QWidget* parent) {
    if (!session.board.modified) return true;
    switch (askAboutUnsavedChanges(parent)) {
    case UnsavedChoice::Save:
        return savePuzzleFile(session);
    case UnsavedChoice::Discard:
        return true;
    case UnsavedChoice::Cancel:
        return false;
    }
    return false;
}

} // namespace corvane

// The question asked before a paused search is dropped with the puzzle it searches.
#include "app/paused_search_question.h"

#include "model/session.h"

#include <QMessageBox>
#include <QPushButton>

namespace corvane {

bool settlePausedSearch(const Session& session, QWidget* parent) {
    const SearchState state = session.status.searchState;
    if (state != SearchState::Paused && state != SearchState::PauseRequested) return true;
    // Hours of search may stand behind a paused count: keeping it is the answer Enter gives.
    QMessageBox box(QMessageBox::Question, QString::fromUtf8("確認"),
                    QString::fromUtf8(DropPausedSearchQuestion), QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QString::fromUtf8("はい"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QString::fromUtf8("いいえ"), QMessageBox::NoRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    no->setObjectName(QStringLiteral("noButton"));
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace corvane

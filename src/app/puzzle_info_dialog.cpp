// The puzzle's title and author: the window title that shows them and the dialog that edits
// them.
#include "app/puzzle_info_dialog.h"

#include "app/command_menu.h"
#include "app/dialog_buttons.h"
#include "app/main_dialog.h"
#include "model/board.h"

#include <QDialog>
#include <QFormLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr int FieldWidth = 240;

QLineEdit* makeField(const std::string& text, const char* name, const char* refused,
                     QWidget* parent) {
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMinimumWidth(FieldWidth);
    const QString pattern = QStringLiteral("[^%1]*").arg(QString::fromLatin1(refused));
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    return field;
}

} // namespace

std::string windowTitleFor(const Board& board) {
    const std::string& title = board.infoField1;
    const std::string& author = board.infoField2;
    if (title.empty() && author.empty()) return "Corvane";
    std::string text = "Corvane - " + title;
    if (!author.empty()) text += (title.empty() ? "(" : " (") + author + ")";
    return text;
}

bool runPuzzleInfoDialog(Board& board, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8("タイトルと作者"));
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QLineEdit* title = makeField(board.infoField1, "titleField", ":\\r\\n", &dialog);
    QLineEdit* author = makeField(board.infoField2, "authorField", "\\r\\n", &dialog);
    auto* fields = new QFormLayout;
    fields->addRow(new QLabel(QString::fromUtf8("タイトル"), &dialog), title);
    fields->addRow(new QLabel(QString::fromUtf8("作者"), &dialog), author);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    addDialogButtons(dialog, *layout).ok->setDefault(true);

    title->setFocus();
    title->selectAll();
    if (dialog.exec() != QDialog::Accepted) return false;
    const std::string newTitle = title->text().trimmed().toStdString();
    const std::string newAuthor = author->text().trimmed().toStdString();
    if (newTitle != board.infoField1 || newAuthor != board.infoField2) board.modified = true;
    board.infoField1 = newTitle;
    board.infoField2 = newAuthor;
    return true;
}

void installPuzzleInfoCommand(MainDialog& window, CommandMenu& menu) {
    menu.addCommand(
        QString::fromUtf8("タイトルと作者..."), QKeySequence(Qt::CTRL | Qt::Key_I),
        [&window] {
            Session& session = window.session();
            if (session.status.searchState == SearchState::Running) return;
            if (runPuzzleInfoDialog(session.board, &window)) window.refreshControls(false);
        },
        CommandMenu::WhileSearching::Disabled);
}

} // namespace corvane

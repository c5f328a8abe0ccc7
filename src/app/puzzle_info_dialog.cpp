// The puzzle's title and author: the window title that shows them and the dialog that edits
// them.
#include "app/puzzle_info_dialog.h"

#include "app/command_menu.h"
#include "app/dialog_buttons.h"
#include "app/main_dialog.h"
#include "base/cp932_codec.h"
#include "model/board.h"

#include <QDialog>
#include <QFormLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <utility>
#include <vector>

namespace corvane {

namespace {

constexpr int FieldWidth = 240;
constexpr const char* CannotBeSaved = "に保存できない文字があります：";
constexpr const char* CannotBeSavedWhy = "\n（シフトJISで表せない文字は使えません）";

QLineEdit* makeField(const std::string& text, const char* name, const char* refused,
                     QWidget* parent) {
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMinimumWidth(FieldWidth);
    const QString pattern = QStringLiteral("[^%1]*").arg(QString::fromLatin1(refused));
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    return field;
}

/// True when the files can hold the field's text: puzzle files are code page 932, and a
/// character it cannot hold would be saved as "?". Otherwise the characters are named in an
/// error box over `dialog` and the field gets the focus back.
bool fitsFiles(QLineEdit& field, const char* name, QDialog& dialog) {
    const std::vector<std::string> outside = charactersOutsideCp932(field.text().toStdString());
    if (outside.empty()) return true;
    QString shown;
    for (const std::string& character : outside)
        shown += (shown.isEmpty() ? "" : " ") + QString::fromStdString(character);
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8("エラー"),
                    QString::fromUtf8(name) + QString::fromUtf8(CannotBeSaved) + shown +
                        QString::fromUtf8(CannotBeSavedWhy),
                    QMessageBox::Ok, &dialog);
    box.exec();
    field.setFocus();
    return false;
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
    QPushButton* ok = addDialogButtons(dialog, *layout, false).ok;
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        for (const auto& [field, name] : {std::pair{title, "タイトル"}, std::pair{author, "作者"}})
            if (!fitsFiles(*field, name, dialog)) return;
        dialog.accept();
    });

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

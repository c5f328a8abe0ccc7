// The save dialog: Qt's file dialog with format and answer lists and the text to be written.
#include "app/save_file_dialog.h"

#include "app/file_dialog_panel.h"
#include "formats/puzzle_writer.h"
#include "model/board.h"
#include "model/session.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <iterator>

namespace corvane {

namespace {

/// The formats of the save dialog's list, in list order: the three, then pzprv3.
constexpr int SaveFormats[] = {FormatKavrin, FormatNsha, FormatNshaC, FormatPzprv3};

/// The list item of `format`, or the first item for a format the list does not hold.
int itemOfFormat(int format) {
    for (int item = 0; item < static_cast<int>(std::size(SaveFormats)); ++item)
        if (SaveFormats[item] == format) return item;
    return 0;
}

} // namespace

SaveChoice runSaveDialog(const Session& session, const std::string& proposedPath, QWidget* parent) {
    const Board& board = session.board;
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    proposeFile(dialog, proposedPath);
    const FormatPanel panel =
        addFormatPanel(dialog, formatNames(false) << QString::fromUtf8("pzprv3形式"), true);

    const int answers = static_cast<int>(board.solutions.size());
    panel.answerList->addItem(QString::fromUtf8("なし"));
    for (int k = 1; k <= answers; ++k)
        panel.answerList->addItem(QString::fromStdString(viewItemText(k)));

    // The answer the save command started with; a format change selects it again.
    const int remembered =
        board.answerChoice >= 0 && board.answerChoice <= answers ? board.answerChoice : 0;
    const int startItem = itemOfFormat(session.settings.fileFormat);

    const auto showText = [&board, &panel](int format, int answer) {
        showPreview(panel.preview, formatPuzzleText(board, format, answer));
    };
    const auto updatePanel = [&panel, &showText, remembered](int item) {
        const int format = SaveFormats[item];
        // The clue format carries no answer: its list stays on "なし" and is disabled.
        const int answer = format == FormatKavrin ? 0 : remembered;
        {
            const QSignalBlocker block(panel.answerList);
            panel.answerList->setCurrentIndex(answer);
        }
        panel.answerList->setEnabled(format != FormatKavrin);
        showText(format, answer);
    };

    panel.formatList->setCurrentIndex(startItem);
    updatePanel(startItem);
    QObject::connect(panel.formatList, &QComboBox::currentIndexChanged, &dialog, updatePanel);
    QObject::connect(panel.answerList, &QComboBox::currentIndexChanged, &dialog,
                     [&panel, &showText](int answer) {
                         showText(SaveFormats[panel.formatList->currentIndex()], answer);
                     });

    SaveChoice choice;
    if (dialog.exec() != QDialog::Accepted) return choice;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return choice;
    choice.confirmed = true;
    choice.path = files.first().toStdString();
    choice.format = SaveFormats[panel.formatList->currentIndex()];
    choice.answer = choice.format == FormatKavrin ? 0 : panel.answerList->currentIndex();
    return choice;
}

} // namespace corvane

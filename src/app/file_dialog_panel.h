// The panel below the file list of the open and save dialogs: format list, answer list,
// read-only preview.
#pragma once

#include <QStringList>

#include <optional>
#include <string>

class QComboBox;
class QFileDialog;
class QPlainTextEdit;

namespace corvane {

/// The controls of one panel; answerList is null in the open dialog.
struct FormatPanel {
    QComboBox* formatList = nullptr;
    QComboBox* answerList = nullptr;
    QPlainTextEdit* preview = nullptr;
};

/// The names of the formats in list order (index = PuzzleFormat); `withAuto` adds "自動判別".
QStringList formatNames(bool withAuto);

/// Makes `dialog` Qt's own file dialog for `acceptMode` (a QFileDialog::AcceptMode) listing
/// every entry.
void prepareFileDialog(QFileDialog& dialog, int acceptMode);

/// Opens `dialog` on the folder of `proposedPath` (UTF-8) with its name selected; nothing
/// when the path is empty. Call it once the panel follows the selection.
void proposeFile(QFileDialog& dialog, const std::string& proposedPath);

/// Adds the panel under the file list: "フォーマット" with `formats`, in the save dialog
/// also "解答データ追加" with an empty answer list, and the preview.
FormatPanel addFormatPanel(QFileDialog& dialog, const QStringList& formats, bool withAnswerList);

/// Shows `text` (UTF-8, CR LF line ends) in the preview; nullopt empties it.
void showPreview(QPlainTextEdit* preview, const std::optional<std::string>& text);

} // namespace corvane

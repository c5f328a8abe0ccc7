// The open dialog: Qt's file dialog with a format list and a preview of the selected file.
#include "app/open_file_dialog.h"

#include "app/file_dialog_panel.h"
#include "base/file_bytes.h"
#include "formats/file_preview.h"
#include "model/board.h"
#include "model/session.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QPlainTextEdit>

#include <memory>

namespace corvane {

namespace {

/// The preview of the open dialog and the path it shows.
struct FilePreview {
    QPlainTextEdit* preview;
    QString shownPath;

    /// Previews the file at `path` (empty: nothing selected). Only the first lines of a
    /// regular file are read, so a pipe, a device or a huge file cannot stall the dialog.
    /// Both signals that follow the selection report most changes: the second read is skipped.
    void show(const QString& path) {
        if (path == shownPath) return;
        shownPath = path;
        if (path.isEmpty())
            preview->clear();
        else
            showPreview(preview, readFilePreview(filePathFromUtf8(path.toStdString())));
    }
};

/// Path of the item selected in `view`, empty when nothing is selected.
QString selectedPath(const QAbstractItemView* view) {
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    if (rows.isEmpty()) return {};
    return rows.first().data(QFileSystemModel::FilePathRole).toString();
}

/// Keeps the preview on the selected file: currentChanged covers most changes, the views'
/// selection model also those made without it (a selection set by program, the initial one).
void followSelection(QFileDialog& dialog, QPlainTextEdit* previewField) {
    // Shared by the connections, so it lives as long as any of them.
    const auto preview = std::make_shared<FilePreview>(FilePreview{previewField, {}});
    QObject::connect(&dialog, &QFileDialog::currentChanged, previewField,
                     [preview](const QString& path) { preview->show(path); });
    QList<QItemSelectionModel*> followed;
    for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>()) {
        QItemSelectionModel* selection = view->selectionModel();
        if (!qobject_cast<QFileSystemModel*>(view->model()) || !selection ||
            followed.contains(selection))
            continue;
        followed << selection;
        QObject::connect(selection, &QItemSelectionModel::selectionChanged, previewField,
                         [preview, view] { preview->show(selectedPath(view)); });
    }
}

} // namespace

bool chooseOpenFile(Session& session, QWidget* parent) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const FormatPanel panel = addFormatPanel(dialog, formatNames(true), false);
    panel.formatList->setCurrentIndex(FormatAuto);
    followSelection(dialog, panel.preview);
    proposeFile(dialog, session.board.currentFilePath);

    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return false;
    session.board.currentFilePath = files.first().toStdString();
    session.board.openFormatChoice = panel.formatList->currentIndex();
    return true;
}

} // namespace corvane

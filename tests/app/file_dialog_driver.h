// Helpers that drive Qt's file dialog in tests: wait for the listing, click entries, read the
// panel.
#pragma once

#include "temp_dir.h"

#include <QString>

#include <string>

class QComboBox;
class QFileDialog;
class QWidget;

namespace corvane::testing {

/// Makes Qt's file dialogs keep their remembered state (view mode, sorting, history) in
/// `folder` instead of the user's configuration, so tests start from the defaults and leave
/// the user's settings alone.
void keepDialogStateIn(const std::string& folder);
/// A temporary folder for the test's files, and one for the dialogs' remembered state.
struct DialogFolders {
    TempDir dir;
    TempDir dialogState;
    QString folder = QString::fromStdString(dir.path().string()); // `dir` as Qt names it

    DialogFolders() { keepDialogStateIn(dialogState.path().string()); }
};

/// The file dialog shown as `modal`; a test failure when it is something else.
QFileDialog* asFileDialog(QWidget* modal);
/// Waits until the list shows folder `dir` with at least `entries` entries.
bool waitForListing(QFileDialog* dialog, const QString& dir, int entries);
/// Clicks entry `name` of the listed folder as a user would; false when it is not shown.
bool clickEntry(QFileDialog* dialog, const QString& name);
/// Presses `key` in the file list.
void keyInList(QFileDialog* dialog, int key);
/// The panel's list called `name` ("formatList" or "answerList").
QComboBox* panelList(QWidget* dialog, const char* name);
/// The preview text with its CR LF line ends as shown (LF).
QString previewText(QWidget* dialog);
/// `text` with CR LF turned into LF, as a preview shows it.
QString shownAs(const std::string& text);
/// Confirms the dialog from the event loop, after the current handler has returned.
void acceptLater(QWidget* dialog);
/// Rejects the dialog from the event loop.
void rejectLater(QWidget* dialog);

} // namespace corvane::testing

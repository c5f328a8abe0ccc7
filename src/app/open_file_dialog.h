// The open dialog: Qt's file dialog with a format list and a preview of the selected file.
#pragma once

class QWidget;

namespace corvane {

struct Session;

/// Shows the modal open dialog over `parent`, starting at "自動判別" and in the folder of
/// currentFilePath. The preview follows the file selected in the list. On confirmation the
/// chosen path goes to currentFilePath, the chosen format to openFormatChoice, and true is
/// returned; cancelling changes nothing. The caller then loads the file.
bool chooseOpenFile(Session& session, QWidget* parent);

} // namespace corvane

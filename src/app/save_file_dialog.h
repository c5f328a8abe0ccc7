// The save dialog: Qt's file dialog with format and answer lists and the text to be written.
#pragma once

#include "model/main_window.h"

#include <string>

class QWidget;

namespace corvane {

struct Session;

/// Shows the modal save dialog over `parent`, proposing `proposedPath` (UTF-8), starting at
/// session.settings.fileFormat and session.board.answerChoice; the format list holds the
/// three formats and "pzprv3形式" (PuzzleFormat 4) after them. The preview is exactly the text
/// a save would write (empty when the writer refuses). An existing file is replaced only after
/// the user agrees. Returns the user's choice; the session is not changed.
SaveChoice runSaveDialog(const Session& session, const std::string& proposedPath, QWidget* parent);

} // namespace corvane

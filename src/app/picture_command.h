// The command "画像として保存...": what to draw and how, the file to write, the write itself.
#pragma once

#include "formats/svg_picture.h"

#include <optional>
#include <string>

class QWidget;

namespace corvane {

class CommandMenu;
class MainDialog;
struct Board;

/// What the picture dialog asks for.
struct PictureChoice {
    bool png = true;                                // PNG, else SVG
    int answer = 0;                                 // 0 = the puzzle, k = stored answer k
    int cellSize = PictureOptions::DefaultCellSize; // pixels per cell
    bool colourPerPair = false;                     // each pair in its own colour
};

/// Shows the modal picture dialog over `parent`, starting from `start`. "問題" is always
/// offered, "解 No.k" too when `shownAnswer` = k >= 1 (the answer the view list shows), and is
/// then preselected. Returns the choice, or nullopt when the dialog was cancelled.
std::optional<PictureChoice> runPictureDialog(const PictureChoice& start, int shownAnswer,
                                              QWidget* parent);

/// Shows the modal save file dialog for a picture, proposing `proposedPath` (UTF-8); an
/// existing file is replaced only after the user agrees. The chosen path, or nullopt.
std::optional<std::string> choosePictureFile(const std::string& proposedPath, bool png,
                                             QWidget* parent);

/// Writes the picture of `board` (and of the answer the choice names, when stored) to the
/// file `path` (UTF-8) through the replacing write: no partial file on failure. Returns the
/// error text to show, or nullopt once the file is written.
std::optional<std::string> writePictureFile(const Board& board, const PictureChoice& choice,
                                            const std::string& path);

/// Adds "画像として保存..." (Ctrl+E, disabled while a search runs) to `menu`: picture dialog,
/// file dialog, write.
void installPictureCommand(MainDialog& window, CommandMenu& menu);

} // namespace corvane

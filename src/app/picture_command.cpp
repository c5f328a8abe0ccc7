// The picture command: its dialog, the file dialog for the picture, and the write.
#include "app/picture_command.h"

#include "app/command_menu.h"
#include "app/dialog_buttons.h"
#include "app/file_dialog_panel.h"
#include "app/main_dialog.h"
#include "app/picture_export.h"
#include "app/status_text.h"
#include "base/file_bytes.h"
#include "base/safe_write.h"
#include "model/board.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>

namespace corvane {

namespace {

constexpr const char* CommandText = "画像として保存...";
constexpr const char* SaveFailed = "画像の保存に失敗しました";
constexpr const char* TooLarge = "画像が大きすぎます。マスの大きさを小さくしてください";

/// What the command remembers between uses while the window is open.
struct PictureMemory {
    PictureChoice choice;
    QString folder; // where the last picture was written
};

/// The stored answer a view index names; 0 when it names none.
int storedAnswer(const Board& board, int viewIndex) {
    return viewIndex >= 1 && static_cast<std::size_t>(viewIndex) <= board.solutions.size()
               ? viewIndex
               : 0;
}

/// The file name proposed for a picture: the puzzle file's name without its extension (or
/// "puzzle"), ".answer" for an answer, then the picture's extension; in the folder of the
/// last picture, else of the puzzle file.
std::string proposedPicturePath(const Board& board, const PictureMemory& memory,
                                const PictureChoice& choice) {
    const QFileInfo puzzle(QString::fromStdString(board.currentFilePath));
    QString name =
        board.currentFilePath.empty() ? QStringLiteral("puzzle") : puzzle.completeBaseName();
    if (name.isEmpty()) name = QStringLiteral("puzzle");
    if (choice.answer > 0) name += QStringLiteral(".answer");
    name += choice.png ? QStringLiteral(".png") : QStringLiteral(".svg");
    QString folder = memory.folder;
    if (folder.isEmpty() && !board.currentFilePath.empty()) folder = puzzle.absolutePath();
    return (folder.isEmpty() ? name : folder + QLatin1Char('/') + name).toStdString();
}

void savePicture(MainDialog& window, PictureMemory& memory) {
    Session& session = window.session();
    // The command applies whenever saving does; a late key press during a search is ignored.
    if (!controlEnables(session.status.searchState).save) return;
    const Board& board = session.board;
    const int shown = storedAnswer(board, window.selectedViewItem());
    const auto choice = runPictureDialog(memory.choice, shown, &window);
    if (!choice) return;
    memory.choice = *choice;
    const auto path =
        choosePictureFile(proposedPicturePath(board, memory, *choice), choice->png, &window);
    if (!path) return;
    memory.folder = QFileInfo(QString::fromStdString(*path)).absolutePath();
    if (const auto error = writePictureFile(board, *choice, *path)) window.errorBox(*error);
}

} // namespace

std::optional<PictureChoice> runPictureDialog(const PictureChoice& start, int shownAnswer,
                                              QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8("画像として保存"));
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* format = new QComboBox(&dialog);
    format->setObjectName(QStringLiteral("formatList"));
    format->addItems({QStringLiteral("PNG"), QStringLiteral("SVG")});
    format->setCurrentIndex(start.png ? 0 : 1);
    auto* content = new QComboBox(&dialog);
    content->setObjectName(QStringLiteral("contentList"));
    content->addItem(QString::fromUtf8("問題"), 0);
    if (shownAnswer >= 1) {
        content->addItem(QString::fromStdString(viewItemText(shownAnswer)), shownAnswer);
        content->setCurrentIndex(1);
    }
    auto* cellSize = new QSpinBox(&dialog);
    cellSize->setObjectName(QStringLiteral("cellSizeBox"));
    cellSize->setRange(PictureOptions::MinCellSize, PictureOptions::MaxCellSize);
    cellSize->setSuffix(QString::fromUtf8(" ピクセル"));
    cellSize->setValue(start.cellSize);
    auto* colours = new QCheckBox(QString::fromUtf8("ペアごとに色を変える"), &dialog);
    colours->setObjectName(QStringLiteral("colourBox"));
    colours->setChecked(start.colourPerPair);

    auto* fields = new QFormLayout;
    fields->addRow(QString::fromUtf8("形式"), format);
    fields->addRow(QString::fromUtf8("内容"), content);
    fields->addRow(QString::fromUtf8("マスの大きさ"), cellSize);
    fields->addRow(colours);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    addDialogButtons(dialog, *layout).ok->setDefault(true);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    PictureChoice choice;
    choice.png = format->currentIndex() == 0;
    choice.answer = content->currentData().toInt();
    choice.cellSize = cellSize->value();
    choice.colourPerPair = colours->isChecked();
    return choice;
}

std::optional<std::string> choosePictureFile(const std::string& proposedPath, bool png,
                                             QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowTitle(QString::fromUtf8("画像として保存"));
    dialog.setNameFilter(png ? QString::fromUtf8("PNG画像 (*.png)")
                             : QString::fromUtf8("SVG画像 (*.svg)"));
    dialog.setDefaultSuffix(png ? QStringLiteral("png") : QStringLiteral("svg"));
    proposeFile(dialog, proposedPath);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.first().toStdString();
}

std::optional<std::string> writePictureFile(const Board& board, const PictureChoice& choice,
                                            const std::string& path) {
    PictureOptions options;
    options.cellSize = choice.cellSize;
    options.colourPerPair = choice.colourPerPair;
    const int answer = storedAnswer(board, choice.answer);
    const std::string svg = svgPicture(
        board, answer > 0 ? &board.solutions[std::size_t(answer) - 1] : nullptr, options);
    QByteArray png;
    if (choice.png) {
        PngFailure failure = PngFailure::None;
        png = pngFromSvg(svg, &failure);
        if (failure == PngFailure::TooLarge) return TooLarge;
        if (png.isEmpty()) return SaveFailed;
    }
    const std::string_view bytes =
        choice.png ? std::string_view(png.constData(), std::size_t(png.size())) : svg;
    if (!writeFileReplacing(filePathFromUtf8(path), bytes)) return SaveFailed;
    return std::nullopt;
}

void installPictureCommand(MainDialog& window, CommandMenu& menu) {
    auto memory = std::make_shared<PictureMemory>();
    menu.addCommand(
        QString::fromUtf8(CommandText), QKeySequence(Qt::CTRL | Qt::Key_E),
        [&window, memory] { savePicture(window, *memory); }, CommandMenu::WhileSearching::Disabled);
}

} // namespace corvane

// The exchange commands of the menu button and the text a drop carries.
#include "app/exchange_commands.h"

#include "app/board_view.h"
#include "app/command_menu.h"
#include "app/live_check.h"
#include "app/main_dialog.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzlink_url.h"
#include "formats/pzprv3_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMimeData>

namespace corvane {

namespace {

constexpr const char* CopyRefused = "現在この条件でコピーする事は出来ません";
constexpr const char* ClipboardUnreadable = "クリップボードの内容を問題として読めませんでした";

bool looksLikePuzzleText(const QString& text) {
    const std::string utf8 = text.toStdString();
    return looksLikePuzzleUrl(utf8) || looksLikePzprv3(utf8);
}

/// Puts `text` on the clipboard, or shows the refusal when there is none.
void copyOrRefuse(MainDialog& window, const std::optional<std::string>& text) {
    if (!text) {
        window.errorBox(CopyRefused);
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
}

void copyUrl(MainDialog& window) {
    copyOrRefuse(window, puzzlinkUrl(window.session().board));
}

void copyPzprv3(MainDialog& window) {
    const Board& board = window.session().board;
    const int shown = window.selectedViewItem();
    const Answer* answer = shown >= 1 && shown <= static_cast<int>(board.solutions.size())
                               ? &board.solutions[std::size_t(shown - 1)]
                               : nullptr;
    copyOrRefuse(window, pzprv3Text(board, answer, "\n"));
}

/// True when a read text may replace the puzzle now: refused with the exclamation beep while a
/// search runs, then the window's gate asks what it must.
bool mayReadText(MainDialog& window) {
    if (window.session().status.searchState == SearchState::Running) {
        window.beep(BeepKind::Exclamation);
        return false;
    }
    return window.mayReplacePuzzle();
}

/// After a text was read: the background check looks at the new board, and the board gets
/// the keyboard focus, as after a load, so the digits typed next go to it.
void puzzleRead(MainDialog& window) {
    window.liveCheck().boardChanged();
    window.boardView()->setFocus();
}

/// Reads the clipboard as a load does; text that is no puzzle is refused with the reader's
/// reason on a second line.
void pasteClipboard(MainDialog& window) {
    if (!mayReadText(window)) return;
    std::string reason;
    if (readPuzzleText(window.session(), QGuiApplication::clipboard()->text().toStdString(),
                       reason)) {
        puzzleRead(window);
        return;
    }
    window.errorBox(std::string(ClipboardUnreadable) + "\n" + reason);
}

} // namespace

void installExchangeCommands(MainDialog& window, CommandMenu& menu) {
    menu.addSeparator();
    menu.addCommand(
        QString::fromUtf8("URL・pzprv3を貼り付け"), QKeySequence(Qt::CTRL | Qt::Key_V),
        [&window] { pasteClipboard(window); }, CommandMenu::WhileSearching::Disabled);
    menu.addCommand(QString::fromUtf8("URLをコピー"), QKeySequence(Qt::CTRL | Qt::Key_C),
                    [&window] { copyUrl(window); });
    menu.addCommand(QString::fromUtf8("pzprv3形式でコピー"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                    [&window] { copyPzprv3(window); });
}

QString droppedPuzzleText(const QMimeData* data) {
    if (!data) return {};
    // The list itself, not QUrl: a URL's body may hold "%" followed by hex digits, which a
    // URL parser would take for an escape.
    if (data->hasFormat(QStringLiteral("text/uri-list"))) {
        const QString list = QString::fromUtf8(data->data(QStringLiteral("text/uri-list")));
        for (const QString& line : list.split(QLatin1Char('\n'))) {
            const QString url = line.trimmed();
            if (url.isEmpty() || url.startsWith(QLatin1Char('#'))) continue;
            if (looksLikePuzzleText(url)) return url;
            break; // only the first URL counts, as for dropped files
        }
    }
    if (data->hasText() && looksLikePuzzleText(data->text())) return data->text();
    return {};
}

void loadPuzzleFromText(MainDialog& window, const QString& text) {
    if (mayReadText(window) && loadPuzzleText(window.session(), text.toStdString()))
        puzzleRead(window);
}

} // namespace corvane

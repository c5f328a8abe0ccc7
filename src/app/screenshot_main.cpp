// Renders the main window into PNG files: offscreen, editing, a paused search, a solution, where
// the two solutions of another puzzle differ, the exported pictures of a puzzle and solution and
// the background check's verdict on a puzzle with a pair missing; with --big-board, a 40 x 40
// board on the whole screen of a real X server; with --startup, the program started with a
// puzzle file on the command line there.
#include "app/app_main.h"
#include "app/board_view.h"
#include "app/live_check.h"
#include "app/main_dialog.h"
#include "app/picture_command.h"
#include "app/tab_control.h"
#include "model/board.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

using namespace corvane;

// A 10 x 10 puzzle with one solution that needs a few hundred search steps.
struct Clue {
    int x, y, number;
};
constexpr Clue PuzzleClues[] = {
    {1, 1, 5}, {3, 2, 4}, {7, 2, 6}, {6, 3, 3}, {7, 5, 1}, {1, 6, 6},
    {8, 6, 3}, {4, 7, 2}, {8, 7, 4}, {9, 7, 2}, {4, 9, 5}, {8, 9, 1},
};
// The same with one clue 1 moved a cell to the left: two solutions, parting in 27 cells.
constexpr Clue TwoSolutionClues[] = {
    {1, 1, 5}, {3, 2, 4}, {7, 2, 6}, {6, 3, 3}, {6, 5, 1}, {1, 6, 6},
    {8, 6, 3}, {4, 7, 2}, {8, 7, 4}, {9, 7, 2}, {4, 9, 5}, {8, 9, 1},
};

bool save(QWidget& window, const QString& dir, const char* name) {
    QCoreApplication::processEvents();
    const QString path = dir + "/" + name;
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

/// A 40 x 40 board with a title, its cursor far from the top left, shown on a screen too
/// small for it: the whole screen is saved, so the window's place on it shows too. Fails
/// when the window does not lie inside the screen's available geometry.
bool renderBigBoard(const QString& dir) {
    // As when a file is loaded: the window is up before the board grows.
    MainDialog window(nullptr, Settings{});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    QTest::qWait(500); // the window manager frames and places the window
    Session& session = window.session();
    resetBoard(session.board, session.status, window, 40, 40);
    for (int y = 1; y <= 40; ++y) {
        session.board.boardCells[cellIndex(1 + (y * 7) % 12, y)] = y;
        session.board.boardCells[cellIndex(40 - (y * 5) % 12, y)] = y;
    }
    session.board.infoField1 = "大きな盤";
    session.board.infoField2 = "Corvane";
    session.board.cursorCell = cellIndex(30, 28);
    window.layoutMainDialog();
    window.refreshControls(false);
    window.activateWindow();
    QTest::qWait(500);
    QScreen* screen = window.screen();
    const bool inside = screen->availableGeometry().contains(window.frameGeometry());
    std::printf("screen %dx%d, window %dx%d at %d,%d\n", screen->geometry().width(),
                screen->geometry().height(), window.frameGeometry().width(),
                window.frameGeometry().height(), window.frameGeometry().x(),
                window.frameGeometry().y());
    const QString path = dir + "/big-board.png";
    if (!screen->grabWindow(0).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    if (!inside) std::fprintf(stderr, "the window does not fit its screen\n");
    return inside;
}

/// The program started as a user starts it, with `puzzle` named on its command line: once the
/// window manager has framed and activated the window, the whole screen is saved. Fails when
/// the frame does not lie inside the screen's available geometry or the keyboard focus is not
/// on the board.
bool renderStartup(const char* puzzle, const QString& dir) {
    QTemporaryDir config;
    bool ok = false;
    // Polled from the program's own event loop: the window appears, the file is read once the
    // window is on the screen, and the window manager frames, places and activates it in its
    // own time. Only a window that never gets there waits for the deadline.
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        MainDialog* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<MainDialog*>(w); d && d->isVisible()) window = d;
        if (!window) return;
        const bool placed =
            !window->session().board.currentFilePath.empty() && window->isActiveWindow() &&
            window->screen()->availableGeometry().contains(window->frameGeometry()) &&
            QApplication::focusWidget() == window->boardView();
        if (!placed && waited.elapsed() < 15000) return;
        poll.stop();
        QTest::qWait(300); // the last repaint of the frame
        const QRect frame = window->frameGeometry();
        std::printf("start-up: window %dx%d at %d,%d, focus on the board: %s\n", frame.width(),
                    frame.height(), frame.x(), frame.y(),
                    QApplication::focusWidget() == window->boardView() ? "yes" : "no");
        const QString path = dir + "/startup.png";
        ok = placed && window->screen()->grabWindow(0).save(path, "PNG");
        if (ok)
            std::printf("%s\n", qPrintable(path));
        else
            std::fprintf(stderr, "the window is misplaced or the board has no focus\n");
        window->close();
    });
    poll.start(50);
    char arg0[] = "corvane";
    std::string file(puzzle);
    char* argv[] = {arg0, file.data(), nullptr};
    const int code = runMainWindow(2, argv, config.filePath("config.ini").toStdString());
    return ok && code == 0;
}

/// The unique puzzle without its last pair (6), the cursor where one of its clues was, once the
/// background check has given its verdict: "複数解", and the cells where two solutions differ
/// tinted on the editing tab.
bool renderLiveCheck(const QString& dir) {
    constexpr int missing = 6;
    MainDialog window(nullptr, Settings{});
    Session& session = window.session();
    resetBoard(session.board, session.status, window, 10, 10);
    for (const Clue& c : PuzzleClues)
        if (c.number != missing) session.board.boardCells[cellIndex(c.x, c.y)] = c.number;
    session.board.cursorCell = cellIndex(7, 2);
    window.liveCheck().boardChanged();
    window.layoutMainDialog();
    window.refreshControls(false);
    window.show();
    window.boardView()->setFocus();
    const bool decided =
        QTest::qWaitFor([&] { return window.liveCheck().verdict() == Verdict::Multiple; }, 30000);
    if (!decided) std::fprintf(stderr, "the background check gave no \"複数解\"\n");
    return decided && save(window, dir, "live-check.png");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool bigBoard = argc > 1 && std::strcmp(argv[1], "--big-board") == 0;
    const bool startup = argc > 2 && std::strcmp(argv[1], "--startup") == 0;
    const int dirArg = bigBoard ? 2 : startup ? 3 : 1;
    const QString dir =
        argc > dirArg ? QString::fromLocal8Bit(argv[dirArg]) : QString("screenshots");
    QDir().mkpath(dir);
    if (bigBoard) return renderBigBoard(dir) ? 0 : 1;
    if (startup) return renderStartup(argv[2], dir) ? 0 : 1;

    Settings settings;
    settings.loopCount = 100; // small slices, so the pause below catches the search early
    settings.drawCount = 1;
    settings.directAutoSelect = 1;
    settings.searchThreads = 1; // one thread: the same paused picture on every run
    MainDialog window(nullptr, settings);
    Session& session = window.session();
    resetBoard(session.board, session.status, window, 10, 10);
    for (const Clue& c : PuzzleClues) session.board.boardCells[cellIndex(c.x, c.y)] = c.number;
    session.board.cursorCell = cellIndex(4, 7);
    window.layoutMainDialog();
    window.refreshControls(false);
    window.show();

    // The result box of the finished search is confirmed at once.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(20);

    bool ok = save(window, dir, "editing.png");

    // Pause the search at the end of its first slice, then show the live state.
    QTimer::singleShot(0, &window, [&window] { window.pauseButton()->click(); });
    window.startButton()->click();
    ok = ok && session.status.searchState == SearchState::Paused;
    ok = ok && save(window, dir, "search-paused.png");

    window.resumeButton()->click();
    ok = ok && session.status.searchState == SearchState::Finished &&
         !session.board.solutions.empty();
    window.selectViewItem(1);
    ok = ok && save(window, dir, "solution-search.png");
    window.tabControl()->setCurrentIndex(MainDialog::EditingTab);
    ok = ok && save(window, dir, "solution-editing.png");

    // The pictures "画像として保存..." writes: the puzzle, and the solution with a colour a pair.
    session.board.infoField1 = "例題";
    session.board.infoField2 = "Corvane";
    for (const PictureChoice& choice :
         {PictureChoice{true, 0, 36, false}, PictureChoice{true, 1, 36, true}}) {
        const QString path =
            dir + (choice.answer == 0 ? "/picture-puzzle.png" : "/picture-answer.png");
        if (!ok) break;
        if (const auto error = writePictureFile(session.board, choice, path.toStdString())) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }

    // The view "相違箇所", last in the list, of a puzzle with two solutions.
    resetBoard(session.board, session.status, window, 10, 10);
    for (const Clue& c : TwoSolutionClues) session.board.boardCells[cellIndex(c.x, c.y)] = c.number;
    window.refreshControls(false);
    window.startButton()->click();
    ok = ok && session.status.searchState == SearchState::Finished &&
         session.board.solutions.size() == 2;
    window.viewSelector()->setCurrentIndex(window.viewSelector()->count() - 1);
    ok = ok && save(window, dir, "varying-search.png");
    ok = ok && renderLiveCheck(dir);
    return ok ? 0 : 1;
}

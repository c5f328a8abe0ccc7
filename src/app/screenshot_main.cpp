// Renders the main window offscreen into PNG files: editing, a paused search, a solution.
#include "app/main_dialog.h"
#include "app/tab_control.h"
#include "model/board.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("screenshots");
    QDir().mkpath(dir);

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
    return ok ? 0 : 1;
}

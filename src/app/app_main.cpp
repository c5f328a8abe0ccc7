// Start-up: read (and repair) the settings, create the main window, run the message loop.
#include "app/app_main.h"

#include "app/main_dialog.h"
#include "model/settings.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWindow>

namespace corvane {

namespace {

/// Longest wait for the window system to show a new window; a window system that never
/// reports it only delays the reading of the file by this much.
constexpr int ExposeWaitMs = 5000;

/// Reads the puzzle file `path` into `window` from the event loop, once the window system
/// shows the window (or after ExposeWaitMs): a refusal's error box then has the window to sit
/// on, and a bigger board is placed as a load from the window places it, with the frame the
/// window manager gave (a window moved before it is framed would have its title bar above
/// the screen).
void openWhenShown(MainDialog& window, const std::string& path) {
    auto* poll = new QTimer(&window);
    const QDeadlineTimer deadline(ExposeWaitMs);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, deadline, path] {
        const QWindow* handle = window.windowHandle();
        if (!(handle && handle->isExposed()) && !deadline.hasExpired()) return;
        poll->stop();
        poll->deleteLater();
        if (!window.closeSeen()) window.openFile(path);
    });
    poll->start(10);
}

} // namespace

int runMainWindow(int argc, char** argv, const std::filesystem::path& configPath) {
    SettingsStore store(configPath);
    Settings settings;
    if (!store.loadConfig(settings)) store.saveConfig(settings);

    // The window centres itself on its screen whenever its size changes.
    MainDialog window(&store, settings);
    window.show();
    if (argc > 1 && argv[1]) openWhenShown(window, argv[1]);
    return QApplication::exec();
}

} // namespace corvane

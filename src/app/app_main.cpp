// Start-up: read (and repair) the settings, create the main window, run the message loop.
#include "app/app_main.h"

#include "app/main_dialog.h"
#include "model/settings.h"

#include <QApplication>
#include <QScreen>

namespace corvane {

int runMainWindow(int argc, char** argv, const std::filesystem::path& configPath) {
    SettingsStore store(configPath);
    Settings settings;
    if (!store.loadConfig(settings)) store.saveConfig(settings);

    MainDialog window(&store, settings);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    // The file named on the command line is read once the window is up, so a refusal's error
    // box has the window to sit on.
    if (argc > 1 && argv[1]) window.openFile(argv[1]);
    // A close during that load leaves no window for the loop to wait on.
    if (window.closeSeen()) return 0;
    return QApplication::exec();
}

} // namespace corvane

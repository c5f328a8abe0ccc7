// Start-up: read (and repair) the settings, create the main window, run the message loop.
#include "app/app_main.h"

#include "app/main_dialog.h"
#include "model/settings.h"

#include <QApplication>

namespace corvane {

int runMainWindow(int argc, char** argv, const std::filesystem::path& configPath) {
    SettingsStore store(configPath);
    Settings settings;
    if (!store.loadConfig(settings)) store.saveConfig(settings);

    // The window centres itself on its screen whenever its size changes.
    MainDialog window(&store, settings);
    window.show();
    // The file named on the command line is read once the window is up, so a refusal's error
    // box has the window to sit on.
    if (argc > 1 && argv[1]) window.openFile(argv[1]);
    // A close during that load leaves no window for the loop to wait on.
    if (window.closeSeen()) return 0;
    return QApplication::exec();
}

} // namespace corvane

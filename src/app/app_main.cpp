// Start-up: read (and repair) the settings, create the main window, run the message loop.
#include "app/app_main.h"

#include "app/main_dialog.h"
#include "model/settings.h"

#include <QApplication>

namespace corvane {

int runMainWindow(int argc, char** argv, const std::filesystem::path& configPath) {
    (void)argc;
    (void)argv;
    SettingsStore store(configPath);
    Settings settings;
    if (!store.loadConfig(settings)) store.saveConfig(settings);
    MainDialog window(&store, settings);
    window.show();
    return QApplication::exec();
}

} // namespace corvane

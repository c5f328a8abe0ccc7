// Reading, repairing and writing the settings file.
#include "model/settings.h"

#include "model/ini_file.h"

#include <algorithm>
#include <string>

namespace corvane {

namespace {
constexpr const char* Section = "Config";
}

bool SettingsStore::loadConfig(Settings& settings) const {
    bool ok = true;
    settings.loopCount = readProfileInt(path_, Section, "LoopCount", 0);
    if (settings.loopCount <= 0) {
        settings.loopCount = 10000;
        ok = false;
    }
    settings.drawCount = readProfileInt(path_, Section, "DrawCount", 0);
    if (settings.drawCount <= 0) {
        settings.drawCount = 10;
        ok = false;
    }
    settings.debugMode = readProfileInt(path_, Section, "DebugMode", 0);
    settings.fileFormat = readProfileInt(path_, Section, "FileFormat", 9999);
    if (settings.fileFormat < 0 || settings.fileFormat > 1) {
        settings.fileFormat = 0;
        ok = false;
    }
    settings.directAutoSelect = readProfileInt(path_, Section, "DirectAutoSelect", 0);
    // Missing or negative: one thread per core, without a repair.
    settings.searchThreads = std::max(0, readProfileInt(path_, Section, "SearchThreads", 0));
    return ok;
}

void SettingsStore::saveConfig(const Settings& settings) const {
    writeProfileString(path_, Section, "LoopCount", std::to_string(settings.loopCount));
    writeProfileString(path_, Section, "DrawCount", std::to_string(settings.drawCount));
    writeProfileString(path_, Section, "DebugMode", settings.debugMode ? "1" : "0");
    writeProfileString(path_, Section, "FileFormat", std::to_string(settings.fileFormat));
    writeProfileString(path_, Section, "DirectAutoSelect", settings.directAutoSelect ? "1" : "0");
    writeProfileString(path_, Section, "SearchThreads", std::to_string(settings.searchThreads));
}

std::filesystem::path configPathBeside(const std::filesystem::path& executableDir) {
    return executableDir / "config.ini";
}

} // namespace corvane

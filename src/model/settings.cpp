// Reading, repairing and writing the settings file.
#include "model/settings.h"

#include "base/ini_file.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

namespace corvane {

namespace {
constexpr const char* Section = "Config";
constexpr int MaxLiveCheckSeconds = 3600;
} // namespace

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
    settings.fillAllCells = readProfileInt(path_, Section, "FillAllCells", 0) ? 1 : 0;
    // Missing or negative: the default budget; an hour at most, so a typo cannot keep a
    // background search busy for days.
    settings.liveCheckSeconds = readProfileInt(path_, Section, "LiveCheckSeconds", 3);
    if (settings.liveCheckSeconds < 0) settings.liveCheckSeconds = 3;
    settings.liveCheckSeconds = std::min(settings.liveCheckSeconds, MaxLiveCheckSeconds);
    return ok;
}

void SettingsStore::saveConfig(const Settings& settings) const {
    if (path_.empty()) return;
    writeProfileString(path_, Section, "LoopCount", std::to_string(settings.loopCount));
    writeProfileString(path_, Section, "DrawCount", std::to_string(settings.drawCount));
    writeProfileString(path_, Section, "DebugMode", settings.debugMode ? "1" : "0");
    writeProfileString(path_, Section, "FileFormat", std::to_string(settings.fileFormat));
    writeProfileString(path_, Section, "DirectAutoSelect", settings.directAutoSelect ? "1" : "0");
    writeProfileString(path_, Section, "SearchThreads", std::to_string(settings.searchThreads));
    writeProfileString(path_, Section, "FillAllCells", settings.fillAllCells ? "1" : "0");
    writeProfileString(path_, Section, "LiveCheckSeconds",
                       std::to_string(settings.liveCheckSeconds));
}

std::filesystem::path configPathBeside(const std::filesystem::path& executableDir) {
    return executableDir / "config.ini";
}

ConfigEnvironment currentConfigEnvironment() {
    ConfigEnvironment env;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) env.xdgConfigHome = xdg;
    if (const char* home = std::getenv("HOME"); home && *home) {
        env.home = home;
        return env;
    }
    // No HOME (started by a service manager, say): the password database still knows it.
    const long hint = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(hint > 0 ? static_cast<std::size_t>(hint) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        env.home = found->pw_dir;
    return env;
}

std::vector<std::filesystem::path>
installationPrefixes(const std::filesystem::path& configuredPrefix) {
    std::vector<std::filesystem::path> prefixes{"/usr", "/usr/local", "/opt"};
    if (configuredPrefix.is_absolute()) prefixes.push_back(configuredPrefix);
    return prefixes;
}

bool liesUnderPrefix(const std::filesystem::path& dir,
                     const std::vector<std::filesystem::path>& prefixes) {
    // The components of a path without the empty last one a trailing separator leaves.
    const auto parts = [](const std::filesystem::path& p) {
        std::vector<std::filesystem::path> out(p.begin(), p.end());
        if (!out.empty() && out.back().empty()) out.pop_back();
        return out;
    };
    if (!dir.is_absolute()) return false;
    const auto dirParts = parts(dir.lexically_normal());
    for (const auto& prefix : prefixes) {
        if (!prefix.is_absolute()) continue;
        const auto prefixParts = parts(prefix.lexically_normal());
        if (prefixParts.size() <= dirParts.size() &&
            std::equal(prefixParts.begin(), prefixParts.end(), dirParts.begin()))
            return true;
    }
    return false;
}

ExecutableFolder inspectExecutableFolder(const std::filesystem::path& dir,
                                         const std::vector<std::filesystem::path>& prefixes) {
    std::error_code ec;
    return {dir, liesUnderPrefix(dir, prefixes),
            std::filesystem::is_regular_file(configPathBeside(dir), ec), folderIsWritable(dir)};
}

std::filesystem::path chooseConfigPath(const ExecutableFolder& folder,
                                       const ConfigEnvironment& env) {
    // An installed copy never writes beside itself: run as root it would leave a file in a
    // system folder that no package owns.
    if (!folder.installed && (folder.hasConfig || folder.writable))
        return configPathBeside(folder.dir);
    std::filesystem::path base = env.xdgConfigHome;
    if (!base.is_absolute()) {
        const std::filesystem::path home = env.home;
        if (!home.is_absolute())
            return folder.installed ? std::filesystem::path() : configPathBeside(folder.dir);
        base = home / ".config";
    }
    return base / "corvane" / "config.ini";
}

bool folderIsWritable(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec) && access(dir.c_str(), W_OK) == 0;
}

std::filesystem::path prepareConfigPath(const ExecutableFolder& folder,
                                        const ConfigEnvironment& env) {
    const std::filesystem::path path = chooseConfigPath(folder, env);
    if (path.empty() || path == configPathBeside(folder.dir)) return path;
    // Make the missing folders outermost first, each readable by the user alone.
    std::vector<std::filesystem::path> missing;
    std::error_code ec;
    for (auto dir = path.parent_path(); !dir.empty() && !std::filesystem::exists(dir, ec);
         dir = dir.parent_path()) {
        missing.push_back(dir);
        if (dir == dir.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        if (mkdir(it->c_str(), 0700) != 0 && errno != EEXIST) break;
    return path;
}

std::filesystem::path locateConfigFile(const std::filesystem::path& executableDir,
                                       const std::vector<std::filesystem::path>& prefixes) {
    return prepareConfigPath(inspectExecutableFolder(executableDir, prefixes),
                             currentConfigEnvironment());
}

} // namespace corvane

// The settings and the store that persists them in section "Config" of an ini file.
#pragma once

#include <filesystem>
#include <string>

namespace corvane {

struct Settings {
    int loopCount = 10000;    // search steps per slice
    int drawCount = 10;       // slices between two refreshes
    int debugMode = 0;        // non-zero: stop-step field shown, search pauses there
    int fileFormat = 0;       // PuzzleFormat of the last file read or saved, 0..2, 4
    int directAutoSelect = 0; // non-zero: search in the recommended direction, no dialog
    int searchThreads = 0;    // threads of a search: 0 one per core, 1 the serial search
    int fillAllCells = 0;     // non-zero: a solution must put every cell on a path
    int liveCheckSeconds = 3; // time budget of the editor's background check; 0 turns it off
};

/// Persists Settings in one ini file whose path is given by the owner.
class SettingsStore {
  public:
    explicit SettingsStore(std::filesystem::path iniPath) : path_(std::move(iniPath)) {}

    /// Reads every key into `settings`, replacing unacceptable values. Returns false when
    /// LoopCount, DrawCount or FileFormat was missing or replaced (the flags, SearchThreads,
    /// FillAllCells and LiveCheckSeconds never do).
    bool loadConfig(Settings& settings) const;
    /// Writes every key in its fixed order; write failures are ignored.
    void saveConfig(const Settings& settings) const;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

/// The settings file for a program whose executable lies in `executableDir`.
std::filesystem::path configPathBeside(const std::filesystem::path& executableDir);

/// The environment values that decide where a per-user settings file lives.
struct ConfigEnvironment {
    std::string xdgConfigHome; // $XDG_CONFIG_HOME; "" when unset
    std::string home;          // the user's home folder; "" when unknown
};

/// Reads ConfigEnvironment from this process: $XDG_CONFIG_HOME, and $HOME or else the home
/// folder of the user in the password database.
ConfigEnvironment currentConfigEnvironment();

/// The settings file: config.ini beside the executable when `executableDirWritable` (a
/// portable copy or a build folder), otherwise XDG_CONFIG_HOME/corvane/config.ini, where an
/// empty or relative XDG_CONFIG_HOME counts as unset and defaults to HOME/.config. With
/// neither usable it stays beside the executable (the program then runs on defaults).
std::filesystem::path chooseConfigPath(const std::filesystem::path& executableDir,
                                       bool executableDirWritable, const ConfigEnvironment& env);

/// Whether this process may create files in `dir` (false when it does not exist).
bool folderIsWritable(const std::filesystem::path& dir);

/// chooseConfigPath, and creates the folder of a per-user file (private to the user, as the
/// base directory rules ask) when it is missing; a folder that cannot be made is left to the
/// settings writes, which then fail quietly.
std::filesystem::path prepareConfigPath(const std::filesystem::path& executableDir,
                                        bool executableDirWritable, const ConfigEnvironment& env);

/// The settings file of the running program whose executable lies in `executableDir`.
std::filesystem::path locateConfigFile(const std::filesystem::path& executableDir);

} // namespace corvane

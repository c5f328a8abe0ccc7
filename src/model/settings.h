// The settings and the store that persists them in section "Config" of an ini file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

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
    /// Writes every key in its fixed order; write failures are ignored. With an empty path
    /// (no settings file) nothing is written.
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

/// The installation prefixes: /usr, /usr/local, /opt and `configuredPrefix` (the prefix the
/// build was configured with) when it is absolute. An executable below one is installed.
std::vector<std::filesystem::path>
installationPrefixes(const std::filesystem::path& configuredPrefix);

/// Whether `dir` is one of `prefixes` or lies below one, comparing whole path components of
/// the lexically normal forms (so /usr/games is below /usr, /usrx/bin is not).
bool liesUnderPrefix(const std::filesystem::path& dir,
                     const std::vector<std::filesystem::path>& prefixes);

/// What the place of the settings file depends on in the executable's own folder.
struct ExecutableFolder {
    std::filesystem::path dir; // the folder the executable lies in
    bool installed = false;    // it lies under an installation prefix
    bool hasConfig = false;    // a config.ini already lies in it
    bool writable = false;     // this process may create files in it
};

/// Looks at `dir`: installed by `prefixes`, hasConfig and writable from the file system.
ExecutableFolder inspectExecutableFolder(const std::filesystem::path& dir,
                                         const std::vector<std::filesystem::path>& prefixes);

/// The settings file. An installed copy keeps its settings per user, whatever the rights on
/// its folder: XDG_CONFIG_HOME/corvane/config.ini, where an empty or relative XDG_CONFIG_HOME
/// counts as unset and defaults to HOME/.config. Any other copy (unpacked in a home folder, a
/// build folder) uses config.ini beside the executable when that file exists or the folder is
/// writable, and the per-user file otherwise. With no home known, an installed copy gets an
/// empty path (no settings file: it runs on defaults), any other the file beside it.
std::filesystem::path chooseConfigPath(const ExecutableFolder& folder,
                                       const ConfigEnvironment& env);

/// Whether this process may create files in `dir` (false when it does not exist).
bool folderIsWritable(const std::filesystem::path& dir);

/// chooseConfigPath, and creates the folder of a per-user file (private to the user, as the
/// base directory rules ask) when it is missing; a folder that cannot be made is left to the
/// settings writes, which then fail quietly.
std::filesystem::path prepareConfigPath(const ExecutableFolder& folder,
                                        const ConfigEnvironment& env);

/// The settings file of the running program whose executable lies in `executableDir`, with
/// the installation prefixes `prefixes`; its per-user folder is made when missing.
std::filesystem::path locateConfigFile(const std::filesystem::path& executableDir,
                                       const std::vector<std::filesystem::path>& prefixes);

} // namespace corvane

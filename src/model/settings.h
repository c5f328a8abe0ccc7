// The settings and the store that persists them in section "Config" of an ini file.
#pragma once

#include <filesystem>

namespace corvane {

struct Settings {
    int loopCount = 10000;    // search steps per slice
    int drawCount = 10;       // slices between two refreshes
    int debugMode = 0;        // non-zero: stop-step field shown, search pauses there
    int fileFormat = 0;       // PuzzleFormat of the last file read or saved, 0..2
    int directAutoSelect = 0; // non-zero: search in the recommended direction, no dialog
    int searchThreads = 0;    // threads of a search: 0 one per core, 1 the serial search
};

/// Persists Settings in one ini file whose path is given by the owner.
class SettingsStore {
  public:
    explicit SettingsStore(std::filesystem::path iniPath) : path_(std::move(iniPath)) {}

    /// Reads every key into `settings`, replacing unacceptable values. Returns false when
    /// LoopCount, DrawCount or FileFormat was missing or replaced (the flags and SearchThreads
    /// never do).
    bool loadConfig(Settings& settings) const;
    /// Writes every key in its fixed order; write failures are ignored.
    void saveConfig(const Settings& settings) const;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

/// The settings file for a program whose executable lies in `executableDir`.
std::filesystem::path configPathBeside(const std::filesystem::path& executableDir);

} // namespace corvane

// Start-up of the desktop program: settings, main window, message loop.
#pragma once

#include <filesystem>

namespace corvane {

/// Runs the program with the settings file `configPath`; returns the process exit code.
/// Must be called with a QApplication already constructed.
int runMainWindow(int argc, char** argv, const std::filesystem::path& configPath);

} // namespace corvane

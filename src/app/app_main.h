// Start-up of the desktop program: settings, main window, message loop.
#pragma once

#include <filesystem>

namespace corvane {

/// Runs the program with the settings file `configPath`: the first argument after the
/// program name, if any, is a puzzle file, read once the window is on the screen. Returns the
/// process exit code (0 once the window is closed). Must be called with a QApplication already
/// constructed.
int runMainWindow(int argc, char** argv, const std::filesystem::path& configPath);

} // namespace corvane

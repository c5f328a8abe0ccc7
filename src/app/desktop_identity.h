// How the desktop recognises the program: desktop entry id, window class and window icon.
#pragma once

namespace corvane {

/// Names the running application for the desktop, so the window is matched to its menu entry
/// and shows its icon: the desktop entry's id (the Wayland app id), the application name (the
/// X11 window class, which the entry's StartupWMClass names) and the window icon, from the
/// installed icon theme or else the copy built into the program. Needs a QApplication.
void applyDesktopIdentity();

} // namespace corvane

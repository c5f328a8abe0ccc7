# The Debian package of the installed tree: run `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION "${CORVANE_VERSION}")
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_CONTACT "${CORVANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "authoring tool for pair-path puzzles that counts solutions")
# Without this CPack would put its own generic text into the package description.
set(CPACK_PACKAGE_DESCRIPTION "\
Corvane is a desktop tool for authors of the pair-path puzzle: a grid where
every clue number occurs twice and each pair is joined by an orthogonal path;
paths never cross or share a cell. It searches a puzzle exhaustively and
reports how many solutions it has; exactly one means the puzzle is sound.
The interface is Japanese.
.
The package holds the Qt 6 desktop program corvane and the command
corvane-check, which checks many puzzle files without a window.")
# The prefix the programs were built for (the settings rule and the desktop entry's Exec
# depend on it): scripts/package.sh configures /usr.
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CORVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the Qt 6 and C++ runtime packages the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a Qt platform plugin (xcb and the others), which no library links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own dialog texts in Japanese, and a font that has the interface's characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/screenshots/")
include(CPack)

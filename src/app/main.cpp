// Entry point of the desktop program corvane.
#include "app/app_main.h"
#include "app/desktop_identity.h"
#include "model/settings.h"
#include "model/version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>

namespace {

/// The folder of the running executable (a Qt application object must exist).
std::filesystem::path executableDir() {
    return QCoreApplication::applicationDirPath().toStdString();
}

} // namespace

int main(int argc, char** argv) {
    const auto prefixes = corvane::installationPrefixes(corvane::ConfiguredInstallPrefix);
    // Both are answered without a window, so they work without a display.
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("corvane %s\n", corvane::ProjectVersion);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--settings-file") == 0) {
        QCoreApplication core(argc, argv);
        const std::filesystem::path path =
            corvane::chooseConfigPath(corvane::inspectExecutableFolder(executableDir(), prefixes),
                                      corvane::currentConfigEnvironment());
        if (path.empty()) {
            std::fprintf(stderr, "corvane: no settings file: the home folder is unknown\n");
            return 1;
        }
        std::printf("%s\n", path.c_str());
        return 0;
    }
    QApplication app(argc, argv);
    corvane::applyDesktopIdentity();
    // The interface is Japanese: let Qt's own texts (file dialogs, message box buttons) match.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    return corvane::runMainWindow(argc, argv, corvane::locateConfigFile(executableDir(), prefixes));
}

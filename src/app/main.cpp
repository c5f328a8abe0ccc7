// Entry point of the desktop program corvane.
#include "app/app_main.h"
#include "model/settings.h"
#include "model/version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before Qt starts, so it works without a display.
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("corvane %s\n", corvane::ProjectVersion);
        return 0;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(corvane::ApplicationId);
    // The interface is Japanese: let Qt's own texts (file dialogs, message box buttons) match.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    const std::filesystem::path dir = QCoreApplication::applicationDirPath().toStdString();
    return corvane::runMainWindow(argc, argv, corvane::locateConfigFile(dir));
}

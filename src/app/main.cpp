// Entry point of the desktop program corvane.
#include "app/app_main.h"
#include "model/settings.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The interface is Japanese: let Qt's own texts (file dialogs, message box buttons) match.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    const std::filesystem::path dir = QCoreApplication::applicationDirPath().toStdString();
    return corvane::runMainWindow(argc, argv, corvane::configPathBeside(dir));
}

// Entry point of the desktop program corvane.
#include "app/app_main.h"
#include "model/settings.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::filesystem::path dir = QCoreApplication::applicationDirPath().toStdString();
    return corvane::runMainWindow(argc, argv, corvane::configPathBeside(dir));
}

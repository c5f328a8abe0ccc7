// The desktop entry id, window class and window icon of the running program.
#include "app/desktop_identity.h"

#include "model/version.h"

#include <QApplication>
#include <QIcon>

namespace corvane {

void applyDesktopIdentity() {
    QGuiApplication::setDesktopFileName(ApplicationId);
    QCoreApplication::setApplicationName(WindowClass);
    // An installed copy finds its icon in the hicolor theme; a copy run from a build folder or
    // unpacked elsewhere uses the same picture from its resources.
    const QString builtIn = QStringLiteral(":/") + ApplicationId + QStringLiteral(".svg");
    QApplication::setWindowIcon(QIcon::fromTheme(ApplicationId, QIcon(builtIn)));
}

} // namespace corvane

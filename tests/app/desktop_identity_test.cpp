// The desktop names of the program: its window matches the desktop entry and has an icon.
#include "app/desktop_identity.h"
#include "app/main_dialog.h"
#include "temp_dir.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

/// The value of `key` in the desktop entry `entry` ("" when missing).
std::string entryValue(const std::string& entry, const std::string& key) {
    const std::string text = testing::readBytes(entry);
    const std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "";
    const std::size_t from = at + key.size() + 2;
    return text.substr(from, text.find('\n', from) - from);
}

TEST(DesktopIdentityTest, WindowClassAndIdMatchTheDesktopEntryAndTheWindowHasAnIcon) {
    const QString savedName = QCoreApplication::applicationName();
    const QString savedDesktopName = QGuiApplication::desktopFileName();
    const QIcon savedIcon = QApplication::windowIcon();
    applyDesktopIdentity();

    const std::string entry = CORVANE_DESKTOP_ENTRY;
    ASSERT_FALSE(entryValue(entry, "StartupWMClass").empty()) << entry;
    // Under X11 the window class is the application name; under Wayland the app id is the
    // desktop file name. Either way the desktop finds the entry, its name and icon.
    EXPECT_EQ(QCoreApplication::applicationName().toStdString(),
              entryValue(entry, "StartupWMClass"));
    EXPECT_EQ((QGuiApplication::desktopFileName() + ".desktop").toStdString(),
              QFileInfo(QString::fromStdString(entry)).fileName().toStdString());
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), entryValue(entry, "Icon"));
    Settings settings;
    MainDialog window(nullptr, settings);
    EXPECT_FALSE(window.windowIcon().pixmap(48, 48).isNull());

    QCoreApplication::setApplicationName(savedName);
    QGuiApplication::setDesktopFileName(savedDesktopName);
    QApplication::setWindowIcon(savedIcon);
}

} // namespace
} // namespace corvane

// Start-up of the desktop program: settings file, window title, closing.
#include "app/app_main.h"
#include "app/main_dialog.h"
#include "temp_dir.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::readBytes;
using testing::TempDir;

/// Closes the main window once the event loop runs.
void closeWhenShown() {
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "Corvane") w->close();
    });
}

TEST(StartupTest, MissingSettingsFileIsCreatedAndCloseEndsWithZero) {
    TempDir dir;
    const auto config = dir / "config.ini";
    closeWhenShown();
    char arg0[] = "corvane";
    char* argv[] = {arg0, nullptr};
    EXPECT_EQ(runMainWindow(1, argv, config), 0);
    EXPECT_EQ(readBytes(config), "[Config]\r\nLoopCount=10000\r\nDrawCount=10\r\nDebugMode=0\r\n"
                                 "FileFormat=0\r\nDirectAutoSelect=0\r\nSearchThreads=0\r\n"
                                 "FillAllCells=0\r\nLiveCheckSeconds=3\r\n");
}

TEST(StartupTest, WindowShowsEmptyTenByTenBoard) {
    Settings settings;
    MainDialog window(nullptr, settings);
    EXPECT_EQ(window.windowTitle(), "Corvane");
    EXPECT_EQ(window.session().board.boardWidth, 10);
    EXPECT_EQ(window.session().board.boardHeight, 10);
    EXPECT_EQ(window.viewSelector()->count(), 1);
    EXPECT_EQ(window.viewSelector()->itemText(0), QString::fromUtf8("通常画面"));
}

} // namespace
} // namespace corvane

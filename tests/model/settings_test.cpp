// Settings: defaults, acceptance at start-up and the rewrite rules of the settings file.
#include "base/ini_file.h"
#include "model/settings.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <optional>

namespace corvane {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

const char* const AllKeys = "[Config]\r\nLoopCount=500\r\nDrawCount=3\r\nDebugMode=1\r\nFileFormat="
                            "1\r\nDirectAutoSelect=1\r\n";

struct SettingsTest : ::testing::Test {
    TempDir dir;
    std::filesystem::path file = dir / "config.ini";
    SettingsStore store{file};
    Settings settings;

    /// What start-up does: load, and rewrite when something was replaced.
    bool startUp() {
        const bool ok = store.loadConfig(settings);
        if (!ok) store.saveConfig(settings);
        return ok;
    }
};

TEST_F(SettingsTest, MissingFileIsCreatedWithDefaults) {
    EXPECT_FALSE(startUp());
    EXPECT_EQ(readBytes(file),
              "[Config]\r\nLoopCount=10000\r\nDrawCount=10\r\nDebugMode=0\r\n"
              "FileFormat=0\r\nDirectAutoSelect=0\r\nSearchThreads=0\r\nFillAllCells=0\r\n"
              "LiveCheckSeconds=3\r\n");
    EXPECT_EQ(settings.loopCount, 10000);
    EXPECT_EQ(settings.drawCount, 10);
    EXPECT_EQ(settings.debugMode, 0);
    EXPECT_EQ(settings.fileFormat, 0);
    EXPECT_EQ(settings.directAutoSelect, 0);
}

TEST_F(SettingsTest, AcceptableFileIsNotRewritten) {
    writeBytes(file, AllKeys);
    EXPECT_TRUE(startUp());
    EXPECT_EQ(readBytes(file), AllKeys);
    EXPECT_EQ(settings.loopCount, 500);
    EXPECT_EQ(settings.drawCount, 3);
    EXPECT_EQ(settings.debugMode, 1);
    EXPECT_EQ(settings.fileFormat, 1);
    EXPECT_EQ(settings.directAutoSelect, 1);
}

TEST_F(SettingsTest, MissingFlagsDoNotCauseRewrite) {
    for (const char* text :
         {"[Config]\nLoopCount=1\nDrawCount=1\nFileFormat=0\nDirectAutoSelect=1\n",
          "[Config]\nLoopCount=1\nDrawCount=1\nDebugMode=1\nFileFormat=0\n"}) {
        writeBytes(file, text);
        settings = Settings{};
        EXPECT_TRUE(startUp()) << text;
        EXPECT_EQ(readBytes(file), text);
    }
    EXPECT_EQ(settings.directAutoSelect, 0);
}

TEST_F(SettingsTest, StoredFormatTwoIsReplacedByZero) {
    writeBytes(file, "[Config]\r\nLoopCount=5\r\nDrawCount=5\r\nDebugMode=0\r\nFileFormat=2\r\n"
                     "DirectAutoSelect=0\r\n");
    EXPECT_FALSE(startUp());
    EXPECT_EQ(settings.fileFormat, 0);
    EXPECT_EQ(readProfileInt(file, "Config", "FileFormat", -1), 0);
}

TEST_F(SettingsTest, NonPositiveCountsAreReplacedAndWrittenBack) {
    writeBytes(file, "[Config]\r\nLoopCount=-5\r\nDrawCount=0\r\nDebugMode=0\r\nFileFormat=0\r\n"
                     "DirectAutoSelect=0\r\n");
    EXPECT_FALSE(startUp());
    EXPECT_EQ(settings.loopCount, 10000);
    EXPECT_EQ(settings.drawCount, 10);
    EXPECT_EQ(readProfileInt(file, "Config", "LoopCount", -1), 10000);
    EXPECT_EQ(readProfileInt(file, "Config", "DrawCount", -1), 10);
}

TEST_F(SettingsTest, ValuesThatAreNotNumbers) {
    // A non-numeric count reads as 0 and is replaced; a non-numeric format is simply 0.
    writeBytes(file, "[Config]\r\nLoopCount=many\r\nDrawCount=4\r\nFileFormat=abc\r\n");
    EXPECT_FALSE(store.loadConfig(settings));
    EXPECT_EQ(settings.loopCount, 10000);
    writeBytes(file, "[Config]\r\nLoopCount=9\r\nDrawCount=4\r\nFileFormat=abc\r\n");
    EXPECT_TRUE(store.loadConfig(settings));
    EXPECT_EQ(settings.fileFormat, 0);
}

TEST_F(SettingsTest, FlagsAreWrittenNormalised) {
    writeBytes(file, "[Config]\r\nLoopCount=9\r\nDrawCount=4\r\nDebugMode=7\r\nFileFormat=1\r\n"
                     "DirectAutoSelect=-3\r\n");
    EXPECT_TRUE(store.loadConfig(settings));
    EXPECT_EQ(settings.debugMode, 7); // honoured as on
    settings.fileFormat = 2;          // the running program may hold 2
    store.saveConfig(settings);
    EXPECT_EQ(readBytes(file),
              "[Config]\r\nLoopCount=9\r\nDrawCount=4\r\nDebugMode=1\r\n"
              "FileFormat=2\r\nDirectAutoSelect=1\r\nSearchThreads=0\r\nFillAllCells=0\r\n"
              "LiveCheckSeconds=3\r\n");
}

TEST_F(SettingsTest, SearchThreadsIsReadWithoutRepair) {
    struct Row {
        const char* value; // nullptr: the key is missing
        int expected;
    };
    for (const Row row : {Row{nullptr, 0}, Row{"1", 1}, Row{"16", 16}, Row{"-3", 0}, Row{"x", 0}}) {
        std::string text = "[Config]\r\nLoopCount=9\r\nDrawCount=4\r\nFileFormat=1\r\n";
        if (row.value) text += std::string("SearchThreads=") + row.value + "\r\n";
        writeBytes(file, text);
        settings = Settings{};
        EXPECT_TRUE(startUp()) << text; // a missing or odd SearchThreads is no repair
        EXPECT_EQ(readBytes(file), text);
        EXPECT_EQ(settings.searchThreads, row.expected) << text;
    }
    settings.searchThreads = 3;
    store.saveConfig(settings);
    EXPECT_EQ(readProfileInt(file, "Config", "SearchThreads", -1), 3);
}

TEST_F(SettingsTest, RuleAndLiveCheckKeysAreReadWithoutRepair) {
    struct Row {
        const char* lines; // the two keys as they stand in the file, if at all
        int fill;
        int seconds;
    };
    for (const Row row : {Row{"", 0, 3}, Row{"FillAllCells=1\r\nLiveCheckSeconds=0\r\n", 1, 0},
                          Row{"FillAllCells=7\r\nLiveCheckSeconds=-2\r\n", 1, 3},
                          Row{"FillAllCells=x\r\nLiveCheckSeconds=99999\r\n", 0, 3600}}) {
        const std::string text =
            std::string("[Config]\r\nLoopCount=9\r\nDrawCount=4\r\nFileFormat=1\r\n") + row.lines;
        writeBytes(file, text);
        settings = Settings{};
        EXPECT_TRUE(startUp()) << text;
        EXPECT_EQ(readBytes(file), text);
        EXPECT_EQ(settings.fillAllCells, row.fill) << text;
        EXPECT_EQ(settings.liveCheckSeconds, row.seconds) << text;
    }
}

TEST_F(SettingsTest, RewriteKeepsOtherContent) {
    writeBytes(file,
               "; written by hand\r\n[Config]\r\nLoopCount=0\r\nNote=hello\r\n[Mine]\r\nK=v\r\n");
    EXPECT_FALSE(startUp());
    const std::string text = readBytes(file);
    EXPECT_NE(text.find("; written by hand\r\n"), std::string::npos);
    EXPECT_NE(text.find("Note=hello\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Mine]\r\nK=v\r\n"), std::string::npos);
    EXPECT_EQ(text.find("LoopCount=0"), std::string::npos);
}

TEST(SettingsPathTest, ConfigLiesBesideTheExecutable) {
    EXPECT_EQ(configPathBeside("/opt/corvane/bin"),
              std::filesystem::path("/opt/corvane/bin/config.ini"));
}

TEST(SettingsPathTest, InstallationPrefixesCoverTheFoldersBelowThem) {
    const auto prefixes = installationPrefixes("/home/u/prefix/");
    EXPECT_EQ(installationPrefixes("relative/prefix").size(), 3u);
    struct Case {
        const char* dir;
        bool installed;
    };
    const Case cases[] = {
        {"/usr/games", true},        {"/usr/bin/", true},        {"/usr", true},
        {"/usr/local/games", true},  {"/opt/corvane/bin", true}, {"/home/u/prefix/games", true},
        {"/usrx/bin", false},        {"/home/u/corvane", false}, {"/usr/../home/u/bin", false},
        {"/home/u/prefixes", false}, {"usr/bin", false},         {"/", false},
    };
    for (const Case& c : cases) EXPECT_EQ(liesUnderPrefix(c.dir, prefixes), c.installed) << c.dir;
}

TEST(SettingsPathTest, InstalledCopiesKeepSettingsPerUserOthersBesideWhenTheyCan) {
    struct Case {
        const char* what;
        bool installed, hasConfig, writable;
        const char* xdgConfigHome;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"installed, folder writable by root, file there", true, true, true, "/x/cfg", "/root",
         "/x/cfg/corvane/config.ini"},
        {"installed, relative XDG_CONFIG_HOME", true, false, false, "cfg", "/home/u",
         "/home/u/.config/corvane/config.ini"},
        {"installed, no home known", true, false, true, "", "", ""},
        {"portable, writable folder", false, false, true, "/x/cfg", "/home/u",
         "/opt/corvane/bin/config.ini"},
        {"portable, read-only folder with a file", false, true, false, "/x/cfg", "/home/u",
         "/opt/corvane/bin/config.ini"},
        {"portable, read-only folder", false, false, false, "", "/home/u",
         "/home/u/.config/corvane/config.ini"},
        {"portable, read-only folder, no home known", false, false, false, "", "",
         "/opt/corvane/bin/config.ini"},
    };
    for (const Case& c : cases) {
        const ExecutableFolder folder{"/opt/corvane/bin", c.installed, c.hasConfig, c.writable};
        EXPECT_EQ(chooseConfigPath(folder, {c.xdgConfigHome, c.home}),
                  std::filesystem::path(c.expected))
            << c.what;
    }
}

TEST(SettingsPathTest, PerUserFolderIsCreatedPrivateAndUsable) {
    TempDir dir;
    const auto bin = dir / "bin";
    std::filesystem::create_directory(bin);
    EXPECT_TRUE(folderIsWritable(bin));
    EXPECT_FALSE(folderIsWritable(dir / "missing"));
    writeBytes(dir / "file", "x");
    EXPECT_FALSE(folderIsWritable(dir / "file"));

    // A portable copy: beside the executable, and nothing is created.
    const ExecutableFolder portable = inspectExecutableFolder(bin, installationPrefixes("/usr"));
    EXPECT_FALSE(portable.installed || portable.hasConfig);
    EXPECT_EQ(prepareConfigPath(portable, {(dir / "xdg").string(), ""}), bin / "config.ini");
    EXPECT_FALSE(std::filesystem::exists(dir / "xdg"));

    // The same folder as an installed one (the build's prefix), though writable and holding a
    // config.ini: per user, with the missing folders made.
    writeBytes(bin / "config.ini", "[Config]\r\n");
    const ExecutableFolder installed =
        inspectExecutableFolder(bin, installationPrefixes(dir.path()));
    EXPECT_TRUE(installed.installed && installed.hasConfig && installed.writable);
    const auto path = prepareConfigPath(installed, {"", (dir / "home").string()});
    EXPECT_EQ(path, dir / "home" / ".config" / "corvane" / "config.ini");
    struct stat info {};
    ASSERT_EQ(stat(path.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(SettingsPathTest, EnvironmentIsReadWithHomeFromTheUserDatabaseAsFallback) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> savedXdg =
        xdg ? std::optional<std::string>(xdg) : std::nullopt;
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_CONFIG_HOME", "/x/cfg", 1);
    setenv("HOME", "/home/u", 1);
    const ConfigEnvironment set = currentConfigEnvironment();
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    const ConfigEnvironment unset = currentConfigEnvironment();
    if (savedXdg) setenv("XDG_CONFIG_HOME", savedXdg->c_str(), 1);
    if (!savedHome.empty()) setenv("HOME", savedHome.c_str(), 1);

    EXPECT_EQ(set.xdgConfigHome + "|" + set.home, "/x/cfg|/home/u");
    EXPECT_EQ(unset.xdgConfigHome, "");
    EXPECT_TRUE(std::filesystem::path(unset.home).is_absolute()) << unset.home;
}

} // namespace
} // namespace corvane

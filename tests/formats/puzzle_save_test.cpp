// Save command: the choice it applies, bytes on disk, refusals and the replacing write.
#include "base/ini_file.h"
#include "format_fixture.h"
#include "formats/puzzle_save.h"

#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

using testing::readBytes;
using testing::setBoardPicture;
using testing::writeBytes;

namespace fs = std::filesystem;

struct PuzzleSaveTest : testing::FormatFixture {
    fs::path target = dir / "out.txt";
    std::string proposedPath;
    int answerChoiceAtDialog = -1;

    void SetUp() override {
        setBoardPicture(session.board, {"1 . .", ". 1 ."});
        Answer answer(3, 2);
        for (int c : {cellIndex(1, 1), cellIndex(2, 1), cellIndex(2, 2)}) answer.set(c, 1);
        session.board.solutions.push_back(answer);
        window.addViewItem("解 No.1");
    }

    /// Runs the save command with the dialog confirming `path`, `format` and `answer`.
    bool save(const fs::path& path, int format, int answer, bool confirmed = true) {
        window.onSaveDialog = [=, this](const std::string& proposed) {
            proposedPath = proposed;
            answerChoiceAtDialog = session.board.answerChoice;
            return SaveChoice{confirmed, path.string(), format, answer};
        };
        return savePuzzleFile(session);
    }

    /// Names of the files in the temporary folder (the settings file left out).
    std::vector<std::string> folderFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            if (entry.path().filename() != "config.ini")
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PuzzleSaveTest, BytesOnDiskAreCodePage932WithCrLf) {
    session.board.infoField1 = "問題";
    session.board.infoField2 = "作者〜é";
    save(target, FormatNshaC, 1);
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(readBytes(target),
              "TABLE\t.1\r\n--\r\n:\x96\xe2\x91\xe8:\x8d\xec\x8e\xd2\x81\x60?\r\n"
              ";3*2\r\n11.\r\n.1.\r\n");
    // Read back, the info fields come home (except what code page 932 cannot hold).
    ASSERT_TRUE(loadPuzzleFile(session, FormatAuto));
    EXPECT_EQ(session.board.infoField1, "問題");
    EXPECT_EQ(session.board.infoField2, "作者\uFF5E?");
}

TEST_F(PuzzleSaveTest, AppliesTheDialogChoice) {
    session.board.currentFilePath = "proposed.txt";
    window.selectViewItem(1);
    save(target, FormatNsha, 0);
    EXPECT_EQ(proposedPath, "proposed.txt");
    EXPECT_EQ(answerChoiceAtDialog, 1); // taken from the view list before the dialog
    EXPECT_EQ(session.board.currentFilePath, target.string());
    EXPECT_EQ(session.board.answerChoice, 0);
    EXPECT_EQ(session.settings.fileFormat, FormatNsha);
    EXPECT_EQ(readProfileInt(store.path(), "Config", "FileFormat", -1), FormatNsha);
    EXPECT_EQ(readBytes(target), "100\r\n010\r\n");
    EXPECT_EQ(session.board.solutions.size(), 1u);
}

TEST_F(PuzzleSaveTest, CancelChangesNothing) {
    session.board.currentFilePath = "kept.txt";
    session.settings.fileFormat = FormatNsha;
    window.selectViewItem(1);
    save(target, FormatKavrin, 0, false);
    EXPECT_EQ(session.board.currentFilePath, "kept.txt");
    EXPECT_EQ(session.settings.fileFormat, FormatNsha);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists(store.path()));
    EXPECT_TRUE(window.boxes.empty());
}

TEST_F(PuzzleSaveTest, RefusalLeavesAnExistingFileIntact) {
    writeBytes(target, "old content");
    save(target, FormatNshaC, 0);
    EXPECT_EQ(window.boxTexts(),
              std::vector<std::string>{"現在この条件でセーブする事は出来ません"});
    EXPECT_EQ(readBytes(target), "old content");
    // The format chosen was applied all the same; the file, not written, is not the puzzle's.
    EXPECT_EQ(session.settings.fileFormat, FormatNshaC);
    EXPECT_EQ(session.board.currentFilePath, "");

    window.boxes.clear();
    session.board.solutions[0].set(cellIndex(3, 2), 62);
    save(target, FormatNshaC, 1);
    EXPECT_EQ(window.boxTexts(),
              std::vector<std::string>{"現在この条件でセーブする事は出来ません"});
    EXPECT_EQ(readBytes(target), "old content");
    EXPECT_EQ(folderFiles(), std::vector<std::string>{"out.txt"});
}

TEST_F(PuzzleSaveTest, ReplacesKeepingPermissionsAndLinks) {
    writeBytes(target, "old content that is longer than the new one");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_directory(dir / "links");
    fs::create_symlink("../out.txt", dir / "links" / "link.txt");
    save(dir / "links" / "link.txt", FormatKavrin, 0);
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "link.txt"));
    EXPECT_EQ(readBytes(target), "w3h2n1s3n1\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    // No temporary file is left behind in either folder.
    EXPECT_EQ(folderFiles(), (std::vector<std::string>{"links", "out.txt"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "links"), fs::directory_iterator()), 1);

    // A link to a file that does not exist yet creates that file.
    fs::create_symlink("new.txt", dir / "dangling.txt");
    save(dir / "dangling.txt", FormatKavrin, 0);
    EXPECT_EQ(readBytes(dir / "new.txt"), "w3h2n1s3n1\r\n");
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.txt"));
}

TEST_F(PuzzleSaveTest, WriteFailures) {
    fs::create_directory(dir / "folder");
    fs::create_symlink("loop.txt", dir / "loop.txt");
    for (const fs::path& path : {dir / "folder", dir / "missing" / "out.txt", dir / "loop.txt",
                                 fs::path("/dev/null"), fs::path()}) {
        window.boxes.clear();
        save(path, FormatKavrin, 0);
        EXPECT_EQ(window.boxTexts(), std::vector<std::string>{"ファイルのセーブに失敗しました"})
            << path;
    }
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
    EXPECT_EQ(folderFiles(), (std::vector<std::string>{"folder", "loop.txt"}));
}

TEST_F(PuzzleSaveTest, OnlyAWrittenFileIsASuccessAndClearsTheChange) {
    fs::create_directory(dir / "folder");
    // Cancelled, refused (format 2 needs an answer), failed write, written.
    const std::tuple<fs::path, int, bool, bool> cases[] = {
        {target, FormatKavrin, false, false},
        {target, FormatNshaC, true, false},
        {dir / "folder", FormatKavrin, true, false},
        {target, FormatKavrin, true, true}};
    session.board.currentFilePath = (dir / "before.txt").string();
    for (const auto& [path, format, confirmed, written] : cases) {
        session.board.modified = true;
        const std::string before = session.board.currentFilePath;
        EXPECT_EQ(save(path, format, 0, confirmed), written) << path << format;
        EXPECT_EQ(session.board.modified, !written) << path << format;
        // A file not written does not become the puzzle's: the next save starts where it did.
        EXPECT_EQ(session.board.currentFilePath, written ? path.string() : before) << path;
    }
    session.board.modified = true; // a load starts unmodified
    ASSERT_TRUE(loadPuzzleFile(session, FormatAuto));
    EXPECT_FALSE(session.board.modified);
}

TEST_F(PuzzleSaveTest, ReadOnlyFolderAndFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    fs::create_directory(dir / "locked");
    const fs::path file = dir / "locked" / "puzzle.txt";
    writeBytes(file, "old");
    ASSERT_EQ(::chmod((dir / "locked").c_str(), 0555), 0);
    save(file, FormatKavrin, 0);
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(readBytes(file), "w3h2n1s3n1\r\n");
    save(dir / "locked" / "other.txt", FormatKavrin, 0);
    EXPECT_EQ(window.boxTexts(), std::vector<std::string>{"ファイルのセーブに失敗しました"});
    ::chmod((dir / "locked").c_str(), 0755);

    // A read-only file in a writable folder is not replaced either.
    window.boxes.clear();
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    save(file, FormatNsha, 0);
    EXPECT_EQ(window.boxTexts(), std::vector<std::string>{"ファイルのセーブに失敗しました"});
    EXPECT_EQ(readBytes(file), "w3h2n1s3n1\r\n");
}

} // namespace
} // namespace corvane

// Fuzz target: any bytes as a puzzle file, read in every format, and as pasted text (a URL or
// pzprv3 text). A failed read must leave the board as it was; a successful one must give a
// sound board that the writers reproduce.
#include "base/cp932_codec.h"
#include "board_picture.h"
#include "board_snapshot.h"
#include "formats/file_preview.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzle_writer.h"
#include "formats/puzzlink_url.h"
#include "recording_window.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace corvane;
namespace fs = std::filesystem;

/// A folder of this process for the input file, removed at exit.
struct ScratchFolder {
    fs::path path = fs::temp_directory_path() / ("corvane-fuzz-" + std::to_string(::getpid()));
    ScratchFolder() { fs::create_directories(path); }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "puzzle reader fuzz check failed: %s\n", what);
    std::abort();
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

/// A successful load shows no box, but for one information box when it left out lines that
/// form no answer.
bool quietSuccess(const testing::RecordingWindow& window) {
    if (window.boxes.empty()) return true;
    const std::string dropped = "解答データを読み込めなかったため、問題だけを読み込みました。\n";
    return window.boxes.size() == 1 && window.boxes[0].icon == MessageIcon::Information &&
           window.boxes[0].text.compare(0, dropped.size(), dropped) == 0;
}

/// A board with clues, an answer, info fields and a search state, as a load would meet it.
void prepareSession(Session& session, testing::RecordingWindow& window, const std::string& path) {
    testing::setBoardPicture(session.board, {"1 . 2", ". 3 .", "2 . 1"});
    session.board.solutions.emplace_back(3, 3);
    window.addViewItem(viewItemText(1));
    window.selectViewItem(1);
    session.board.infoField1 = "before";
    session.board.infoField2 = "前";
    session.board.cursorCell = cellIndex(2, 2);
    session.status.searchState = SearchState::Finished;
    session.status.stepCount = 42;
    session.board.currentFilePath = path;
}

void checkSoundBoard(const Session& session, const testing::RecordingWindow& window) {
    const Board& b = session.board;
    check(b.boardWidth >= 1 && b.boardWidth <= MaxBoardSide, "width in range");
    check(b.boardHeight >= 1 && b.boardHeight <= MaxBoardSide, "height in range");
    for (int c = 0; c < CellCount; ++c)
        if (!b.onBoard(c)) check(b.boardCells[std::size_t(c)] == OutsideCell, "rim outside");
    check(window.viewItems.size() == b.solutions.size() + 1, "view list mirrors answers");
    for (const Answer& a : b.solutions)
        check(a.width() == b.boardWidth && a.height() == b.boardHeight, "answer size");
}

/// Writes the loaded puzzle again and reads it back: the same clues (format 0, pzprv3, a URL
/// written as format 0) or the same answer (formats 1, 2 and pzprv3, where the writer can
/// hold its numbers and, for pzprv3, trace its paths).
void checkRoundTrip(const fs::path& folder, int format) {
    testing::RecordingWindow window;
    Session session(window, nullptr);
    session.board.currentFilePath = (folder / "input").string();
    check(loadPuzzleFile(session, format), "reload of an accepted input");
    const Board first = session.board;
    const auto text =
        formatPuzzleText(first, session.settings.fileFormat, first.solutions.empty() ? 0 : 1);
    if (!text) return; // format 2 with numbers beyond the alphabet
    if (session.settings.fileFormat == FormatNsha)
        for (int c = 0; c < CellCount; ++c)
            if (first.onBoard(c) && first.solutions[0].at(c) > 99) return; // written as 0
    writeFile(folder / "again", encodeCp932(*text));
    session.board.currentFilePath = (folder / "again").string();
    check(loadPuzzleFile(session, session.settings.fileFormat), "written text reads back");
    // pzprv3 text gives its clues beside the answer; the grid formats derive them from it.
    if (first.solutions.empty() || session.settings.fileFormat == FormatPzprv3)
        check(session.board.boardCells == first.boardCells, "same clues after round trip");
    if (!first.solutions.empty())
        check(session.board.solutions == first.solutions, "same answer after round trip");
}

/// Reads `text` as a paste would, and a URL of what was read back to the same clues.
void checkTextLoad(const std::string& text) {
    testing::RecordingWindow window;
    Session session(window, nullptr);
    prepareSession(session, window, "kept.txt");
    const testing::BoardSnapshot before(session, window);
    if (!loadPuzzleText(session, text)) {
        check(window.boxTexts() == std::vector<std::string>{"ファイルのロードに失敗しました"},
              "one failure message for text");
        check(testing::BoardSnapshot(session, window) == before, "failed text leaves the board");
        return;
    }
    check(quietSuccess(window), "no message on text success");
    checkSoundBoard(session, window);
    check(session.board.currentFilePath.empty(), "read text names no file");
    const Board first = session.board;
    const auto url = puzzlinkUrl(first);
    if (!url) return; // a clue beyond what a URL holds
    check(loadPuzzleText(session, *url), "written URL reads back");
    check(session.board.boardCells == first.boardCells, "same clues through a URL");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFolder scratch;
    const fs::path input = scratch.path / "input";
    writeFile(input, std::string(reinterpret_cast<const char*>(data), size));

    for (int format = FormatKavrin; format <= FormatPzprv3; ++format) {
        testing::RecordingWindow window;
        Session session(window, nullptr);
        prepareSession(session, window, input.string());
        const testing::BoardSnapshot before(session, window);
        if (loadPuzzleFile(session, format)) {
            check(quietSuccess(window), "no message on success");
            checkSoundBoard(session, window);
            checkRoundTrip(scratch.path, format);
        } else {
            check(window.boxTexts() == std::vector<std::string>{"ファイルのロードに失敗しました"},
                  "one failure message");
            check(testing::BoardSnapshot(session, window) == before, "failure leaves the board");
        }
    }
    checkTextLoad(std::string(reinterpret_cast<const char*>(data), size));
    const auto preview = readFilePreview(input);
    check(preview.has_value(), "preview of a regular file");
    return 0;
}

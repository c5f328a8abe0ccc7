// The load command's reader: read, decode, recognise, parse into a copy, then apply.
#include "model/puzzle_reader.h"

#include "model/cp932_codec.h"
#include "model/file_bytes.h"
#include "model/main_window.h"
#include "model/parsed_puzzle.h"
#include "model/puzzle_lines.h"
#include "model/session.h"

namespace corvane {

namespace {

constexpr const char* LoadFailed = "ファイルのロードに失敗しました";

std::optional<ParsedPuzzle> parseInFormat(int format, const std::vector<std::u32string>& lines) {
    switch (format) {
    case FormatKavrin:
        return parseKavrinLines(lines);
    case FormatNsha:
        return parseNshaLines(lines);
    case FormatNshaC:
        return parseNshaCLines(lines);
    default:
        return std::nullopt;
    }
}

/// Replaces the board by a parsed puzzle whose size is already known to be acceptable.
void applyPuzzle(Session& session, const ParsedPuzzle& puzzle) {
    Board& board = session.board;
    resetBoard(board, session.status, session.window, puzzle.height, puzzle.width);
    const std::vector<int> clues = puzzle.holdsAnswer ? endpointClues(puzzle) : puzzle.cells;
    for (int y = 1; y <= puzzle.height; ++y)
        for (int x = 1; x <= puzzle.width; ++x)
            board.boardCells[cellIndex(x, y)] = clues[std::size_t(y - 1) * puzzle.width + (x - 1)];
    board.infoField1 = puzzle.infoField1;
    board.infoField2 = puzzle.infoField2;
    if (puzzle.holdsAnswer) {
        Answer answer(puzzle.width, puzzle.height);
        for (int y = 1; y <= puzzle.height; ++y)
            for (int x = 1; x <= puzzle.width; ++x) answer.set(cellIndex(x, y), puzzle.at(x, y));
        board.solutions.push_back(std::move(answer));
        session.window.addViewItem(viewItemText(1));
        session.status.searchState = SearchState::Finished;
    }
}

} // namespace

bool loadPuzzleFile(Session& session, int requestedFormat) {
    if (requestedFormat < FormatKavrin || requestedFormat > FormatAuto) {
        session.window.errorBox(LoadFailed);
        return false;
    }
    const auto bytes =
        readWholeFile(filePathFromUtf8(session.board.currentFilePath), MaxPuzzleFileBytes);
    if (!bytes) {
        session.window.errorBox(LoadFailed);
        return false;
    }
    const std::vector<std::u32string> lines = collectPuzzleLines(decodeCp932(*bytes));

    const int format = resolvePuzzleFormat(requestedFormat, lines);
    session.settings.fileFormat = format;
    session.saveConfig();

    const auto puzzle = parseInFormat(format, lines);
    if (!puzzle || puzzle->width < 1 || puzzle->width > MaxBoardSide || puzzle->height < 1 ||
        puzzle->height > MaxBoardSide) {
        session.window.errorBox(LoadFailed);
        return false;
    }
    applyPuzzle(session, *puzzle);
    session.window.layoutMainDialog();
    session.window.refreshControls(false);
    return true;
}

} // namespace corvane

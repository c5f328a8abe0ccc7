// The load command's reader: read, decode, recognise, parse into a copy, then apply.
#include "formats/puzzle_reader.h"

#include "base/cp932_codec.h"
#include "base/file_bytes.h"
#include "base/utf8_text.h"
#include "formats/parsed_puzzle.h"
#include "formats/puzzle_lines.h"
#include "formats/puzzlink_url.h"
#include "formats/pzprv3_text.h"
#include "model/main_window.h"
#include "model/session.h"

namespace corvane {

namespace {

constexpr const char* LoadFailed = "ファイルのロードに失敗しました";
constexpr const char* AnswerDropped =
    "解答データを読み込めなかったため、問題だけを読み込みました。";
/// What a recognised first line that is a URL resolves to; no PuzzleFormat names it.
constexpr int UrlLine = -1;

/// The result of a Kavrin, digit grid or character grid parser, which tells no reason of its own.
ParseOutcome withGenericReason(std::optional<ParsedPuzzle> puzzle, const char* name) {
    if (puzzle) return {std::move(puzzle), {}, {}};
    return parseFailure(std::string("the text is no puzzle in the ") + name + " format");
}

ParseOutcome parseInFormat(int format, std::string_view text,
                           const std::vector<std::u32string>& lines) {
    switch (format) {
    case FormatKavrin:
        return withGenericReason(parseKavrinLines(lines), "Kavrin");
    case FormatNsha:
        return withGenericReason(parseNshaLines(lines), "digit grid (n)");
    case FormatNshaC:
        return withGenericReason(parseNshaCLines(lines), "character grid (nc)");
    case FormatPzprv3:
        return parsePzprv3Text(text);
    default:
        return parseFailure("unknown format");
    }
}

/// Replaces the board by a parsed puzzle whose size is already known to be acceptable.
void applyPuzzle(Session& session, const ParsedPuzzle& puzzle) {
    Board& board = session.board;
    resetBoard(board, session.status, session.window, puzzle.height, puzzle.width);
    const std::vector<int> clues = !puzzle.holdsAnswer         ? puzzle.cells
                                   : puzzle.givenClues.empty() ? endpointClues(puzzle)
                                                               : puzzle.givenClues;
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

/// Shows the failure and hands its reason on.
bool refuse(Session& session, std::string* reason, std::string why) {
    session.window.errorBox(LoadFailed);
    if (reason) *reason = std::move(why);
    return false;
}

/// Applies a parse that succeeded with an acceptable size; otherwise changes nothing, shows
/// nothing and stores why in `why`. A puzzle whose lines were left out is shown first, then
/// the box that says so.
bool applyOutcome(Session& session, ParseOutcome outcome, std::string& why, std::string* warning) {
    if (!outcome.puzzle) {
        why = std::move(outcome.reason);
        return false;
    }
    const ParsedPuzzle& puzzle = *outcome.puzzle;
    if (puzzle.width < 1 || puzzle.width > MaxBoardSide || puzzle.height < 1 ||
        puzzle.height > MaxBoardSide) {
        why = "the board is not 1..100 by 1..100 cells";
        return false;
    }
    applyPuzzle(session, puzzle);
    session.window.layoutMainDialog();
    session.window.refreshControls(false);
    if (!puzzle.droppedAnswer.empty())
        session.window.resultBox(std::string(AnswerDropped) + "\n" + puzzle.droppedAnswer,
                                 MessageIcon::Information);
    if (warning) {
        *warning = outcome.warning;
        if (!puzzle.droppedAnswer.empty())
            *warning += (warning->empty() ? "" : "; ") + puzzle.droppedAnswer;
    }
    return true;
}

/// Applies a parse that succeeded with an acceptable size, or refuses it.
bool finishLoad(Session& session, ParseOutcome outcome, std::string* reason, std::string* warning) {
    std::string why;
    return applyOutcome(session, std::move(outcome), why, warning) ||
           refuse(session, reason, std::move(why));
}

/// The first line of a text that is not blank.
std::string_view firstLine(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return {};
    text.remove_prefix(start);
    return text.substr(0, text.find('\n'));
}

} // namespace

bool loadPuzzleFile(Session& session, int requestedFormat, std::string* reason,
                    std::string* warning) {
    if (requestedFormat < FormatKavrin || requestedFormat > FormatPzprv3)
        return refuse(session, reason, "unknown format");
    const auto bytes =
        readWholeFile(filePathFromUtf8(session.board.currentFilePath), MaxPuzzleFileBytes);
    if (!bytes)
        return refuse(session, reason,
                      "cannot read the file (missing, not a regular file, or over 16 MiB)");
    const std::string text = decodeCp932(withoutByteOrderMark(*bytes));
    const std::vector<std::u32string> lines = collectPuzzleLines(text);

    int format = requestedFormat;
    if (requestedFormat == FormatAuto) {
        if (looksLikePzprv3(text))
            format = FormatPzprv3;
        else if (!lines.empty() && looksLikePuzzleUrl(codePointsToUtf8(lines.front())))
            format = UrlLine;
        else
            format = resolvePuzzleFormat(FormatAuto, lines);
    }
    if (format != UrlLine) {
        session.settings.fileFormat = format;
        session.saveConfig();
    }
    ParseOutcome outcome = format == UrlLine ? parsePuzzlinkUrl(codePointsToUtf8(lines.front()))
                                             : parseInFormat(format, text, lines);
    return finishLoad(session, std::move(outcome), reason, warning);
}

bool readPuzzleText(Session& session, std::string_view text, std::string& reason,
                    std::string* warning) {
    text = withoutByteOrderMark(text);
    ParseOutcome outcome;
    if (looksLikePzprv3(text))
        outcome = parsePzprv3Text(text);
    else if (looksLikePuzzleUrl(firstLine(text)))
        outcome = parsePuzzlinkUrl(firstLine(text));
    else
        outcome = parseFailure("the text is neither a puzz.link URL nor pzprv3 text");
    if (!applyOutcome(session, std::move(outcome), reason, warning)) return false;
    session.board.currentFilePath.clear();
    return true;
}

bool loadPuzzleText(Session& session, std::string_view text, std::string* reason,
                    std::string* warning) {
    std::string why;
    return readPuzzleText(session, text, why, warning) || refuse(session, reason, std::move(why));
}

bool loadPuzzleUrl(Session& session, std::string_view url, std::string* reason,
                   std::string* warning) {
    if (!finishLoad(session, parsePuzzlinkUrl(url), reason, warning)) return false;
    session.board.currentFilePath.clear();
    return true;
}

} // namespace corvane

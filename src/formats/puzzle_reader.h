// Reading a puzzle file, or a puzz.link URL / pzprv3 text, into the board.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

struct Session;

/// Files larger than this are refused unread.
inline constexpr std::size_t MaxPuzzleFileBytes = 16u * 1024 * 1024;

/// Reads the file named by session.board.currentFilePath in `requestedFormat` (PuzzleFormat
/// 0..2 or 4, or 3 to recognise it: pzprv3 text by its first non-blank line, a first line
/// that is an http(s) URL as a puzz.link URL, other text by its lines). Once the file is
/// read, the resolved format is stored in session.settings.fileFormat and saved before
/// parsing (not for a URL, which no format of the save dialog writes). On success the board
/// is replaced (with its answer for the grid formats and pzprv3 text with lines) and the
/// window is asked to re-lay itself out and refresh. Lines of pzprv3 text that form no answer
/// are left out: the clues are loaded and an information box says so and why. `warning`
/// (when given) is then what was read otherwise than written, in English: lines left out, a
/// URL body padded with empty cells; empty when all was read as written. A UTF-8 byte-order
/// mark at the start is skipped. On failure "ファイルのロードに失敗しました" is shown, `reason`
/// (when given) says why in English, false is returned and the board, its answers, the view
/// list and the search status are as they were.
bool loadPuzzleFile(Session& session, int requestedFormat, std::string* reason = nullptr,
                    std::string* warning = nullptr);

/// Reads a puzz.link URL (its first line) or pzprv3 text (UTF-8; the clipboard, a drop) as a
/// load does, with the same contract; other text is refused. A read board has no file:
/// currentFilePath becomes empty. The settings are not touched.
bool loadPuzzleText(Session& session, std::string_view text, std::string* reason = nullptr,
                    std::string* warning = nullptr);

/// Reads one puzz.link URL (a URL argument) as loadPuzzleText does, but the whole text is the
/// URL: a line break inside it is refused, never taken as its end.
bool loadPuzzleUrl(Session& session, std::string_view url, std::string* reason = nullptr,
                   std::string* warning = nullptr);

/// As loadPuzzleText, but a failure shows no box: `reason` says why (in English), and the
/// caller tells the user in its own words.
bool readPuzzleText(Session& session, std::string_view text, std::string& reason,
                    std::string* warning = nullptr);

} // namespace corvane

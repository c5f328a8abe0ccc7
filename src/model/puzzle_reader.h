// Reading a puzzle file into the board.
#pragma once

#include <cstddef>

namespace corvane {

struct Session;

/// Files larger than this are refused unread.
inline constexpr std::size_t MaxPuzzleFileBytes = 16u * 1024 * 1024;

/// Reads the file named by session.board.currentFilePath in `requestedFormat` (PuzzleFormat
/// 0..2, or 3 to recognise it). Once the file is read, the resolved format is stored in
/// session.settings.fileFormat and saved before parsing. On success the board is replaced
/// (with its answer for the grid formats) and the window is asked to re-lay itself out and
/// refresh. On failure "ファイルのロードに失敗しました" is shown, false is returned and the
/// board, its answers, the view list and the search status are as they were.
bool loadPuzzleFile(Session& session, int requestedFormat);

} // namespace corvane

// The question asked before a paused search is dropped with the puzzle it searches.
#pragma once

class QWidget;

namespace corvane {

struct Session;

/// The question, caption "確認", with the buttons "はい" (yesButton) and "いいえ" (noButton,
/// the default; Escape and the close box answer it too).
inline constexpr const char* DropPausedSearchQuestion = "一時停止中の探索を破棄しますか？";

/// True when the puzzle in `session` may be replaced as far as its search goes: no search is
/// paused (or about to pause), or the user answered "はい" to DropPausedSearchQuestion,
/// asked modally over `parent`.
bool settlePausedSearch(const Session& session, QWidget* parent);

} // namespace corvane

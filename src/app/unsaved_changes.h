// The question asked before a modified puzzle is dropped: save it, drop it or stay.
#pragma once

class QWidget;

namespace corvane {

struct Session;

/// The user's answer to "問題が変更されています。保存しますか？".
enum class UnsavedChoice { Save, Discard, Cancel };

/// Asks modally over `parent`, with the buttons "はい", "いいえ" and "キャンセル" (object names
/// yesButton, noButton, cancelButton); Escape and the close box cancel.
UnsavedChoice askAboutUnsavedChanges(QWidget* parent);

/// True when the puzzle in `session` may be dropped now: it is not modified, or the user
/// answered "いいえ", or answered "はい" and the save command then wrote the file.
bool settleUnsavedChanges(Session& session, QWidget* parent);

} // namespace corvane

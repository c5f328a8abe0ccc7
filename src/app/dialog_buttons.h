// The button row shared by the small dialogs: OK and キャンセル at the bottom right.
#pragma once

class QDialog;
class QPushButton;
class QVBoxLayout;

namespace corvane {

/// The two buttons of a dialog's button row.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

/// Appends OK ("okButton") and キャンセル ("cancelButton") right-aligned to `layout`, the
/// dialog's own layout, and keeps the dialog at its laid-out size. キャンセル rejects; OK
/// accepts when `okAccepts` (otherwise the caller decides what OK does). No default is set.
DialogButtons addDialogButtons(QDialog& dialog, QVBoxLayout& layout, bool okAccepts = true);

} // namespace corvane

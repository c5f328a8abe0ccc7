// The operations through which the core reports to the user and drives the main window.
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

enum class MessageIcon { Error, Information, Warning };
enum class BeepKind { Simple, Exclamation };

/// What the save dialog hands back; only a confirmed choice changes anything.
struct SaveChoice {
    bool confirmed = false;
    std::string path;   // the file chosen, UTF-8
    int format = 0;     // PuzzleFormat 0..2 or 4 (pzprv3)
    int answer = 0;     // 0 = the board's clues, k = stored answer k
};

/// Main-window operations. The Qt window implements them, tests record them, the checker
/// prints. All run on the thread that owns the session and return when done.
class MainWindow {
public:
    virtual ~MainWindow() = default;

    /// Modal box with caption "エラー", the error icon and one OK button.
    virtual void errorBox(const std::string& text) = 0;
    /// Modal box with caption "結果" and the given icon (Information or Warning).
    virtual void resultBox(const std::string& text, MessageIcon icon) = 0;
    /// Invalidate the board view (repaint before returning when repaintNow), rewrite the
    /// status panel and apply the enable table for the current search state.
    virtual void refreshControls(bool repaintNow) = 0;
    /// Size and place the window and its controls for the current board size.
    virtual void layoutMainDialog() = 0;

    /// Append an item at the end of the view list; the selection does not change.
    virtual void addViewItem(const std::string& text) = 0;
    /// Delete view item `index`.
    virtual void removeViewItem(int index) = 0;
    /// Make item `index` the current selection.
    virtual void selectViewItem(int index) = 0;
    /// Index of the current selection of the view list.
    virtual int selectedViewItem() const = 0;
    /// Give the view list the keyboard focus.
    virtual void focusViewList() = 0;

    /// Select the search tab by program; raises no tab-change handling.
    virtual void selectSearchTab() = 0;
    /// Text of the debug stop-step field (at most 49 characters are used).
    virtual std::string readStopStepText() const = 0;
    /// Set the debug stop-step field to `step` in decimal.
    virtual void writeStopStep(std::int64_t step) = 0;

    /// The platform's simple beep or its exclamation sound.
    virtual void beep(BeepKind kind) = 0;

    /// Modal direction dialog preselecting `direction` (an id 1022..1029); on OK stores the
    /// chosen id in `direction` and returns true.
    virtual bool directionDialog(int& direction) = 0;
    /// Modal save dialog proposing `proposedPath`; returns the user's choice.
    virtual SaveChoice saveDialog(const std::string& proposedPath) = 0;

    /// Deliver the events waiting for the window (search driver between slices). Returns
    /// false when the application is quitting and the search must end.
    virtual bool pumpMessages() = 0;
};

/// Converts the stop-step text as a signed 64-bit decimal number; text that is no number
/// gives 0 (an optional sign and leading digits are read, like the C library's conversion).
std::int64_t parseStopStep(const std::string& text);

} // namespace corvane

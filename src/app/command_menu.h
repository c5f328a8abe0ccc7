// The command column's menu button: commands beyond the buttons, each with its shortcut.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QKeySequence;
class QMenu;
class QPushButton;
class QWidget;

namespace corvane {

/// One button in the command column that opens a menu. Every command is also added to the
/// window, so its shortcut works wherever the window has the focus and the menu need not be
/// open. Commands that cannot act while a search runs are disabled then (the window says
/// when); every command still checks for itself whether it applies in the current state.
class CommandMenu : public QObject {
    Q_OBJECT
  public:
    static constexpr int ButtonY = 68; // the free row between "セーブ..." and "探索開始..."

    /// Creates the button as a child of `window`; the window places it in its layout.
    explicit CommandMenu(QWidget* window);

    QPushButton* button() const { return button_; }
    QMenu* menu() const { return menu_; }

    /// Whether a command can act while a search runs, or also while one is paused.
    enum class WhileSearching { Acts, Disabled, DisabledWhilePaused };

    /// Appends a command with `shortcut` (may be empty) that runs `handler` when triggered.
    QAction* addCommand(const QString& text, const QKeySequence& shortcut,
                        std::function<void()> handler,
                        WhileSearching whileSearching = WhileSearching::Acts);
    /// Enables or disables the commands added with `policy` (Disabled or DisabledWhilePaused).
    void enableCommands(WhileSearching policy, bool enabled);
    /// Starts a new group of commands in the menu.
    void addSeparator();
    /// The command whose text is `text`, or null.
    QAction* command(const QString& text) const;

  private:
    QWidget* window_;
    QPushButton* button_;
    QMenu* menu_;
    std::vector<std::pair<QAction*, WhileSearching>> locked_; // disabled during some searches
};

} // namespace corvane

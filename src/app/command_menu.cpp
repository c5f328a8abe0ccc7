// The command column's menu button and its commands.
#include "app/command_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

namespace corvane {

CommandMenu::CommandMenu(QWidget* window)
    : QObject(window), window_(window), button_(new QPushButton(window)),
      menu_(new QMenu(button_)) {
    button_->setText(QString::fromUtf8("その他"));
    button_->setMenu(menu_);
    button_->setAutoDefault(false);
}

QAction* CommandMenu::addCommand(const QString& text, const QKeySequence& shortcut,
                                 std::function<void()> handler, WhileSearching whileSearching) {
    auto* action = new QAction(text, menu_);
    if (whileSearching != WhileSearching::Acts) locked_.emplace_back(action, whileSearching);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    menu_->addAction(action);
    window_->addAction(action);
    return action;
}

void CommandMenu::enableCommands(WhileSearching policy, bool enabled) {
    for (const auto& [action, own] : locked_)
        if (own == policy) action->setEnabled(enabled);
}

void CommandMenu::addSeparator() {
    menu_->addSeparator();
}

QAction* CommandMenu::command(const QString& text) const {
    for (QAction* action : menu_->actions())
        if (action->text() == text) return action;
    return nullptr;
}

} // namespace corvane

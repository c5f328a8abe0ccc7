// The rule command of the menu button.
#include "app/rule_command.h"

#include "app/cell_editor.h"
#include "app/command_menu.h"
#include "app/live_check.h"
#include "app/main_dialog.h"
#include "model/session.h"

#include <QAction>
#include <QKeySequence>

namespace corvane {

void installRuleCommand(MainDialog& window, CommandMenu& menu) {
    const QString text = QString::fromUtf8("全マスを埋めるルール");
    QAction* action = menu.addCommand(
        text, QKeySequence(Qt::CTRL | Qt::Key_R),
        [&window, &menu, text] {
            Session& session = window.session();
            QAction* self = menu.command(text);
            if (searchInProgress(session.status.searchState)) {
                self->setChecked(session.settings.fillAllCells != 0); // take the toggle back
                session.window.beep(BeepKind::Simple);
                return;
            }
            session.settings.fillAllCells = self->isChecked() ? 1 : 0;
            session.saveConfig();
            resetSearchAfterEdit(session.status);
            window.liveCheck().boardChanged(); // the verdict follows the rule
            window.refreshControls(false);
        },
        CommandMenu::WhileSearching::DisabledWhilePaused);
    action->setCheckable(true);
    action->setChecked(window.session().settings.fillAllCells != 0);
}

} // namespace corvane

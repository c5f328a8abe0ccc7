// The commands of the menu button: each module adds its own group here.
#include "app/menu_commands.h"

#include "app/command_menu.h"
#include "app/exchange_commands.h"
#include "app/main_dialog.h"
#include "app/picture_command.h"
#include "app/puzzle_info_dialog.h"
#include "app/rule_command.h"

namespace corvane {

void installMenuCommands(MainDialog& window, CommandMenu& menu) {
    installExchangeCommands(window, menu);
    menu.addSeparator();
    installPictureCommand(window, menu);
    menu.addSeparator();
    installPuzzleInfoCommand(window, menu);
    menu.addSeparator();
    installRuleCommand(window, menu);
}

} // namespace corvane

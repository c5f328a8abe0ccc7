// The commands of the menu button: each module adds its own group here.
#include "app/menu_commands.h"

#include "app/command_menu.h"
#include "app/exchange_commands.h"
#include "app/main_dialog.h"
#include "app/picture_command.h"

namespace corvane {

void installMenuCommands(MainDialog& window, CommandMenu& menu) {
    installExchangeCommands(window, menu);
    installPictureCommand(window, menu);
}

} // namespace corvane

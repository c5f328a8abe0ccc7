// The commands of the menu button, gathered from the modules that provide them.
#pragma once

namespace corvane {

class CommandMenu;
class MainDialog;

/// Adds every menu command to `menu`, each module its own group.
void installMenuCommands(MainDialog& window, CommandMenu& menu);

} // namespace corvane

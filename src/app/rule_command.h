// The menu command that chooses what counts as a solution: the standard rule or every cell.
#pragma once

namespace corvane {

class CommandMenu;
class MainDialog;

/// Adds the checkable command "全マスを埋めるルール" (Ctrl+R). It reflects and persists the
/// setting FillAllCells; changing it resets a finished search as a clue edit does (the stored
/// answers stay), and it cannot act while a search runs or is paused, whose engine was built
/// under the rule it started with.
void installRuleCommand(MainDialog& window, CommandMenu& menu);

} // namespace corvane

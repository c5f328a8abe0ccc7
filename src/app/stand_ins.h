// STAND-INS for parts of the program that are not linked in yet. Each entry is removed when
// the real piece arrives; none of them pretends to do the real work.
#pragma once

#include "model/main_window.h"
#include "model/session.h"

class QWidget;

namespace corvane {

// Dialogs: not linked in yet. The direction dialog keeps the recommended direction as if
// confirmed at once; every other dialog reports "cancelled".
inline bool runNewBoardDialog(Session&, QWidget*) {
    return false;
}
inline bool chooseOpenFile(Session&, QWidget*) {
    return false;
}
inline bool runDirectionDialog(int&, QWidget*) {
    return true;
}
inline SaveChoice runSaveDialog(const Session&, const std::string&, QWidget*) {
    return {};
}

} // namespace corvane

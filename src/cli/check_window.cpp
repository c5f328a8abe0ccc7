// The checker's main-window stand-in.
#include "cli/check_window.h"

namespace corvane {

void CheckWindow::errorBox(const std::string& text) {
    lastMessage_ = text;
    lastWasError_ = true;
}

void CheckWindow::resultBox(const std::string& text, MessageIcon) {
    lastMessage_ = text;
    lastWasError_ = false;
}

void CheckWindow::removeViewItem(int index) {
    if (index >= 1 && index < viewItems_) --viewItems_;
}

bool CheckWindow::directionDialog(int& direction) {
    if (direction_ != 0) direction = direction_;
    return true;
}

} // namespace corvane

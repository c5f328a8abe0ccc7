// A main window that shows nothing, for the engines of search threads.
#pragma once

#include "model/main_window.h"

namespace corvane {

/// Takes every main-window operation and does nothing: a search thread's own session reports
/// to it, so nothing a thread does reaches the user's window.
class SilentWindow : public MainWindow {
  public:
    void errorBox(const std::string&) override {}
    void resultBox(const std::string&, MessageIcon) override {}
    void refreshControls(bool) override {}
    void layoutMainDialog() override {}
    void addViewItem(const std::string&) override {}
    void removeViewItem(int) override {}
    void selectViewItem(int) override {}
    int selectedViewItem() const override { return 0; }
    void focusViewList() override {}
    void selectSearchTab() override {}
    std::string readStopStepText() const override { return "0"; }
    void writeStopStep(std::int64_t) override {}
    void beep(BeepKind) override {}
    bool directionDialog(int&) override { return false; }
    SaveChoice saveDialog(const std::string&) override { return {}; }
    bool pumpMessages() override { return true; }
};

} // namespace corvane

// The checker's stand-in for the main window: it notes the messages and shows nothing.
#pragma once

#include "model/main_window.h"

#include <string>

namespace corvane {

/// A MainWindow without a screen: boxes are remembered for the report, dialogs answer as the
/// command line asked, and nothing is ever saved.
class CheckWindow : public MainWindow {
  public:
    /// `direction` is the id the direction dialog answers with; 0 keeps the recommended one.
    explicit CheckWindow(int direction) : direction_(direction) {}

    /// Text of the last error or result box; empty when none was shown.
    const std::string& lastMessage() const { return lastMessage_; }
    /// True when the last box was an error box.
    bool lastWasError() const { return lastWasError_; }

    void errorBox(const std::string& text) override;
    void resultBox(const std::string& text, MessageIcon icon) override;
    void refreshControls(bool) override {}
    void layoutMainDialog() override {}
    void addViewItem(const std::string&) override { ++viewItems_; }
    void removeViewItem(int index) override;
    void selectViewItem(int index) override { selected_ = index; }
    int selectedViewItem() const override { return selected_; }
    void focusViewList() override {}
    void selectSearchTab() override {}
    std::string readStopStepText() const override { return "0"; }
    void writeStopStep(std::int64_t) override {}
    void beep(BeepKind) override {}
    bool directionDialog(int& direction) override;
    SaveChoice saveDialog(const std::string&) override { return {}; }
    bool pumpMessages() override { return true; }

  private:
    int direction_;
    std::string lastMessage_;
    bool lastWasError_ = false;
    int viewItems_ = 1;
    int selected_ = 0;
};

} // namespace corvane

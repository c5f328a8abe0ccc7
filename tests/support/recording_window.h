// A MainWindow that records every call, for tests of the core.
#pragma once

#include "model/main_window.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvane::testing {

struct RecordedBox {
    std::string text;
    std::string caption; // "エラー" or "結果"
    MessageIcon icon;
};

class RecordingWindow : public MainWindow {
public:
    std::vector<RecordedBox> boxes;
    std::vector<std::string> viewItems{"通常画面"};
    int viewSelection = 0;
    bool viewListFocused = false;
    int selectedTab = 0;
    int searchTabSelections = 0;
    std::string stopStepText = "0";
    std::vector<BeepKind> beeps;
    int refreshCount = 0;
    int repaintNowCount = 0;
    int layoutCount = 0;
    int pumpCount = 0;

    // Scripted answers for the dialogs and the pump.
    std::function<bool(int&)> onDirectionDialog = [](int&) { return true; };
    std::function<SaveChoice(const std::string&)> onSaveDialog = [](const std::string&) {
        return SaveChoice{};
    };
    std::function<bool()> onPump = [] { return true; };
    std::vector<int> directionDialogShownWith;

    void errorBox(const std::string& text) override {
        boxes.push_back({text, "エラー", MessageIcon::Error});
    }
    void resultBox(const std::string& text, MessageIcon icon) override {
        boxes.push_back({text, "結果", icon});
    }
    void refreshControls(bool repaintNow) override {
        ++refreshCount;
        if (repaintNow) ++repaintNowCount;
    }
    void layoutMainDialog() override { ++layoutCount; }
    void addViewItem(const std::string& text) override { viewItems.push_back(text); }
    void removeViewItem(int index) override {
        if (index >= 0 && index < static_cast<int>(viewItems.size()))
            viewItems.erase(viewItems.begin() + index);
    }
    void selectViewItem(int index) override { viewSelection = index; }
    int selectedViewItem() const override { return viewSelection; }
    void focusViewList() override { viewListFocused = true; }
    void selectSearchTab() override {
        selectedTab = 1;
        ++searchTabSelections;
    }
    std::string readStopStepText() const override { return stopStepText; }
    void writeStopStep(std::int64_t step) override { stopStepText = std::to_string(step); }
    void beep(BeepKind kind) override { beeps.push_back(kind); }
    bool directionDialog(int& direction) override {
        directionDialogShownWith.push_back(direction);
        return onDirectionDialog(direction);
    }
    SaveChoice saveDialog(const std::string& proposedPath) override {
        return onSaveDialog(proposedPath);
    }
    bool pumpMessages() override {
        ++pumpCount;
        return onPump();
    }

    /// Texts of the recorded boxes, in order.
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> out;
        for (const auto& b : boxes) out.push_back(b.text);
        return out;
    }
};

} // namespace corvane::testing

// The main window: tab control with the board view, view list and the main-window operations.
#pragma once

#include "model/main_window.h"
#include "model/session.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QTabWidget;

namespace corvane {

class BoardView;

class MainDialog : public QWidget, public MainWindow {
    Q_OBJECT
public:
    /// `store` persists the settings (null: nothing is persisted); it must outlive the window.
    MainDialog(const SettingsStore* store, const Settings& settings, QWidget* parent = nullptr);

    Session& session() { return session_; }

    // Main-window operations.
    void errorBox(const std::string& text) override;
    void resultBox(const std::string& text, MessageIcon icon) override;
    void refreshControls(bool repaintNow) override;
    void layoutMainDialog() override;
    void addViewItem(const std::string& text) override;
    void removeViewItem(int index) override;
    void selectViewItem(int index) override;
    int selectedViewItem() const override;
    void focusViewList() override;
    void selectSearchTab() override;
    std::string readStopStepText() const override;
    void writeStopStep(std::int64_t step) override;
    void beep(BeepKind kind) override;
    bool directionDialog(int& direction) override;
    SaveChoice saveDialog(const std::string& proposedPath) override;
    bool pumpMessages() override;

    BoardView* boardView() const { return boardView_; }
    QComboBox* viewSelector() const { return viewSelector_; }

private:
    Session session_;
    QTabWidget* tabs_ = nullptr;
    BoardView* boardView_ = nullptr;
    QComboBox* viewSelector_ = nullptr;
    QLineEdit* debugStopStep_ = nullptr;
};

} // namespace corvane

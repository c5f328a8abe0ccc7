// The main window: tab control with the board view, command buttons, view list, status panel.
#pragma once

#include "model/main_window.h"
#include "model/session.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane {

class BoardView;
class CommandMenu;
class LiveCheck;
class TabControl;
class ViewList;
class WindowFit;
struct SearchSession;

/// The program's only top-level window. It owns the session and the search, implements the
/// main-window operations and runs the search driver inside its own event loop.
class MainDialog : public QWidget, public MainWindow {
    Q_OBJECT
  public:
    static constexpr int EditingTab = 0;
    static constexpr int SearchTab = 1;

    /// `store` persists the settings (null: nothing is persisted); it must outlive the window.
    MainDialog(const SettingsStore* store, const Settings& settings, QWidget* parent = nullptr);
    ~MainDialog() override;

    Session& session() { return session_; }
    const SearchSession& searchSession() const { return *search_; }
    SearchSession& searchSession() { return *search_; }
    /// The editor's background check; a change of the rule calls its boardChanged().
    LiveCheck& liveCheck() { return *liveCheck_; }

    /// Loads the puzzle file `path` with format recognition (command line, dropped files); a
    /// board read gets the keyboard focus, as after "ロード...".
    void openFile(const std::string& path);
    /// Gate of every command that replaces the puzzle (new board, load, drop, paste): true when
    /// the current puzzle may be replaced now (a paused search and unsaved edits may be
    /// dropped); otherwise the board gets the keyboard focus back.
    bool mayReplacePuzzle();
    /// True once the window was closed; a running search then ends at its next pump.
    bool closeSeen() const { return closeSeen_; }

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

    // The controls, for the screenshot renderer and the tests.
    TabControl* tabControl() const { return tabs_; }
    BoardView* boardView() const { return boardView_; }
    QPushButton* newBoardButton() const { return newBoardButton_; }
    QPushButton* loadButton() const { return loadButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    CommandMenu* commandMenu() const { return commandMenu_; }
    QPushButton* startButton() const { return startButton_; }
    QPushButton* pauseButton() const { return pauseButton_; }
    QPushButton* resumeButton() const { return resumeButton_; }
    QComboBox* viewSelector() const { return viewSelector_; }
    QLabel* statusPanel() const { return statusPanel_; }
    QLineEdit* debugStopStep() const { return debugStopStep_; }
    WindowFit* windowFit() const { return windowFit_; }

  Q_SIGNALS:
    /// A beep was sounded (the platform beep carries no kind, so tests listen here).
    void beeped(corvane::BeepKind kind);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createControls();
    void applyEnableTable();
    void updateStatusPanel();
    void onNewBoard();
    void onLoad();
    void onSave();
    void onStart();
    void onPause();
    void onResume();
    void onTabChangedByUser(int index);
    void onEditingTabRequested();
    void onViewSelected(int index);
    void showTab(int index);

    Session session_;
    std::unique_ptr<SearchSession> search_;
    std::unique_ptr<LiveCheck> liveCheck_; // reads session_; ends before it
    TabControl* tabs_ = nullptr;
    BoardView* boardView_ = nullptr;
    QPushButton* newBoardButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    CommandMenu* commandMenu_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* pauseButton_ = nullptr;
    QPushButton* resumeButton_ = nullptr;
    QComboBox* viewSelector_ = nullptr;
    std::unique_ptr<ViewList> viewList_; // the view list's items beside the stored answers
    QLabel* statusPanel_ = nullptr;
    QLineEdit* debugStopStep_ = nullptr;
    WindowFit* windowFit_ = nullptr;
    bool closeSeen_ = false;
    int pumpDepth_ = 0;           // > 0 while the search driver delivers events
    bool enablesPending_ = false; // controls to enable once the current pump has finished
    bool focusViewPending_ = false;
};

} // namespace corvane

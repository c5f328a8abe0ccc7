// The main window and its implementation of the main-window operations.
#include "app/main_dialog.h"

#include "app/board_view.h"
#include "app/command_menu.h"
#include "app/direction_dialog.h"
#include "app/exchange_commands.h"
#include "app/live_check.h"
#include "app/menu_commands.h"
#include "app/new_board_dialog.h"
#include "app/open_file_dialog.h"
#include "app/paused_search_question.h"
#include "app/puzzle_info_dialog.h"
#include "app/save_file_dialog.h"
#include "app/status_text.h"
#include "app/tab_control.h"
#include "app/unsaved_changes.h"
#include "app/view_list.h"
#include "app/window_fit.h"
#include "formats/puzzle_reader.h"
#include "formats/puzzle_save.h"
#include "search/search_driver.h"
#include "search/search_session.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace corvane {

namespace {

constexpr int MinReservedCells = 15;   // the window never shrinks below 15 x 15 cells
constexpr int ButtonColumnWidth = 102; // client width right of the tab control's edge R
constexpr int ButtonColumnOffset = 16; // buttons start at R + 16
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 20;
constexpr int StatusPanelHeight = 120;
constexpr int StatusPanelMaxHeight = 130; // down to the debug field's top edge
constexpr int ColumnHeight = 388;         // client height the column needs: the last field ends
                                          // at y 378
// With the background check's verdict (never shown in debug mode): down to the column's end.
constexpr int StatusPanelMaxHeightLive = 150;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

/// Keeps the status panel at its usual height unless its text needs more: nine lines (paused,
/// with a varying-cell count) take it down to the debug field's top edge. The verdict of the
/// background check, never shown in debug mode, may take it down to where that field ends.
void fitStatusPanel(QLabel& panel, bool verdictShown) {
    const int most = verdictShown ? StatusPanelMaxHeightLive : StatusPanelMaxHeight;
    panel.resize(ButtonWidth, std::clamp(panel.sizeHint().height(), StatusPanelHeight, most));
}

/// The first dropped item when it is a local file, otherwise an empty string.
QString firstDroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty()) return {};
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

MainDialog::MainDialog(const SettingsStore* store, const Settings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      session_(*this, store), search_(std::make_unique<SearchSession>()),
      liveCheck_(std::make_unique<LiveCheck>(session_)) {
    session_.settings = settings;
    setWindowTitle("Corvane");
    setAcceptDrops(true);
    createControls();
    installMenuCommands(*this, *commandMenu_);

    // The session starts with an empty 10 x 10 board, Idle, the cursor on row 1, column 1.
    resetBoard(session_.board, session_.status, *this, 10, 10);
    session_.board.currentFilePath.clear();
    writeStopStep(0);
    layoutMainDialog();
    refreshControls(false);
    boardView_->setFocus();
}

MainDialog::~MainDialog() = default;

void MainDialog::createControls() {
    // Created in the keyboard focus order.
    tabs_ = new TabControl(this);
    tabs_->addTab(new QWidget, QString::fromUtf8("問題編集"));
    tabs_->addTab(new QWidget, QString::fromUtf8("解答探索"));
    boardView_ = new BoardView(session_, this);
    boardView_->setSearchSession(search_.get());
    boardView_->setLiveVarying(&liveCheck_->varyingCells());
    windowFit_ = new WindowFit(this, boardView_);

    auto makeButton = [this](const char* text, void (MainDialog::*handler)()) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        // A focused button takes Enter itself, as push buttons of a dialog do.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    newBoardButton_ = makeButton("新規作成...", &MainDialog::onNewBoard);
    loadButton_ = makeButton("ロード...", &MainDialog::onLoad);
    saveButton_ = makeButton("セーブ...", &MainDialog::onSave);
    commandMenu_ = new CommandMenu(this);
    startButton_ = makeButton("探索開始...", &MainDialog::onStart);
    startButton_->setDefault(true);
    pauseButton_ = makeButton("探索中断", &MainDialog::onPause);
    resumeButton_ = makeButton("探索再開", &MainDialog::onResume);

    viewSelector_ = new QComboBox(this);
    viewSelector_->addItem(QString::fromUtf8("通常画面"));
    viewSelector_->setMaxVisibleItems(6);
    viewList_ = std::make_unique<ViewList>(*viewSelector_, session_.board);
    boardView_->setVaryingCells(&viewList_->varying());
    statusPanel_ = new QLabel(this);
    statusPanel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    statusPanel_->setLineWidth(1);
    statusPanel_->setTextFormat(Qt::PlainText);
    statusPanel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // "00:00:00.000" must fit the 80-pixel panel; a condensed face keeps it on one line where
    // the platform's dialog font is wider than the one the layout was made for.
    QFont panelFont = statusPanel_->font();
    panelFont.setStretch(QFont::SemiCondensed);
    statusPanel_->setFont(panelFont);
    debugStopStep_ = new QLineEdit(this);
    debugStopStep_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), debugStopStep_));

    connect(tabs_, &TabControl::tabChangedByUser, this, &MainDialog::onTabChangedByUser);
    connect(boardView_, &BoardView::editingTabRequested, this, &MainDialog::onEditingTabRequested);
    connect(viewSelector_, &QComboBox::currentIndexChanged, this, &MainDialog::onViewSelected);
    connect(boardView_, &BoardView::boardEdited, liveCheck_.get(), &LiveCheck::boardChanged);
    connect(liveCheck_.get(), &LiveCheck::verdictChanged, this, [this] {
        updateStatusPanel();
        boardView_->update();
    });
}

void MainDialog::openFile(const std::string& path) {
    session_.board.currentFilePath = path;
    if (loadPuzzleFile(session_, FormatAuto)) {
        liveCheck_->boardChanged();
        boardView_->setFocus(); // as "ロード..." does
    }
}

bool MainDialog::mayReplacePuzzle() {
    // The paused search first: saving the puzzle is wasted when the user then keeps it.
    if (settlePausedSearch(session_, this) && settleUnsavedChanges(session_, this)) return true;
    boardView_->setFocus(); // not left on the button that asked, once the user stays
    return false;
}

void MainDialog::errorBox(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8("エラー"), qs(text), QMessageBox::Ok,
                    this);
    box.exec();
}

void MainDialog::resultBox(const std::string& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromUtf8("結果"), qs(text), QMessageBox::Ok, this);
    box.exec();
}

void MainDialog::refreshControls(bool repaintNow) {
    if (repaintNow)
        boardView_->repaint();
    else
        boardView_->update();
    updateStatusPanel();
    setWindowTitle(qs(windowTitleFor(session_.board)));
    if (repaintNow) statusPanel_->repaint();
    applyEnableTable();
}

void MainDialog::updateStatusPanel() {
    const QString verdict = liveCheck_->statusLines(*statusPanel_);
    statusPanel_->setText(
        qs(statusText(session_.status, session_.board.solutions.size(), viewList_->varyingCount(),
                      session_.settings.fillAllCells != 0, verdict.toStdString())));
    statusPanel_->setToolTip(qs(liveCheck_->toolTip()));
    fitStatusPanel(*statusPanel_, !verdict.isEmpty());
}

void MainDialog::applyEnableTable() {
    const ControlEnables e = controlEnables(session_.status.searchState);
    const std::pair<QWidget*, bool> table[] = {
        {boardView_, e.boardView}, {newBoardButton_, e.newBoard}, {loadButton_, e.load},
        {saveButton_, e.save},     {startButton_, e.start},       {resumeButton_, e.resume},
        {pauseButton_, e.pause},   {debugStopStep_, e.stopStep},
    };
    const auto enable = [this](bool enabled, const std::function<void(bool)>& set) {
        if (!enabled) {
            set(false);
        } else if (pumpDepth_ > 0) {
            // Input queued while the control was locked is still being delivered: unlocking
            // now would let a click made on a disabled button act. Unlock after the pump.
            enablesPending_ = true;
        } else {
            set(true);
        }
    };
    for (const auto& [control, enabled] : table)
        enable(enabled, [control](bool on) { control->setEnabled(on); });
    // The menu commands that cannot act during a search (they replace or edit the puzzle, or
    // draw it) follow "ロード...".
    using Policy = CommandMenu::WhileSearching;
    enable(e.load, [this](bool on) { commandMenu_->enableCommands(Policy::Disabled, on); });
    // A paused search keeps the rule it was started with.
    enable(!searchInProgress(session_.status.searchState),
           [this](bool on) { commandMenu_->enableCommands(Policy::DisabledWhilePaused, on); });
    if (focusViewPending_ && boardView_->isEnabled()) {
        focusViewPending_ = false;
        boardView_->setFocus();
    }
}

void MainDialog::layoutMainDialog() {
    const Board& board = session_.board;
    const int cellsAcross = std::max(board.boardWidth, MinReservedCells);
    const int cellsDown = std::max(board.boardHeight, MinReservedCells);
    const QSize boardSize(BoardView::CellPixels * cellsAcross + 1,
                          BoardView::CellPixels * cellsDown + 1);
    const QMargins margins = tabs_->displayMargins();
    // The board's own size, or less (scrolled) where the window would not fit its screen.
    const QSize display = fittedDisplaySize(
        boardSize, {windowFit_->clientRoom(), margins, ButtonColumnWidth, ColumnHeight,
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent)});
    const int displayWidth = display.width();
    const int displayHeight = display.height();

    // The tab control's rectangle (L, T, R, B) relative to its display area.
    const int left = -margins.left();
    const int top = -margins.top();
    const int right = displayWidth + margins.right();
    const int bottom = displayHeight + margins.bottom();

    tabs_->setGeometry(0, 0, right - left, bottom - top);
    windowFit_->placeBoard(QRect(-left, -top, displayWidth, displayHeight), boardSize);
    const QSize previousSize = size();
    setFixedSize(right - left + ButtonColumnWidth, bottom - top);

    const int x = right + ButtonColumnOffset;
    newBoardButton_->setGeometry(x, 8, ButtonWidth, ButtonHeight);
    loadButton_->setGeometry(x, 28, ButtonWidth, ButtonHeight);
    saveButton_->setGeometry(x, 48, ButtonWidth, ButtonHeight);
    commandMenu_->button()->setGeometry(x, CommandMenu::ButtonY, ButtonWidth, ButtonHeight);
    startButton_->setGeometry(x, 88, ButtonWidth, ButtonHeight);
    pauseButton_->setGeometry(x, 118, ButtonWidth, ButtonHeight);
    resumeButton_->setGeometry(x, 148, ButtonWidth, ButtonHeight);
    viewSelector_->setGeometry(x, 188, ButtonWidth, ButtonHeight);
    statusPanel_->setGeometry(x, 228, ButtonWidth, StatusPanelHeight);
    fitStatusPanel(*statusPanel_, !liveCheck_->statusLines(*statusPanel_).isEmpty());
    debugStopStep_->setGeometry(x, 358, ButtonWidth, ButtonHeight);
    debugStopStep_->setHidden(session_.settings.debugMode == 0);
    windowFit_->centreAfterResize(previousSize);
}

void MainDialog::addViewItem(const std::string& text) {
    viewList_->addAnswerItem(text);
}

void MainDialog::removeViewItem(int index) {
    viewList_->removeItem(index);
}

void MainDialog::selectViewItem(int index) {
    viewList_->select(index);
}

int MainDialog::selectedViewItem() const {
    return viewList_->selectedItem();
}

void MainDialog::focusViewList() {
    viewSelector_->setFocus();
}

void MainDialog::selectSearchTab() {
    showTab(SearchTab);
}

void MainDialog::showTab(int index) {
    tabs_->selectTabByProgram(index);
    boardView_->setSelectedTab(index);
}

std::string MainDialog::readStopStepText() const {
    return debugStopStep_->text().toStdString();
}

void MainDialog::writeStopStep(std::int64_t step) {
    debugStopStep_->setText(QString::number(step));
}

void MainDialog::beep(BeepKind kind) {
    QApplication::beep();
    Q_EMIT beeped(kind);
}

bool MainDialog::directionDialog(int& direction) {
    return runDirectionDialog(direction, this);
}

SaveChoice MainDialog::saveDialog(const std::string& proposedPath) {
    return runSaveDialog(session_, proposedPath, this);
}

bool MainDialog::pumpMessages() {
    if (closeSeen_) return false;
    ++pumpDepth_;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    --pumpDepth_;
    if (pumpDepth_ == 0 && enablesPending_) {
        enablesPending_ = false;
        applyEnableTable();
    }
    return !closeSeen_;
}

void MainDialog::closeEvent(QCloseEvent* event) {
    // A search running in the pump ends when it sees the flag, unasked. Otherwise a modified
    // puzzle is offered for saving first, and the window stays when the user cancels.
    const bool searching = pumpDepth_ > 0 || session_.status.searchState == SearchState::Running;
    if (!closeSeen_ && !searching && !settleUnsavedChanges(session_, this)) {
        event->ignore();
        return;
    }
    closeSeen_ = true;
    liveCheck_->suspend(); // for good: the window is going
    event->accept();
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The focused control did not use Enter: the default button "探索開始..." acts.
        onStart();
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept(); // the window has no cancel action; Escape must not close it
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!firstDroppedFile(event->mimeData()).isEmpty() ||
        !droppedPuzzleText(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainDialog::dragMoveEvent(QDragMoveEvent* event) {
    if (!firstDroppedFile(event->mimeData()).isEmpty() ||
        !droppedPuzzleText(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainDialog::dropEvent(QDropEvent* event) {
    const QString path = firstDroppedFile(event->mimeData());
    if (path.isEmpty()) {
        // A URL or pzprv3 text: read like a paste once the drop has been released.
        const QString text = droppedPuzzleText(event->mimeData());
        if (text.isEmpty()) return;
        event->acceptProposedAction();
        QTimer::singleShot(0, this, [this, text] { loadPuzzleFromText(*this, text); });
        return;
    }
    event->acceptProposedAction();
    if (session_.status.searchState == SearchState::Running) {
        beep(BeepKind::Exclamation);
        return;
    }
    // Load after the drop has been released, so an error box never holds the drag source.
    const std::string file = path.toStdString();
    QTimer::singleShot(0, this, [this, file] {
        if (session_.status.searchState == SearchState::Running)
            beep(BeepKind::Exclamation);
        else if (mayReplacePuzzle())
            openFile(file);
    });
}

// Commands. Each handler checks that its command applies now: a click or key delivered late
// (queued while the control was disabled) must not act.

void MainDialog::onNewBoard() {
    if (!newBoardButton_->isEnabled()) return;
    if (!mayReplacePuzzle()) return;
    if (runNewBoardDialog(session_, this)) {
        liveCheck_->boardChanged();
        layoutMainDialog();
        refreshControls(false);
        boardView_->setFocus(); // the digits typed next go to the new board
    }
}

void MainDialog::onLoad() {
    if (!loadButton_->isEnabled()) return;
    if (!mayReplacePuzzle()) return;
    if (chooseOpenFile(session_, this) &&
        loadPuzzleFile(session_, session_.board.openFormatChoice)) {
        liveCheck_->boardChanged();
        boardView_->setFocus(); // the digits typed next go to the loaded board
    }
}

void MainDialog::onSave() {
    if (!saveButton_->isEnabled()) return;
    savePuzzleFile(session_);
}

void MainDialog::onStart() {
    if (!startButton_->isEnabled()) return;
    liveCheck_->suspend(); // the real search runs alone
    startSearch(session_, *search_);
    liveCheck_->resume();
}

void MainDialog::onPause() {
    if (session_.status.searchState != SearchState::Running) return;
    session_.status.searchState = SearchState::PauseRequested;
    refreshControls(false);
}

void MainDialog::onResume() {
    if (!resumeButton_->isEnabled()) return;
    liveCheck_->suspend();
    resumeSearch(session_, *search_);
    liveCheck_->resume();
}

void MainDialog::onTabChangedByUser(int index) {
    if (session_.status.searchState == SearchState::Running)
        session_.status.searchState = SearchState::PauseRequested;
    showTab(index);
    if (index == EditingTab) focusViewPending_ = true;
    refreshControls(false);
}

void MainDialog::onEditingTabRequested() {
    showTab(EditingTab);
    refreshControls(false);
}

void MainDialog::onViewSelected(int index) {
    boardView_->setViewIndex(viewList_->answerOf(index));
    boardView_->setVaryingView(viewList_->isVaryingItem(index));
    boardView_->update();
}

} // namespace corvane

// The main window and its implementation of the main-window operations.
#include "app/main_dialog.h"

#include "app/board_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvane {

MainDialog::MainDialog(const SettingsStore* store, const Settings& settings, QWidget* parent)
    : QWidget(parent), session_(*this, store) {
    session_.settings = settings;
    setWindowTitle("Corvane");
    tabs_ = new QTabWidget(this);
    auto* editPage = new QWidget;
    auto* searchPage = new QWidget;
    tabs_->addTab(editPage, QString::fromUtf8("問題編集"));
    tabs_->addTab(searchPage, QString::fromUtf8("解答探索"));
    boardView_ = new BoardView(session_, this);
    viewSelector_ = new QComboBox(this);
    viewSelector_->addItem(QString::fromUtf8("通常画面"));
    debugStopStep_ = new QLineEdit(this);
    debugStopStep_->setVisible(session_.settings.debugMode != 0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(boardView_);
    layout->addWidget(viewSelector_);
    layout->addWidget(debugStopStep_);
    layoutMainDialog();
}

void MainDialog::errorBox(const std::string& text) {
    QMessageBox::critical(this, QString::fromUtf8("エラー"), QString::fromStdString(text));
}

void MainDialog::resultBox(const std::string& text, MessageIcon icon) {
    const QString caption = QString::fromUtf8("結果");
    if (icon == MessageIcon::Warning)
        QMessageBox::warning(this, caption, QString::fromStdString(text));
    else
        QMessageBox::information(this, caption, QString::fromStdString(text));
}

void MainDialog::refreshControls(bool repaintNow) {
    if (repaintNow)
        boardView_->repaint();
    else
        boardView_->update();
}

void MainDialog::layoutMainDialog() {
    const Board& b = session_.board;
    boardView_->setFixedSize(b.boardWidth * BoardView::CellPixels + 1,
                             b.boardHeight * BoardView::CellPixels + 1);
}

void MainDialog::addViewItem(const std::string& text) {
    viewSelector_->addItem(QString::fromStdString(text));
}

void MainDialog::removeViewItem(int index) { viewSelector_->removeItem(index); }

void MainDialog::selectViewItem(int index) { viewSelector_->setCurrentIndex(index); }

int MainDialog::selectedViewItem() const { return viewSelector_->currentIndex(); }

void MainDialog::focusViewList() { viewSelector_->setFocus(); }

void MainDialog::selectSearchTab() {
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(1);
}

std::string MainDialog::readStopStepText() const { return debugStopStep_->text().toStdString(); }

void MainDialog::writeStopStep(std::int64_t step) { debugStopStep_->setText(QString::number(step)); }

void MainDialog::beep(BeepKind) { QApplication::beep(); }

bool MainDialog::directionDialog(int&) { return false; }

SaveChoice MainDialog::saveDialog(const std::string&) { return {}; }

bool MainDialog::pumpMessages() {
    QApplication::processEvents();
    return true;
}

} // namespace corvane

// The editor's background check: the delay after a change, the checking thread and the
// verdict handed back to the window's thread.
#include "app/live_check.h"

#include "model/session.h"

#include <QFontMetrics>
#include <QLabel>

namespace corvane {

LiveCheck::LiveCheck(const Session& session) : session_(session) {
    delay_.setSingleShot(true);
    delay_.setInterval(DelayMs);
    connect(&delay_, &QTimer::timeout, this, &LiveCheck::startCheck);
}

LiveCheck::~LiveCheck() {
    cancelRunning();
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

bool LiveCheck::enabled() const {
    return session_.settings.liveCheckSeconds > 0 && session_.settings.debugMode == 0;
}

bool LiveCheck::idle() const {
    if (delay_.isActive()) return false;
    std::lock_guard lock(mutex_);
    return !busy_ && !requested_;
}

void LiveCheck::boardChanged() {
    cancelRunning();
    outcome_ = CheckOutcome{};
    if (!enabled()) {
        shown_ = Verdict::Cancelled;
    } else if (suspended_ > 0) {
        shown_ = Verdict::Checking; // not shown while the real search runs; checked after it
        changedWhileSuspended_ = true;
    } else {
        shown_ = Verdict::Checking;
        delay_.start(); // restarts a delay already running: one check for a burst of keys
    }
    Q_EMIT verdictChanged();
}

void LiveCheck::suspend() {
    ++suspended_;
    delay_.stop();
    cancelRunning();
    // The real search takes the panel over: the verdict and the tint are put away (the
    // search answers instead) until the next change.
    const bool dropped = shown_ != Verdict::Cancelled && !changedWhileSuspended_;
    if (dropped) {
        shown_ = Verdict::Cancelled;
        outcome_ = CheckOutcome{};
    }
    {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return !busy_ && !requested_; });
    }
    if (dropped) Q_EMIT verdictChanged();
}

void LiveCheck::resume() {
    if (suspended_ == 0 || --suspended_ > 0) return;
    if (changedWhileSuspended_) {
        changedWhileSuspended_ = false;
        boardChanged();
    }
}

QString LiveCheck::statusLines(const QLabel& panel) const {
    if (!shownNow()) return {};
    QString verdict = QString::fromUtf8(verdictText(shown_));
    // A framed label keeps the width of an "x" free on its left, as a margin.
    const QFontMetrics metrics = panel.fontMetrics();
    const int room = panel.contentsRect().width() - metrics.horizontalAdvance(QLatin1Char('x'));
    const qsizetype open = verdict.lastIndexOf(QLatin1Char('('));
    if (open > 0 && metrics.horizontalAdvance(verdict) > room)
        verdict.insert(open, QLatin1Char('\n'));
    return QString::fromUtf8("判定\n") + verdict + QLatin1Char('\n');
}

std::string LiveCheck::toolTip() const {
    return shownNow() && shown_ == Verdict::Incomplete ? outcome_.reason : std::string();
}

bool LiveCheck::shownNow() const {
    return shown_ != Verdict::Cancelled && !searchInProgress(session_.status.searchState);
}

void LiveCheck::cancelRunning() {
    latest_.store(++generation_, std::memory_order_relaxed);
    latest_.notify_all(); // wakes a test hook that holds a check until it is cancelled
    std::lock_guard lock(mutex_);
    requested_ = false;
    idle_.notify_all();
}

void LiveCheck::startCheck() {
    if (!enabled() || suspended_ > 0 || shown_ != Verdict::Checking) return;
    {
        std::lock_guard lock(mutex_);
        copyClues(session_.board, request_);
        requestSettings_ = session_.settings;
        requestGeneration_ = generation_;
        requested_ = true;
    }
    if (!thread_.joinable()) {
        check_ = std::make_unique<UniquenessCheck>();
        thread_ = std::thread([this] { checkLoop(); });
    }
    wake_.notify_one();
}

void LiveCheck::checkLoop() {
    // The clues live in `clues` during a check, so the window's thread can queue the next
    // request meanwhile.
    Board clues;
    Settings settings;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || requested_; });
        if (quit_) return;
        copyClues(request_, clues);
        settings = requestSettings_;
        CheckControl control;
        control.latest = &latest_;
        control.generation = requestGeneration_;
        requested_ = false;
        busy_ = true;
        lock.unlock();

        control.deadline =
            CheckControl::Clock::now() + std::chrono::seconds(settings.liveCheckSeconds);
        if (hooks_.clockRead)
            control.onClockRead = [this, &control](std::uint64_t steps) {
                hooks_.clockRead(control, steps);
            };
        CheckOutcome outcome = check_->run(clues, settings, control);
        if (hooks_.finished) hooks_.finished(control, outcome);
        if (outcome.verdict != Verdict::Cancelled)
            QMetaObject::invokeMethod(
                this,
                [this, generation = control.generation, outcome = std::move(outcome)]() mutable {
                    deliver(generation, std::move(outcome));
                },
                Qt::QueuedConnection);

        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

void LiveCheck::deliver(std::uint64_t generation, CheckOutcome outcome) {
    if (generation != generation_) return; // the board changed since: a stale verdict
    outcome_ = std::move(outcome);
    shown_ = outcome_.verdict;
    Q_EMIT verdictChanged();
}

} // namespace corvane

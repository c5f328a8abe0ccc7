// The verdict while typing: a background check of the board after every change, shown as the
// status panel's line "判定" and as tinted cells where two solutions differ.
#pragma once

#include "model/board.h"
#include "model/search_status.h"
#include "model/settings.h"
#include "search/uniqueness_check.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class QLabel;

namespace corvane {

struct Session;

/// Test hooks, called on the checking thread; either may block to hold a check there.
struct LiveCheckHooks {
    /// At each read of the clock during a check's search, with the check's control.
    std::function<void(const CheckControl& control, std::uint64_t steps)> clockRead;
    /// When a check has ended, before its outcome is handed to the window's thread.
    std::function<void(const CheckControl& control, const CheckOutcome& outcome)> finished;
};

/// Runs the editor's check on a thread of its own, one check at a time, with its own engine:
/// a change waits DelayMs for the next one (typing "12" checks once), then the board's clues
/// and the settings are copied and searched for two solutions under the LiveCheckSeconds
/// budget. A newer change cancels a running check between two steps, and an outcome that
/// arrives after a newer change is dropped. Off when LiveCheckSeconds is 0 or in debug mode.
/// Idle, it costs nothing: no timer runs and the thread sleeps on its condition.
class LiveCheck : public QObject {
    Q_OBJECT
  public:
    /// Wait after a change before the check starts.
    static constexpr int DelayMs = 300;

    /// Reads the board, the settings and the search state of `session`, which must outlive it.
    explicit LiveCheck(const Session& session);
    /// Cancels any check and joins the thread.
    ~LiveCheck() override;

    /// The board or the rule changed: every board-change path (a clue typed or erased, a new
    /// board, a load, a paste, a drop) and the rule command call it. The verdict becomes
    /// "確認中…", the tint goes, a running check is cancelled at once and a new one starts
    /// after the delay.
    void boardChanged();
    /// A real search is about to run: cancels the check, waits until the thread stands still
    /// and puts the verdict and the tint away. Changes seen until resume() are checked then.
    /// Calls nest.
    void suspend();
    /// The real search returned (over, paused or refused).
    void resume();

    /// True when checks run: LiveCheckSeconds above 0 and not in debug mode.
    bool enabled() const;
    /// True when nothing waits or runs: no delay, no check queued or being searched.
    bool idle() const;
    /// The verdict of the current board; Cancelled when there is none to show.
    Verdict verdict() const { return shown_; }
    /// The status panel's lines "判定" and the verdict as `panel` shows them (a verdict too
    /// wide for it breaks before its parenthesis), or "" when there is none or while a real
    /// search runs or is paused (the panel is then the search's).
    QString statusLines(const QLabel& panel) const;
    /// The panel's tooltip: the validation's reason while the verdict is "未完成", else "".
    std::string toolTip() const;
    /// The cells where the two solutions found differ, to tint on the editing tab; empty
    /// unless the verdict is "複数解".
    const CellMask& varyingCells() const { return outcome_.varying; }

    /// Installs test hooks; only before the first check.
    void setHooks(LiveCheckHooks hooks) { hooks_ = std::move(hooks); }

  Q_SIGNALS:
    /// The verdict, its reason or the tinted cells changed.
    void verdictChanged();

  private:
    void startCheck();
    void deliver(std::uint64_t generation, CheckOutcome outcome);
    void cancelRunning();
    void checkLoop();
    bool shownNow() const;

    const Session& session_;
    QTimer delay_;
    LiveCheckHooks hooks_;

    // Window's thread only.
    std::uint64_t generation_ = 0; // number of the newest check asked for
    Verdict shown_ = Verdict::Cancelled;
    CheckOutcome outcome_; // the verdict's reason and tinted cells
    int suspended_ = 0;    // depth of suspend() calls not yet resumed
    bool changedWhileSuspended_ = false;

    // Read by the checking thread without the lock: a stale value delays a cancel by a step.
    std::atomic<std::uint64_t> latest_{0}; // = generation_

    // Guarded by mutex_: the next check to run, the thread's state and its end.
    mutable std::mutex mutex_;
    std::condition_variable wake_; // a request arrived or the thread must end
    std::condition_variable idle_; // the thread finished a check
    Board request_;                // clues of the next check
    Settings requestSettings_;
    std::uint64_t requestGeneration_ = 0;
    bool requested_ = false;
    bool busy_ = false; // a check is running
    bool quit_ = false;

    // Used by the checking thread only, made once.
    std::unique_ptr<UniquenessCheck> check_;
    std::thread thread_; // started by the first check
};

} // namespace corvane

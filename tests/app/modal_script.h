// Drives modal dialogs in tests: scripted handlers for each modal that opens, and a fallback
// that rejects whatever stays open so that a failed check never hangs the suite.
#pragma once

#include "watchdog.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

namespace corvane::testing {

class ModalScript {
  public:
    using Handler = std::function<void(QWidget* modal)>;

    /// Starts watching; a modal that stays the active one for `timeoutMs` in a row is rejected
    /// as a failure (the default leaves a slow machine far more time than it needs).
    explicit ModalScript(int timeoutMs = 2 * WatchdogMs);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    /// Queues `handler` for the next modal widget that opens (a modal that was handled before
    /// and shows again when a box over it closes is skipped). Each handler runs from its own
    /// zero timer, so a modal it opens (a message box) is handled by the next queued handler.
    ModalScript& then(Handler handler);
    /// Number of handlers that have not run yet.
    int pending() const { return static_cast<int>(handlers_.size()); }

  private:
    void poll();
    void rejectIfStuck(QWidget* modal);

    QTimer poll_;
    int timeoutMs_;
    QPointer<QWidget> active_; // the active modal the fallback times
    QElapsedTimer activeSince_;
    std::deque<Handler> handlers_;
    std::vector<QPointer<QWidget>> handled_; // each modal gets one handler only
};

/// Waits until `predicate` holds (events keep flowing); false after `timeoutMs`.
bool waitUntil(const std::function<bool()>& predicate, int timeoutMs = WatchdogMs);

/// Clicks the push button called `name` inside `dialog` from the event loop, after the
/// current handler has returned.
void clickLater(QWidget* dialog, const char* name);

} // namespace corvane::testing

// The step gate: permits counted under its own lock, held threads woken through the search.
#include "search/step_gate.h"

namespace corvane {

void StepGate::allow(std::uint64_t steps) {
    {
        std::lock_guard lock(mutex_);
        permits_ += steps;
    }
    wakeHeld();
}

void StepGate::open() {
    {
        std::lock_guard lock(mutex_);
        open_ = true;
    }
    wakeHeld();
}

std::uint64_t StepGate::taken() const {
    std::lock_guard lock(mutex_);
    return taken_;
}

bool StepGate::waitUntilTaken(std::uint64_t steps, std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return passed_.wait_for(lock, limit, [&] { return taken_ >= steps; });
}

bool StepGate::pass() {
    std::lock_guard lock(mutex_);
    if (!open_) {
        if (permits_ == 0) return false;
        --permits_;
    }
    ++taken_;
    passed_.notify_all();
    return true;
}

void StepGate::setWaker(std::function<void()> waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

void StepGate::wakeHeld() {
    // The waker takes the search's lock, which is held around pass(): calling it under this
    // gate's lock could deadlock. The copy is safe: the search changes the waker only on the
    // thread that also calls allow and open.
    std::function<void()> waker;
    {
        std::lock_guard lock(mutex_);
        waker = waker_;
    }
    if (waker) waker();
}

} // namespace corvane

// A test hook that holds the threads of a parallel search between two steps.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

namespace corvane {

/// Lets a test decide how far the threads of a parallel search get: every step any thread
/// takes uses one permit, and a thread finding none stands still between two steps, as a
/// paused one does (a pause, a cancel, a split or a picture request still reach it). A gate
/// starts closed. Tests own it and name it in SearchSession::stepGate (or
/// ParallelOptions::gate); it must outlive the searches that use it. allow and open are
/// called on the thread that owns the search.
class StepGate {
  public:
    StepGate() = default;
    StepGate(const StepGate&) = delete;
    StepGate& operator=(const StepGate&) = delete;

    /// Lets the threads take `steps` more steps in all.
    void allow(std::uint64_t steps);
    /// Lets the threads run freely from now on.
    void open();
    /// Steps taken through the gate so far.
    std::uint64_t taken() const;
    /// Waits until `steps` steps in all have been taken; false when `limit` passed first.
    bool waitUntilTaken(std::uint64_t steps, std::chrono::milliseconds limit) const;

    // The search's side.
    /// Takes a permit for one step; false when none is left (the thread must wait to be
    /// woken). Called with the search's own lock held.
    bool pass();
    /// Sets what wakes the threads held at the gate (empty: nothing to wake). The search sets
    /// it while it runs and clears it before it ends.
    void setWaker(std::function<void()> waker);

  private:
    void wakeHeld();

    mutable std::mutex mutex_; // guards every field below; never held while waking
    mutable std::condition_variable passed_;
    std::uint64_t permits_ = 0;
    std::uint64_t taken_ = 0;
    bool open_ = false;
    std::function<void()> waker_;
};

} // namespace corvane

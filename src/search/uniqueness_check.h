// The editor's background check: a serial search of a board's clues for at most two solutions,
// cancellable between steps and bounded in time, and the verdict it gives.
#pragma once

#include "model/answer_differences.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace corvane {

struct Board;
struct Settings;

/// What the check says about the board being edited.
enum class Verdict {
    Checking,         // not decided yet
    Unique,           // exactly one solution, every cell on a path
    UniqueWithBlanks, // exactly one solution, some cell on no path
    Multiple,         // two solutions found
    None,             // no solution (also when the clues alone contradict each other)
    Incomplete,       // validation refuses the board
    TimedOut,         // the time budget was spent before the search ended
    Cancelled,        // stopped because a newer check was asked for; never shown
};

/// The status panel's text for a verdict ("確認中…", "一意", ...); empty for Cancelled.
const char* verdictText(Verdict verdict);

/// How one check ended.
struct CheckOutcome {
    Verdict verdict = Verdict::Cancelled;
    std::string reason;      // Incomplete: the validation's own message
    CellMask varying;        // Multiple: the cells where the two solutions differ
    std::uint64_t steps = 0; // search steps taken
};

/// When a running check must stop. `latest` is written by the thread that asks for checks and
/// read here without a lock: a stale read only delays the stop by a step.
struct CheckControl {
    using Clock = std::chrono::steady_clock;

    const std::atomic<std::uint64_t>* latest = nullptr; // number of the newest check asked for
    std::uint64_t generation = 0;                       // this check's number
    Clock::time_point deadline = Clock::time_point::max();
    /// Called on the checking thread each time the clock is read (every ClockSteps steps)
    /// with the steps so far; tests hold the check there. May be empty.
    std::function<void(std::uint64_t steps)> onClockRead;

    /// True once a newer check has been asked for.
    bool cancelled() const {
        return latest && latest->load(std::memory_order_relaxed) != generation;
    }
};

/// Searches one board after another, each for at most two solutions, serially and in the
/// recommended direction, as `corvane-check --limit 2` does. It owns its session (with a window
/// that shows nothing) and its engine, made once: the caller's board, answers, view list and
/// search state are never touched. One thread at a time may run it.
class UniquenessCheck {
  public:
    /// Steps between two reads of the clock.
    static constexpr std::uint64_t ClockSteps = 4096;

    UniquenessCheck();
    ~UniquenessCheck();
    UniquenessCheck(const UniquenessCheck&) = delete;
    UniquenessCheck& operator=(const UniquenessCheck&) = delete;

    /// Checks the clues of `board` (its size and clue cells; nothing else is read) under the
    /// rule of `settings`. Returns Cancelled or TimedOut as soon as `control` says so.
    CheckOutcome run(const Board& board, const Settings& settings, const CheckControl& control);

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace corvane

// The shared search status: state machine value, step counter and timing.
#pragma once

#include <cstdint>

namespace corvane {

enum class SearchState : int { Idle = 0, Running = 1, Finished = 2, PauseRequested = 3, Paused = 4 };

struct SearchStatus {
    SearchState searchState = SearchState::Idle;
    std::uint64_t stepCount = 0;  // search steps taken by the current search
    std::int64_t startTime = 0;   // system time in 100 ns units when timing began; 0 = not timed
    std::uint64_t elapsedMs = 0;  // (now - startTime) / 10000, refreshed at the driver's checkpoints
};

/// True while a search runs, is being paused or stands paused (it may still be resumed).
inline bool searchInProgress(SearchState state) {
    return state == SearchState::Running || state == SearchState::PauseRequested ||
           state == SearchState::Paused;
}

/// The current system time as a count of 100-nanosecond units.
std::int64_t currentSystemTime();

/// Sets elapsedMs from startTime when startTime is non-zero.
void updateElapsed(SearchStatus& status);

} // namespace corvane

// How long a test waits for something that must happen: a limit that only a fault reaches.
#pragma once

#include <chrono>

namespace corvane::testing {

/// Generous on purpose: a slow machine with every core busy must never reach it. Waits end as
/// soon as their condition holds, so only a failing test waits this long.
inline constexpr int WatchdogMs = 120000;
inline constexpr std::chrono::milliseconds WatchdogLimit{WatchdogMs};

} // namespace corvane::testing

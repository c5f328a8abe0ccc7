// Timing helpers of the shared search status.
#include "model/search_status.h"

#include <chrono>

namespace corvane {

std::int64_t currentSystemTime() {
    using namespace std::chrono;
    // The epoch does not matter: only differences are used.
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count() / 100;
}

void updateElapsed(SearchStatus& status) {
    if (status.startTime == 0) return;
    const std::int64_t diff = currentSystemTime() - status.startTime;
    status.elapsedMs = diff > 0 ? static_cast<std::uint64_t>(diff) / 10000 : 0;
}

} // namespace corvane

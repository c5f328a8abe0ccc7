// Helpers shared by every implementation of the main-window operations.
#include "model/main_window.h"

#include "base/decimal.h"

namespace corvane {

std::int64_t parseStopStep(const std::string& text) {
    // The field's buffer holds 49 characters and a terminator.
    return parseLeadingInt64(std::string_view(text).substr(0, 49));
}

} // namespace corvane
